#pragma once
// The operators' passwords as the operators table stores them, and the
// maker's service code of the day.

#include <string>
#include <string_view>

#include "platform/runtime/date.hpp"

namespace zelto::app {

// The stored form of a password: trimmed and upper case; then, in a cycle
// of three by position, the code of the 1st, 4th ... character plus 100,
// of the 2nd, 5th ... times 2, of the 3rd, 6th ... plus 3; blank-padded to 6.
// "AB" gives the bytes 165, 132 and four blanks.
std::string SCRAMBLE_PASSWORD(std::string_view password);

// True when the text can be a password: letters and digits of ASCII only
// (after upper-casing every scrambled byte stays below 256, and other
// programs reading the table get the same bytes).
bool password_chars_ok(std::string_view password);

// The six-digit code that lets the maker's service operator "ZEL" in on
// `day`: each digit of YYMMDD times its own factor, the units digit of each
// product in the same order.
std::string SERVICE_CODE(const runtime::Date& day);
// SENZEL: the password typed equals the service code of the day.
bool SENZEL(std::string_view password, const runtime::Date& today);

}  // namespace zelto::app
