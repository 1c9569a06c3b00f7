#pragma once
// The transaction confirmed to its manager once the receipt is closed and
// the card receipt printed.

#include "core/context.hpp"
#include "tef/exchange.hpp"

namespace zelto::tef {

// CNF_CONFIRMACAO: "CNF" with the response's document, network, transaction
// number and control code. When the manager acknowledges it, WC_002,
// WC_010, WC_011, WC_012, WC_022 and WC_027 take the response's fields for
// the recording of the receipt, the copy of the pending transaction goes,
// and the result is true. When the operator stops waiting the transaction
// is left pending.
bool CNF_CONFIRMACAO(core::Ctx& ctx, Exchange& exchange);

}  // namespace zelto::tef
