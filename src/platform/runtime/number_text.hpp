#pragma once
// Numbers turned into text the ways the screens, tables and files need.

#include <string>

#include "platform/runtime/decimal.hpp"

namespace zelto::runtime {

// Right-aligned in `width` with `decimals` places, rounded half away from
// zero ("   12.50"). A value that does not fit gives `width` asterisks.
std::string str(const Decimal& n, int width, int decimals = 0);

// A number turned into text without a width: ten integer positions and
// five decimals, as the old runtime did for computed values.
std::string str(const Decimal& n);

// As str, with leading zeros in place of blanks ("00012.50", "-0012").
std::string strzero(const Decimal& n, int width, int decimals = 0);

// Zero-padded digits with the decimal point removed, the form the fiscal
// files and the printer use: digits(12.5, 8, 2) is "00001250". A negative
// value keeps its sign in front ("-0001250"). Asterisks when it does not fit.
std::string digits(const Decimal& n, int width, int decimals);

// Brazilian form with thousands dots and a decimal comma, trimmed:
// brl(1234.5, 12, 2) is "1.234,50", brl(-123, 12, 2) is "-123,00".
// The width bounds the plain STR form first, as the old routine did;
// asterisks come back unchanged when the value does not fit.
std::string brl(const Decimal& n, int width, int decimals);
inline std::string brl(const Decimal& n, int decimals = 2) { return brl(n, 30, decimals); }

}  // namespace zelto::runtime
