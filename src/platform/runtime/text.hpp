#pragma once
// Text helpers with the old runtime's meanings. Texts are byte strings; in
// the tables and in the system's logic they hold Windows-1252 bytes.

#include <string>
#include <string_view>

namespace zelto::runtime {

// The `=` of the system's conditions: true when `value` begins with `rhs`
// (an empty `rhs` matches anything). "ZELTO" = "ZEL" holds; "ZE" = "ZEL" does not.
bool prefix_equal(std::string_view value, std::string_view rhs);
// The `==` of the system's conditions: byte-for-byte equal, blanks included.
inline bool exact_equal(std::string_view a, std::string_view b) { return a == b; }

std::string trim(std::string_view s);    // both sides (ALLTRIM)
std::string rtrim(std::string_view s);   // trailing blanks (TRIM)
std::string ltrim(std::string_view s);   // leading blanks

// Padding and cutting to an exact width (PADR, PADL, PADC).
std::string padr(std::string_view s, size_t width, char fill = ' ');
std::string padl(std::string_view s, size_t width, char fill = ' ');
std::string padc(std::string_view s, size_t width, char fill = ' ');

// 1-based SUBSTR; a start past the end gives "".
std::string substr(std::string_view s, long start, long count = -1);
std::string left(std::string_view s, long count);
std::string right(std::string_view s, long count);

// UPPER and LOWER of the old runtime: ASCII letters only, so that index
// keys built here and by the other xBase programs agree byte for byte.
std::string upper(std::string_view s);
std::string lower(std::string_view s);
// Upper case for Windows-1252 text typed by people ("@!" fields): accented
// letters too (ç -> Ç).
std::string upper_1252(std::string_view s);
char upper_1252_char(char c);

}  // namespace zelto::runtime
