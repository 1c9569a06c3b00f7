#pragma once
// What the text controls show: a value (text, number or date) turned into
// its caption through a display mask, and the caption split into lines.

#include <string>
#include <variant>
#include <vector>

#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::ui {

// Texts are Windows-1252 bytes, as the tables hold them.
using SayValue = std::variant<std::string, runtime::Decimal, runtime::Date>;

// Through the mask when one is given, else the value's plain text form
// (a number with its own decimals, a date as DD/MM/YYYY).
std::string caption_of(const SayValue& value, const std::string& mask);

// Lines at CR LF or LF, wrapped at 252 characters, trailing blanks removed.
std::vector<std::string> caption_lines(const std::string& caption);

}  // namespace zelto::ui
