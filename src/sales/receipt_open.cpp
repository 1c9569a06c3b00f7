#include "sales/receipt_open.hpp"

#include "app/startup_record.hpp"
#include "cash/cash_period.hpp"
#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/grand_total_check.hpp"
#include "sales/item_lookup.hpp"
#include "sales/sales_keys.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Text;
using runtime::trim;

// The consumer, the credit data and the client screen's switches start
// afresh with every receipt.
void reset_receipt_client(Ctx& ctx) {
  core::Globals& g = ctx.g;
  g.V_NOME_CLIENTE.clear();
  g.V_ENDERECO_CLIENTE.clear();
  g.V_CPFCNPJ_CLIENTE.clear();
  g.W_VISTA = " ";
  const app::SettingsRecord conf = app::first_record(ctx, "CO");
  g.W_TRANSP = conf.is("TRANSPORTA", "S") ? "S" : "N";
  g.W_OBSERV = conf.is("OBSERVACAO", "S") ? "S" : "N";
  g.WCOL = conf.number("C124");
  g.W_TIPODOCUM = "  ";
  g.W_NUMEVENCI = core::Decimal(0);
  g.W_DATAVENCI = core::Date();
}

// The receipt's client: the client screen when the configuration asks for
// it, else the default client, which must be registered.
bool choose_client(Ctx& ctx) {
  core::Globals& g = ctx.g;
  // The client screen comes with the closing screens; until then the
  // receipt goes to the default client, as it does for "A".
  if (g.WIMP_CLI == "S" || g.WIMP_CLI == "A") not_in_this_version(ctx, "LE_CLIENTE");
  g.WCODIGCLIEN = g.WCLIENTEPAD;
  const Text code = runtime::strzero(g.WCODIGCLIEN, 6);
  xbase::Table& cl = ctx.db.area("CL");
  cl.set_order(1);
  if (!cl.seek(code)) {
    core::G_ERRO(ctx, "Cliente nao encontrado !!! \"" + code + "\"");
    return false;
  }
  return true;
}

// The period found at the start may have been closed since, or have ended:
// the present moment must lie within the operator's one open period.
bool cash_period_holds_now(Ctx& ctx) {
  core::Globals& g = ctx.g;
  const Text account = g.WCODIGCONTA;
  g.WCODIGCONTA = g.WCAIXACODIG;
  const bool holds = cash::G_CAICO1(ctx);
  g.WCODIGCONTA = account;
  return holds;
}

bool checks_and_opening(Ctx& ctx) {
  core::Globals& g = ctx.g;
  if (trim(g.WABERTCAIXA).empty()) {
    core::G_ERRO(ctx, "Nao Existe nenhum caixa de usuario aberto");
    return false;
  }
  if (!cash_period_holds_now(ctx)) return false;
  if (!ecf::IMP_FISCAL(ctx, "STATUS1").ok) return false;
  // A Z that cannot be asked about is no better than one made.
  const ecf::Answer z_done = ecf::IMP_FISCAL(ctx, "JA_REDUCAO_Z");
  if (!z_done.ok || z_done.yes) return false;
  if (!seek_open_day(ctx)) {
    core::G_ERRO(ctx, " -- A T E N C A O    O ECF Esta Fechado   Faca a Sua Abertura.");
    return false;
  }
  reset_receipt_client(ctx);
  if (!choose_client(ctx)) return false;
  if (check_fingerprint(ctx) != FingerprintVerdict::Pass) return false;
  if (!ecf::IMP_FISCAL(ctx, "ABRIR_CUPOM").ok) return false;
  // Its numbers are read next; until they are, no line may go into it.
  g.WCUPOM_SEM_NUMERO = true;
  return true;
}

}  // namespace

bool seek_open_day(Ctx& ctx) {
  xbase::Table& pd = ctx.db.area("PD");
  pd.set_order(1);
  return pd.seek(ctx.clock.now().date.dtos() + "A") && pd.text("SITUACAO") == "A";
}

bool ABRE_CUPOM(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  w.set_text(names::kBanner, kOpeningText);
  const bool opened = checks_and_opening(ctx);
  ctx.db.area("IT").set_order(kActiveBarcodeOrder);
  if (!opened) {
    w.set_text(names::kBanner, kFreeText);
    if (!ctx.run.end_requested) focus_item_code(ctx);
  }
  return opened;
}

}  // namespace zelto::sales
