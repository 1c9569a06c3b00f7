#pragma once
// The payment of a receipt once its form and amount are accepted: the
// start of the closing on the printer, the payment command or the card
// manager, the credit data, the footer with the printer's close and the
// recording.

#include "core/context.hpp"
#include "sales/payment_forms.hpp"

namespace zelto::sales {

// "INIC_FECHAMENTO" with the adjustment in WTIDESCACRES, WTIPODESCAC and
// NDESC, asked again while the operator says the printer should try again.
bool start_closing_on_printer(core::Ctx& ctx);

// The credit settings of the form's row copied into the credit state.
void copy_credit_settings(core::Globals& g, const PaymentForm& form);

// LE_VISTA_PRAZO: true when the credit data were accepted.
bool LE_VISTA_PRAZO(core::Ctx& ctx);

enum class PaymentEnd {
  Refused,    // nothing sent: back to the field
  Recorded,   // paid, closed and recorded
  NotClosed,  // paid, the close or the recording failed: the operator told
};

// A form paid by a printer command (all but the card forms) with NVALO.
PaymentEnd pay_by_printer(core::Ctx& ctx, const PaymentForm& form);
// A card or cheque-enquiry form through the card manager.
PaymentEnd pay_by_card(core::Ctx& ctx, const PaymentForm& form);

}  // namespace zelto::sales
