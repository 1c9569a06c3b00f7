#pragma once
// Waiting for the manager's response once it took the request: the customer
// is at the card reader meanwhile, so the wait is long, but never endless:
// every kResponsePatience the operator chooses whether to go on waiting.

#include "core/context.hpp"
#include "tef/exchange.hpp"

namespace zelto::tef {

// True when "resp\IntPos.001" arrived with the request's number: it is in
// `exchange.response`, the request is gone and the copy kept while the
// transaction is pending ("IntPos.Tmp") is the response. A response with
// another number is taken away and the wait goes on. False when the
// operator stopped waiting (the transaction is left pending).
bool wait_for_response(core::Ctx& ctx, Exchange& exchange);

}  // namespace zelto::tef
