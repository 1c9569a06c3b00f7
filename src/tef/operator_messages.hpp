#pragma once
// The manager's messages for the operator (030-000, 030-001 ...) after a
// response.

#include "core/context.hpp"
#include "tef/exchange.hpp"

namespace zelto::tef {

// Whether the response says the transaction was carried out: receipt lines
// counted in 028-000 (a consulted cheque always is).
bool carried_out(const Exchange& exchange);

// Shows the messages: the first three on the sales screen's message lines
// for up to three seconds, or, when the transaction was not carried out,
// the first one as an error.
void show_manager_messages(core::Ctx& ctx, const Exchange& exchange);

}  // namespace zelto::tef
