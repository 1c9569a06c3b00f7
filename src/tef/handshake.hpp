#pragma once
// Handing a request over: the request is written, and the manager has
// VSEGUNDOS_TEF seconds (less the first) to show with its status file that
// it took it.

#include <string_view>

#include "core/context.hpp"
#include "tef/exchange.hpp"

namespace zelto::tef {

// Writes the request ("req\IntPos.tmp", renamed to "req\IntPos.001") and
// waits for the status: true when the manager answered with exactly the
// operation, the request number and "999-999 = 0". Sets WGEREN_ATIVO.
bool hand_over(core::Ctx& ctx, Exchange& exchange, std::string_view request);

// A status file of the first request: true when it is exactly right. A
// wrong operation or number is shown to the operator.
bool status_is_right(core::Ctx& ctx, const Exchange& exchange, const ExchangeFile& status);

}  // namespace zelto::tef
