#pragma once
// The keyless byte scrambling of record seals and of the fingerprint file.
// Other checkouts and the back office scramble the same way, so every byte
// of it is part of the format: byte i of a text of n bytes is combined by
// exclusive-or with n modulo 256 and then rotated left within its 8 bits by
// i modulo 8 places. "abc" scrambles to the bytes 62 C2 81.

#include <string>
#include <string_view>

namespace zelto::store {

// The scrambled text, as long as the text; "" stays "".
std::string ENCRYPT(std::string_view text);
// The inverse: rotate right, then the same exclusive-or.
std::string DECRYPT(std::string_view scrambled);

}  // namespace zelto::store
