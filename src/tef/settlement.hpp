#pragma once
// Telling the manager the end of a transaction: "CNF" confirms it, "NCN"
// tells it not to confirm it. The request is written and the checkout
// waits for the manager's status acknowledging it; each VSEGUNDOS_TEF
// seconds without one the operator chooses to go on waiting (the request is
// written again) or to leave the transaction pending.

#include <string_view>

#include "core/context.hpp"
#include "tef/manager_folder.hpp"
#include "tef/requests.hpp"

namespace zelto::tef {

struct SettlementWait {
  std::string_view operation;  // "CNF" or "NCN"
  std::string_view waiting;    // the message bar's text before the counter
  std::string_view keep_waiting;  // the operator's question
};

// True when the manager acknowledged it: a status with this request's
// number, the operation at the start of 000-000 and "999-999 = 0". False
// when the operator stopped waiting: the request is taken back.
// `counter` counts the passes shown on the message bar.
bool settle(core::Ctx& ctx, const ManagerFolder& folder, const SettlementWait& wait, const TransactionRef& ref,
            runtime::Decimal& counter);

}  // namespace zelto::tef
