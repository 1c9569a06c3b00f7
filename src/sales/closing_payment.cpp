#include "sales/closing_payment.hpp"

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/text.hpp"
#include "sales/closing_adjustment.hpp"
#include "sales/instalments.hpp"
#include "sales/sale_messages.hpp"
#include "tef/ger_padrao.hpp"

#ifdef ZELTO_WITH_RECORDING
#include "sales/receipt_close.hpp"
#endif

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Text;

Text text_setting(core::Globals& g, const std::string& name, const Text& otherwise) {
  if (auto ref = g.find(name))
    if (Text* const* t = std::get_if<Text*>(&*ref)) return **t;
  return otherwise;
}

Decimal number_setting(core::Globals& g, const std::string& name) {
  if (auto ref = g.find(name))
    if (Decimal* const* d = std::get_if<Decimal*>(&*ref)) return **d;
  return Decimal(0);
}

// The footer and the printer's close, then the recording.
bool close_and_record(Ctx& ctx, char letter) {
#ifdef ZELTO_WITH_RECORDING
  if (!IMP_LAYOUT(ctx)) return false;
  GR_CUPOM(ctx, letter);
  return true;
#else
  (void)letter;
  // Without the recording built in, the printer's close alone.
  while (!ecf::IMP_FISCAL(ctx, "IMP_RODAPE").ok)
    if (!core::G_CONF(ctx, messages::kRetryPrinting)) return false;
  return true;
#endif
}

}  // namespace

bool start_closing_on_printer(Ctx& ctx) {
  while (!ecf::IMP_FISCAL(ctx, "INIC_FECHAMENTO").ok)
    if (!core::G_CONF(ctx, messages::kRetryPrinting)) return false;
  return true;
}

void copy_credit_settings(core::Globals& g, const PaymentForm& form) {
  const std::string l(1, form.credit_row);
  g.W_NTIPDOCU = text_setting(g, "V_TIDOC" + l, "  ");
  g.W_LEVISTA = runtime::trim(text_setting(g, "V_PREST" + l, "N")) == "S" ? "S" : "N";
  g.W_NLEPRES = runtime::trim(text_setting(g, "V_LEPRE" + l, "N")) == "S" ? "S" : "N";
  g.W_NPRESTA = number_setting(g, "V_NUPRE" + l);
  const Text cash_or_credit = runtime::trim(text_setting(g, "V_VIPRA" + l, ""));
  if (runtime::trim(g.W_VISTA).empty() && (cash_or_credit == "V" || cash_or_credit == "P")) g.W_VISTA = cash_or_credit;
  const bool card_like = form.letter == 'V' || form.letter == 'M' || form.letter == 'E' || form.letter == 'I';
  g.W_LENRMES = card_like && runtime::trim(text_setting(g, "V_LENRP" + l, "N")) == "S" ? "S" : "N";
  g.W_NROMESP = card_like ? number_setting(g, "V_PMAXP" + l) : Decimal(0);
  g.W_LEMESEP = card_like ? text_setting(g, "V_DIPRP" + l, "S") : Text("S");
  g.W_NENTRADA = Decimal(0);
}

bool LE_VISTA_PRAZO(Ctx& ctx) {
  core::Globals& g = ctx.g;
  if (g.W_LEVISTA != "S" && g.W_LENRMES != "S" && g.W_NLEPRES != "S") {
    ctx.db.area("P2").zap();
    if (g.W_VISTA != "V" && g.W_NPRESTA > Decimal(0)) GERA_PRESTACOES(ctx);
    return true;
  }
  // The credit dialog is not in this version: the form's settings stand.
  ctx.db.area("P2").zap();
  if (g.W_VISTA != "V" && g.W_NPRESTA > Decimal(0)) GERA_PRESTACOES(ctx);
  return true;
}

PaymentEnd pay_by_printer(Ctx& ctx, const PaymentForm& form) {
  core::Globals& g = ctx.g;
  if (form.letter == 'D' && g.WPAR17 == "D") {
    // The cash closing has not begun on the printer yet: no adjustment.
    set_printer_adjustment(g, adjustment_mode("DV"), 'D', Decimal(0));
    if (!start_closing_on_printer(ctx)) return PaymentEnd::Refused;
  }
  g.*form.amount = g.NVALO;
  g.WDESCFORMA = g.VDESCRMEIO = g.*form.ecf_name;
  g.WVALDESC = adjustment_value_text(g.WTIPODESCAC, g.NDESC);
  while (!ecf::IMP_FISCAL(ctx, form.command).ok)
    if (!core::G_CONF(ctx, messages::kRetryPrinting)) return PaymentEnd::Refused;
  g.WOK = true;
  return close_and_record(ctx, form.letter) ? PaymentEnd::Recorded : PaymentEnd::NotClosed;
}

PaymentEnd pay_by_card(Ctx& ctx, const PaymentForm& form) {
  core::Globals& g = ctx.g;
  g.NVALO = g.WTOTALVALOR;
  g.*form.amount = g.WTOTALVALOR;
  g.WDESCFORMA = g.VDESCRMEIO = g.*form.ecf_name;
  g.WVALDESC = adjustment_value_text(g.WTIPODESCAC, g.NDESC);
  g.WFECHOU_CUPOM = false;
  if (tef::GER_PADRAO(ctx, form.tef_operation, 0, form.tef_manager)) {
    g.WOK = true;
#ifdef ZELTO_WITH_RECORDING
    GR_CUPOM(ctx, form.letter);
#endif
    return PaymentEnd::Recorded;
  }
  return g.WFECHOU_CUPOM ? PaymentEnd::NotClosed : PaymentEnd::Refused;
}

}  // namespace zelto::sales
