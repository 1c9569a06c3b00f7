#include "platform/runtime/cp1252.hpp"

#include <cstdint>

namespace zelto::runtime {
namespace {

// Code points of bytes 0x80-0x9F; the undefined ones map to themselves.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void put_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The Windows-1252 byte of a code point, or -1.
int to_byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 character at s[i]; returns the code point and advances i,
// or returns 0xFFFFFFFF for a malformed sequence (advancing by one byte).
char32_t next_utf8(std::string_view s, size_t& i) {
  auto b0 = static_cast<unsigned char>(s[i]);
  int len = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
  if (len == 0 || i + static_cast<size_t>(len) > s.size()) {
    ++i;
    return 0xFFFFFFFF;
  }
  char32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (int k = 1; k < len; ++k) {
    auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFFFFFF;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += static_cast<size_t>(len);
  return cp;
}

}  // namespace

std::string cp1252_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else if (b < 0xA0) {
      put_utf8(out, kHigh[b - 0x80]);
    } else {
      put_utf8(out, b);
    }
  }
  return out;
}

std::string utf8_to_cp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = next_utf8(utf8, i);
    int b = cp == 0xFFFFFFFF ? -1 : to_byte(cp);
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
  }
  return out;
}

bool fits_cp1252(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = next_utf8(utf8, i);
    if (cp == 0xFFFFFFFF || to_byte(cp) < 0) return false;
  }
  return true;
}

}  // namespace zelto::runtime
