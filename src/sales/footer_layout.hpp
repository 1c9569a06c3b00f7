#pragma once
// The footer of a receipt composed from a footer layout (TO, its entries in
// LT, the named footer fields in AM) into the eight footer lines WLIN1 to
// WLIN8 and the message WMES the printer's close prints.

#include "core/context.hpp"

namespace zelto::sales {

// `line` with `text` placed at 0-based column `column`: the line's first
// `column` characters, the text, then the line's characters after the
// text's span up to `width`. A column past the line's end appends the text.
core::Text place_footer_text(const core::Text& line, int column, const core::Text& text, int width);

// Fills WLIN1..WLIN8 and WMES from the layout W_LAYOUT. An entry on a line
// outside 1 to 8 is told and skipped; a footer field AM does not hold is
// told and ends the composition with the lines composed so far.
void compose_footer(core::Ctx& ctx);

}  // namespace zelto::sales
