#pragma once
// Every request to a manager carries a number of its own, the counter C781
// of the counters table NV, so that the checkout can tell the manager's
// answer to this request from a file left over from an earlier one.

#include "core/context.hpp"

namespace zelto::tef {

// The next number: C781 raised by one under the record lock (waiting for
// it as every change of the counters does); after 9999999999 comes 1.
runtime::Decimal next_request_number(core::Ctx& ctx);

// The number as the request writes it: digits without leading zeros.
core::Text request_number_text(const runtime::Decimal& number);

}  // namespace zelto::tef
