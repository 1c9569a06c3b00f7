#pragma once
// Texts as the printer handles them: Windows-1252 bytes inside (one byte is
// one printed column), UTF-8 in the files people read, fixed-width digits and
// amounts in the answers, and Brazilian amounts on paper.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::ecfsim {

using Cents = std::int64_t;  // every amount, in cents
using Milli = std::int64_t;  // quantities and unit prices, in thousandths

std::string to_utf8(std::string_view cp1252);
// Characters Windows-1252 lacks become '?'.
std::string to_cp1252(std::string_view utf8);

std::string trim(std::string_view s);
std::string upper(std::string_view s);
bool same_name(std::string_view a, std::string_view b);  // trimmed, ASCII case ignored

std::string pad_right(std::string_view s, std::size_t width);  // cut or blank-filled
std::string pad_left(std::string_view s, std::size_t width);
// The value's digits, zero-filled to `width`; a value too wide keeps its
// rightmost digits, as a counter that turns over. Negatives count as zero.
std::string digits(std::int64_t value, std::size_t width);

// A text of digits only, blanks around it allowed; nothing for anything else
// or for more digits than `max_digits`.
std::optional<std::int64_t> parse_digits(std::string_view text, std::size_t max_digits = 18);
// "12.50", "12,5", "0012.5000": a decimal number scaled to `decimals`
// places (rounded half up beyond them). Digits alone count as a whole number.
std::optional<std::int64_t> parse_decimal(std::string_view text, int decimals);

// "1.234,56"; negative amounts carry a leading '-'.
std::string money(Cents amount);
// Percentages and rates in hundredths: 1800 -> "18,00".
std::string hundredths(std::int64_t value);
// Quantities in thousandths: 1500 -> "1,500".
std::string thousandths(std::int64_t value);

// Multiplies two thousandths values and brings the result to cents,
// rounding half up or cutting.
Cents times_to_cents(Milli price, Milli quantity, bool truncate);
// `amount` x `hundredths_of_percent` / 10000 in cents, rounded or cut.
Cents percent_of(Cents amount, std::int64_t hundredths_of_percent, bool truncate);

// One printed line of `width` columns: `left`, blanks, `right`.
std::string left_right(std::string_view left, std::string_view right, std::size_t width);
std::string centred(std::string_view s, std::size_t width);
// Printed lines of a text: a line break (CR, LF or CR LF) ends a line, and a
// line longer than `width` continues on the next. Trailing blanks go.
std::vector<std::string> lines_of(std::string_view text, std::size_t width);

}  // namespace zelto::ecfsim
