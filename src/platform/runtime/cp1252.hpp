#pragma once
// The edge between the tables (Windows-1252 bytes, as other checkouts and
// the back office read them) and the screen, files and tests (UTF-8).

#include <string>
#include <string_view>

namespace zelto::runtime {

// Every byte becomes its character; the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the
// same number, so that the round trip keeps them.
std::string cp1252_to_utf8(std::string_view bytes);

// Characters outside Windows-1252 become '?'; malformed UTF-8 bytes too.
std::string utf8_to_cp1252(std::string_view utf8);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool fits_cp1252(std::string_view utf8);

}  // namespace zelto::runtime
