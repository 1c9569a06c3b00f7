#pragma once
// What the card payments need from the sales screen, which sits above them:
// the closing of the fiscal receipt once the card paid it, the way back to
// the choice of the payment form, and the screen's message lines. The sales
// screen puts its hooks in the run's services when it starts.

#include <functional>
#include <vector>

#include "core/context.hpp"

namespace zelto::tef {

struct SaleHooks {
  // IMP_LAYOUT: the footer printed and the fiscal receipt closed.
  std::function<bool(core::Ctx&)> close_receipt;
  // VOLTA_P_FORMA_PGTO: back to the choice of the payment form.
  std::function<void(core::Ctx&)> back_to_payment_form;
  // The manager's messages on the screen's three message lines (each
  // already led by three blanks; an empty list hides them). `administrative`:
  // the closing prompt shows instead of the closing labels.
  std::function<void(core::Ctx&, const std::vector<core::Text>&, bool administrative)> show_manager_messages;
  // After the exchange: the message lines hidden, and the closing labels
  // shown again (or, after administrative functions, the closing prompt
  // hidden).
  std::function<void(core::Ctx&, bool administrative)> exchange_ended;
};

// The hooks the sales screen put in, or ones that show the manager's
// messages on the message bar and know no receipt: a payment then cannot be
// closed on the printer and is not confirmed.
SaleHooks sale_hooks(core::Ctx& ctx);

}  // namespace zelto::tef
