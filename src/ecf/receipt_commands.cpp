// The fiscal receipt: open, items, item cancellations, subtotal, footer and
// close, consumer, and the digest of the program's files on the receipt.

#include <algorithm>

#include "core/dialogs.hpp"
#include "ecf/decode.hpp"
#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

using runtime::left;
using runtime::trim;

const ClassicEntries& entries(core::Ctx& ctx) { return classic_entries(make_of(ctx.g)); }

// The unit of measure of the item being sold: the current record of the
// items table.
Text item_unit(core::Ctx& ctx) {
  xbase::Table* items = ctx.db.find("IT");
  if (!items || items->eof() || !items->has_field("C408")) return "";
  return items->text("C408");
}

}  // namespace

Answer ABRIR_CUPOM(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).open_receipt, Text()));
  if (m == Make::EP) {
    const Text none;
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Abrir_Cupom", none, none, none, none, Text("1")));
  }
  return no_such_make(ctx);
}

Answer VEN_ITEM(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).sell, zero_digits(g.WCOD_ITEM_BARRA, m == Make::DA ? 13 : 14),
                             left(g.WDESCR, 29), g.WSITUA, zero_digits(g.WVALOR, 1000, 9),
                             zero_digits(g.WQUANTPRODU, 1000, 7), Text("0000000000"), Text("0000000000"), Text("01"),
                             item_unit(ctx)));
  }
  if (m == Make::EP) {
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Vender_Item", zero_digits(g.WCOD_ITEM_BARRA, 14),
                             trim(left(g.WDESCR, 29)), plain_digits(g.WQUANTPRODU, 1000), 3, trim(item_unit(ctx)),
                             plain_digits(g.WVALOR, 100), 2, g.WSITUA, 1));
  }
  return no_such_make(ctx);
}

Answer CANC_ANTERIOR(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).cancel_last_item));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Cancelar_Ultimo_Item"));
  return no_such_make(ctx);
}

Answer CANC_GENERICO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  const Text item = zero_digits(ctx.g.WITEMGENERICO, 3);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).cancel_item, item));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Cancelar_Item", item));
  return no_such_make(ctx);
}

Answer CAN_CUPOM(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).cancel_receipt));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Cancelar_Cupom"));
  return no_such_make(ctx);
}

Answer INIC_FECHAMENTO(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).subtotal, g.WTIDESCACRES, g.WTIPODESCAC,
                             zero_digits(g.NDESC, 100, 12)));
  }
  if (m == Make::EP) {
    // The value with two decimals, the point and the blanks taken out.
    Text value = trim(runtime::str(g.NDESC, 20, 2));
    value.erase(std::remove(value.begin(), value.end(), '.'), value.end());
    // A percentage goes as a percentage: taken as an amount, 10 % would
    // come off as R$ 10,00.
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Desconto_Acrescimo_Subtotal", value, 2,
                             Logical{g.WTIDESCACRES == "D"}, Logical{trim(g.WTIPODESCAC) == "%"}));
  }
  return no_such_make(ctx);
}

Answer IMP_RODAPE(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).close_receipt, g.WDESCFORMA, g.WTIDESCACRES, g.WTIPODESCAC,
                             g.WVALDESC, zero_digits(g.WTOTALVALOR, 100, 14), g.WMES));
  }
  if (m == Make::EP) {
    // The footer lines go first; the receipt's outcome is the close's.
    call(ctx, kRunLibrary, "EPSON_Fiscal_Imprimir_Mensagem", trim(g.WLIN1), trim(g.WLIN2), trim(g.WLIN3),
         trim(g.WLIN4), trim(g.WLIN5), trim(g.WLIN6), trim(g.WLIN7), trim(g.WLIN8));
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Fechar_Cupom", Logical{true}, Logical{false}));
  }
  return no_such_make(ctx);
}

Answer IDENTIFICA_CLIENTE(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (m == Make::BE) return Answer::outcome(true);
  if (m == Make::DA || m == Make::SW) {
    return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).identify_consumer, g.V_NOME_CLIENTE, g.V_ENDERECO_CLIENTE,
                             g.V_CPFCNPJ_CLIENTE));
  }
  if (m == Make::EP) {
    const Text none;
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Dados_Consumidor", g.V_CPFCNPJ_CLIENTE, g.V_NOME_CLIENTE,
                             g.V_ENDERECO_CLIENTE, none, none));
  }
  return no_such_make(ctx);
}

Answer CARREGAR_MD5_NO_CUPOM(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::DA: {
      // The digest is only on the receipt when both messages are.
      if (!decoded(ctx, call(ctx, kRunLibrary, entries(ctx).app_message1, ctx.g.VMD5_ARQUIVOS)).ok)
        return Answer::outcome(false);
      return decoded(ctx, call(ctx, kRunLibrary, entries(ctx).app_message2, Text(".")));
    }
    case Make::BE:
      core::G_ERRO(ctx, "carrega md5 bema");
      return Answer::outcome(false);
    case Make::SW: return Answer::outcome(false);
    case Make::EP: return Answer::outcome(true);
    default: return no_such_make(ctx);
  }
}

}  // namespace zelto::ecf
