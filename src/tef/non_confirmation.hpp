#pragma once
// Telling the manager not to confirm a transaction: after a refusal of the
// printer or the operator, after a denial, and for a transaction found
// pending.

#include "core/context.hpp"
#include "tef/exchange.hpp"
#include "tef/requests.hpp"

namespace zelto::tef {

// CANC_TEF_CUPOM: "NCN" for the transaction `ref` names. When the manager
// acknowledges it, the operator is shown "Cancelada a Transacao" with its
// network, transaction number and amount, the copy of the pending
// transaction goes, WCANC_TEF becomes true and the result is true. When
// the operator stops waiting, the transaction stays pending and the result
// is false.
bool CANC_TEF_CUPOM(core::Ctx& ctx, const ManagerFolder& folder, const TransactionRef& ref);

// CANCELA_TEF: the same for the response of the exchange in progress.
bool CANCELA_TEF(core::Ctx& ctx, Exchange& exchange);

}  // namespace zelto::tef
