#pragma once
// One exchange with a payment manager.

#include <string_view>

#include "core/context.hpp"

namespace zelto::tef {

// GER_PADRAO: runs one exchange with `manager` ("PAD", "TEC", "HIP"; any
// other code is "PAD") and returns true when it ended well: for "ATV" the
// manager is active, for "CRT", "CHQ", "CHB" the payment was registered on
// the receipt, the receipt closed (WFECHOU_CUPOM), the card receipt printed
// and the transaction confirmed, for "ADM" the functions' report printed and
// confirmed. `mode` 1 (for "ATV") shows whether the manager is active; 0
// stands for none.
//
// The card amount is NPAGOA, the cheque amount NPAGOH and the receipt's COO
// WAUXNUM, set by the caller. A transaction the manager still has pending
// is told not to be confirmed before a new one starts.
bool GER_PADRAO(core::Ctx& ctx, std::string_view operation, int mode, std::string_view manager);

// The operation and manager of a payment form letter NFORMA of a card or a
// consulted cheque: "U" CHB at "TEC", "H" CHQ at the default, "B" CRT at
// "TEC", "P" CRT at "HIP", any other CRT at the default.
struct CardRoute {
  std::string_view operation;
  std::string_view manager;
};
CardRoute card_route(std::string_view form_letter);

}  // namespace zelto::tef
