#pragma once
// The card receipt: the manager's receipt lines printed twice, the first
// copy to be torn off for the customer, on the non-fiscal receipt linked to
// the payment; a printer that fails on the way prints the whole of it again
// in a management report.

#include "core/context.hpp"
#include "tef/exchange.hpp"

namespace zelto::tef {

// True when both copies printed and the receipt or report was closed.
// Operator input is held meanwhile; each failure asks "Impressora Nao
// Responde, Tentar Novamente".
bool print_card_receipt(core::Ctx& ctx, const Exchange& exchange);

}  // namespace zelto::tef
