// The payments of a fiscal receipt: one command per form, each paying the
// amount of its form under the form's name as programmed in the printer.
// The name paid is kept in WDESCFORMA, which the close prints.

#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "ecf/tef_response.hpp"

namespace zelto::ecf {

namespace {

Answer pay(core::Ctx& ctx, const Text& description, const Decimal& amount) {
  ctx.g.WDESCFORMA = description;
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).pay, description, zero_digits(amount, 100, 14)));
  }
  if (m == Make::EP) {
    const Text none;
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Fiscal_Pagamento", description, plain_digits(amount, 100), 2,
                             none, none));
  }
  return no_such_make(ctx);
}

}  // namespace

bool tef_response_has_receipt_lines(core::Ctx& ctx) {
  const TefResponse* tef = ctx.services.find<TefResponse>();
  return tef && tef->POSSUI_029_CUPOM_TEF && tef->POSSUI_029_CUPOM_TEF(ctx);
}

Answer PG_DINHEIRO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTD, ctx.g.NPAGOD); }
Answer PG_CHEQUE(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTC, ctx.g.NPAGOC); }
Answer PG_TICKET(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTT, ctx.g.NPAGOT); }
Answer PG_CARTAO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTA, ctx.g.NPAGOA); }
Answer PG_CART_AVULSO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTR, ctx.g.NPAGOA); }
Answer PG_VISA_AVULSO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTV, ctx.g.NPAGOA); }
Answer PG_AMER_AVULSO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTM, ctx.g.NPAGOA); }
Answer PG_TECB_AVULSO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTE, ctx.g.NPAGOA); }
Answer PG_HIPE_AVULSO(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTI, ctx.g.NPAGOA); }
Answer PG_CH_CONSULTA(core::Ctx& ctx) { return pay(ctx, ctx.g.V_DPRESTH, ctx.g.NPAGOH); }

Answer PGCH_CON_TECBAN(core::Ctx& ctx) {
  return pay(ctx, tef_response_has_receipt_lines(ctx) ? ctx.g.V_DPRESTU : ctx.g.V_DPRESUC, ctx.g.NPAGOH);
}

}  // namespace zelto::ecf
