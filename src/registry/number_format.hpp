#pragma once
// Numbers and digits as the registration screens show and keep them.

#include <string_view>

#include "core/globals.hpp"
#include "registry/entry_field.hpp"

namespace zelto::registry {

// STR(number, width, decimals) with "." between thousands and "," before
// the decimals when VMILHAR holds (1234.5, 12, 2 gives "1.234,50"), the
// plain STR otherwise; trimmed either way.
Text STRTR(const core::Globals& g, const runtime::Decimal& number, int width, int decimals = 0);

// The characters of `text` that `kind` takes ("N": its digits; any other
// kind: none), cut to `length`, or padded to it with `fill` on the right
// (side "D") or on the left (side "E"); any other side leaves them short.
Text G_SO_NRO(std::string_view text, int length, std::string_view kind, char fill = ' ', std::string_view side = "");

}  // namespace zelto::registry
