#pragma once
// What the printer layer asks of the card-payment exchange, which builds on
// it: whether the response in hand carries receipt lines. The exchange puts
// its answer into the run's services; without it there are none.

#include <functional>

#include "core/context.hpp"

namespace zelto::ecf {

struct TefResponse {
  // POSSUI_029_CUPOM_TEF: true when the response has receipt lines.
  std::function<bool(core::Ctx&)> POSSUI_029_CUPOM_TEF;
};

bool tef_response_has_receipt_lines(core::Ctx& ctx);

}  // namespace zelto::ecf
