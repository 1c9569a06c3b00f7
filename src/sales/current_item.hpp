#pragma once
// The current-item texts of the sales window, set while an item code is
// checked: the description, "VALOR UNITARIO  " + the unit price, and
// "TOTAL " + the price times the quantity in force.

#include "core/context.hpp"

namespace zelto::sales {

// From the item IT stands on.
void show_current_item(core::Ctx& ctx);
void clear_current_item(core::Ctx& ctx);

}  // namespace zelto::sales
