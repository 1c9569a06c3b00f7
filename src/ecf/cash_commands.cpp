// The drawer, cash withdrawals and supplies, the management report and the
// non-fiscal receipt linked to a card or cheque payment.

#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

Answer GAVETA(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).open_drawer));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Impressora_Abrir_Gaveta"));
  return no_such_make(ctx, StopText::NotLocated, Monitor::NoCommand);
}

Answer SANGRIA(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  const Text amount = zero_digits(g.WVALORMOVIM, 100, 14);
  const bool withdrawal = g.WA == "S";
  if (classic(m)) {
    const ClassicEntries& e = classic_entries(m);
    if (withdrawal) return decoded(ctx, call(ctx, kRunLibrary, e.withdrawal, amount));
    return decoded(ctx, call(ctx, kRunLibrary, e.supply, amount, g.WFORMASUPRIMENTO));
  }
  if (m == Make::EP) {
    if (withdrawal) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Sangria", amount, 0));
    const Text none;
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Pagamento", amount, g.WFORMASUPRIMENTO, 0, none, none));
  }
  return no_such_make(ctx, StopText::NotLocated, Monitor::NoCommand);
}

Answer ABRE_N_FISCAL(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).report_text, ctx.g.WTEXTO_TODO));
  if (m == Make::EP) {
    // The report may be open already (one call a line): the outcome is the
    // line's.
    call(ctx, kRunLibrary, "EPSON_NaoFiscal_Abrir_Relatorio_Gerencial", Text("1"));
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Imprimir_LinhaEX", ctx.g.WTEXTO_TODO));
  }
  return no_such_make(ctx, StopText::NotLocated, Monitor::NoCommand);
}

Answer FECHA_N_FISCAL(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).close_report));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Fechar_Relatorio_Gerencial"));
  return no_such_make(ctx, StopText::NotLocated, Monitor::NoCommand);
}

Answer ABRIR_RESPOSTA(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (!classic(m) && m != Make::EP) return no_such_make(ctx, StopText::NotFound, Monitor::NoCommand);
  // The payment the slip belongs to, by the kind of card operation.
  const Text kind = runtime::trim(g.WPARA1);
  Text description;
  Decimal amount;
  if (kind == "CRT") {
    description = g.V_DPRESTA;
    amount = g.NPAGOA;
  } else if (kind == "CHQ") {
    description = g.V_DPRESTH;
    amount = g.NPAGOH;
  } else if (kind == "CHB") {
    description = g.V_DPRESTU;
    amount = g.NPAGOH;
  } else {
    return Answer::outcome(true);
  }
  g.WDESCFORMA = description;
  if (classic(m)) {
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).open_linked, description,
                             zero_digits(amount, 100, 14), zero_digits(g.WAUXNUM, 6)));
  }
  return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Abrir_CCD", description, plain_digits(amount, 100), 2,
                           Text("1")));
}

Answer LINHA_RESPOSTA(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).linked_text, ctx.g.WTEXTO_TODO));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Imprimir_Linha", ctx.g.WTEXTO_TODO));
  return no_such_make(ctx, StopText::NotFound, Monitor::NoCommand);
}

Answer FECHA_RESPOSTA(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).close_linked));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_NaoFiscal_Fechar_CCD", Logical{true}));
  return no_such_make(ctx, StopText::NotFound, Monitor::NoCommand);
}

}  // namespace zelto::ecf
