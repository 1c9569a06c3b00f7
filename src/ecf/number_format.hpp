#pragma once
// Numbers and dates as the makers' entries take them: always text.

#include "core/globals.hpp"

namespace zelto::ecf {

using core::Text;
using runtime::Date;
using runtime::Decimal;

// The value rounded to a whole number, with leading zeros to exactly
// `width` characters (asterisks when it does not fit, which the printer
// refuses).
Text zero_digits(const Decimal& value, int width);
// The value multiplied by `factor` first (cents: 100; thousandths: 1000).
Text zero_digits(const Decimal& value, int factor, int width);
// The value rounded to a whole number, no leading zeros or blanks.
Text plain_digits(const Decimal& value);
Text plain_digits(const Decimal& value, int factor);

// Dates: ddmmyy unless the entry asks otherwise. The empty date gives "".
Text ddmmyy(const Date& d);
Text ddmmyyyy(const Date& d);
Text dd_mm_yy(const Date& d);    // "dd/mm/yy"
Text dd_mm_yyyy(const Date& d);  // "dd/mm/yyyy"
Text yyyymmdd(const Date& d);

// An amount answered as digits, the last `decimals` of them decimals
// ("000000000123456", 2 is 1234.56); blanks and other characters read as
// the old runtime's VAL reads them.
Decimal amount_of(const Text& digits, int decimals);

}  // namespace zelto::ecf
