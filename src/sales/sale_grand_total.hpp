#pragma once
// The printer's grand total kept in the fingerprint file after every line
// the printer took, so that the next receipt's opening finds them equal.

#include "core/context.hpp"

namespace zelto::sales {

// Asks the printer for its grand total and stores it in the fingerprint
// file; the file list's digest and the serial stay as stored. False, after
// the printer layer's or the file's message, when either failed.
bool store_sale_grand_total(core::Ctx& ctx);

}  // namespace zelto::sales
