#pragma once
// The records of one sold line: the work table's line (IO), the receipt's
// running total (RO C130) and the sealed receipt line (PC). Written after
// the printer took the line.

#include "core/context.hpp"
#include "sales/anvisa_screen.hpp"
#include "sales/item_lookup.hpp"

namespace zelto::sales {

// Writes the line of `item` sold with the settings the sale left
// (WSEQUEITEM, WCODIGITEM, WDESCR, WVALOR, WQUANTPRODU, WSITUA, WDESCIT)
// into the open receipt. False, writing nothing, when the receipt's record
// in RO is not found.
bool record_sale_line(core::Ctx& ctx, const Item& item, const AnvisaData& anvisa);

}  // namespace zelto::sales
