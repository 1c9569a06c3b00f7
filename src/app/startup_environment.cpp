// The settings declared before the first screen, the environment of the
// run, and the payment state.

#include "app/startup.hpp"
#include "app/startup_settings.hpp"

namespace zelto::app {

void VAR_DEFINE_PUBLIC(core::Globals& g) {
  g.WQUANTPRODU = core::Decimal(1);
  g.WOK = false;
  g.CONT_ITEM = core::Decimal(0);
  g.WDESCIT = core::Decimal(0);
  g.NVALO = core::Decimal(0);
  g.VRETORIMPRE = false;
  g.VALIQUOTAS.clear();
  g.VPOUCOPAPEL = false;
  g.WECF_LIVRE = true;
  g.WCANC_TEF = false;
  g.WCANC_CUPOM = false;
  g.VTECLADO_TRAVADO = false;
  g.VALIAS.clear();
  g.VATIVAF2 = false;
  g.V_USARPGTO.assign(20, core::PaymentFormUse{});
}

void CONF_AMBIENTE(core::Ctx& ctx) {
  // Tables and index files resolve in the data folder itself.
  ctx.g.VDBF.clear();
  ctx.g.VNTX.clear();
  ctx.g.VTMP = "tmp\\";
  read_first_record(ctx, "m226", "M226", xbase::OpenMode::Shared,
                    [&](const SettingsRecord& general) { load_payment_form_use(ctx.g, general); });
}

void start_payment_state(core::Globals& g) {
  g.NPAGOD = g.NPAGOC = g.NPAGOT = g.NPAGOA = g.NPAGOH = core::Decimal(0);
  g.NFORM = "D";
  g.WDESCFORMA.clear();
  for (core::Text* card : {&g.WC_002, &g.WC_010, &g.WC_011, &g.WC_012, &g.WC_022, &g.WC_027}) card->clear();
  g.WVOLTARITENS = false;
}

}  // namespace zelto::app
