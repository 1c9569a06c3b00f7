#pragma once
// The barcode check of the item-code field (W_CBARVEN): " " or "N" none,
// "S" a wrong barcode is refused, "P" the operator is asked.

#include "core/context.hpp"

namespace zelto::sales {

// Whether a typed code counts as a valid barcode. Codes of up to 8 digits
// are item codes or short barcodes and are not judged; a longer code (a
// 12-digit UPC, a 13-digit EAN, a 14-digit GTIN) must carry its check
// digit: the digits before it weighted 3, 1, 3 ... from the right.
bool G_EAN13(const core::Decimal& code);

// The check for the mode in force; true when the entry may go on. A wrong
// barcode shows the item it leads to, if any, in the current-item texts
// first.
bool barcode_accepted(core::Ctx& ctx, const core::Decimal& code);

}  // namespace zelto::sales
