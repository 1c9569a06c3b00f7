#pragma once
// The expressions of the footer layouts and footer fields: a small language
// over the global settings, enough for a footer line. A term is a quoted
// text ("..." or '...'), a number, a setting by name, or one of the
// functions TRIM, ALLTRIM, LTRIM, RTRIM, UPPER, STR(n[,width[,decimals]]),
// DTOC(d) and TRANSFORM(n,"@E 999,999.99")-style money; terms join with +.
// A number shows with two decimals in the Brazilian form, a date as
// dd/mm/yyyy, a flag as "S" or "N".

#include <optional>
#include <string_view>

#include "core/globals.hpp"

namespace zelto::sales {

// The text of `expression`, or nothing when it names an unknown setting or
// does not parse.
std::optional<core::Text> eval_footer_expression(core::Globals& g, std::string_view expression);

}  // namespace zelto::sales
