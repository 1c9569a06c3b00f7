#include "platform/runtime/text.hpp"

namespace zelto::runtime {

bool prefix_equal(std::string_view value, std::string_view rhs) {
  return value.size() >= rhs.size() && value.compare(0, rhs.size(), rhs) == 0;
}

std::string trim(std::string_view s) { return ltrim(rtrim(s)); }

std::string rtrim(std::string_view s) {
  size_t end = s.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(s.substr(0, end + 1));
}

std::string ltrim(std::string_view s) {
  size_t start = s.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : std::string(s.substr(start));
}

std::string padr(std::string_view s, size_t width, char fill) {
  if (s.size() >= width) return std::string(s.substr(0, width));
  return std::string(s) + std::string(width - s.size(), fill);
}

std::string padl(std::string_view s, size_t width, char fill) {
  if (s.size() >= width) return std::string(s.substr(0, width));
  return std::string(width - s.size(), fill) + std::string(s);
}

std::string padc(std::string_view s, size_t width, char fill) {
  if (s.size() >= width) return std::string(s.substr(0, width));
  size_t before = (width - s.size()) / 2;
  return std::string(before, fill) + std::string(s) + std::string(width - s.size() - before, fill);
}

std::string substr(std::string_view s, long start, long count) {
  if (start < 1) start = 1;
  if (static_cast<size_t>(start) > s.size()) return {};
  std::string_view rest = s.substr(static_cast<size_t>(start - 1));
  if (count < 0) return std::string(rest);
  return std::string(rest.substr(0, static_cast<size_t>(count)));
}

std::string left(std::string_view s, long count) {
  if (count <= 0) return {};
  return std::string(s.substr(0, static_cast<size_t>(count)));
}

std::string right(std::string_view s, long count) {
  if (count <= 0) return {};
  if (static_cast<size_t>(count) >= s.size()) return std::string(s);
  return std::string(s.substr(s.size() - static_cast<size_t>(count)));
}

char upper_1252_char(char ch) {
  auto c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
  // Windows-1252: à..þ (0xE0-0xFE, but not ÷ 0xF7) map to 0xC0-0xDE;
  // š œ ž ÿ have their capitals elsewhere.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 32);
  switch (c) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return ch;
  }
}

std::string upper_1252(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = upper_1252_char(c);
  return out;
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

}  // namespace zelto::runtime
