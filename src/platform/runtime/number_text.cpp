#include "platform/runtime/number_text.hpp"

namespace zelto::runtime {

std::string str(const Decimal& n, int width, int decimals) {
  if (width <= 0) return {};
  std::string plain = n.round(decimals).to_string();
  if (static_cast<int>(plain.size()) > width) return std::string(static_cast<size_t>(width), '*');
  return std::string(static_cast<size_t>(width) - plain.size(), ' ') + plain;
}

std::string str(const Decimal& n) { return str(n, 16, 5); }

std::string strzero(const Decimal& n, int width, int decimals) {
  std::string s = str(n, width, decimals);
  if (!s.empty() && s.front() == '*') return s;
  size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return s;
  bool negative = s[first] == '-';
  std::string body = s.substr(first + (negative ? 1 : 0));
  std::string zeros(static_cast<size_t>(width) - body.size() - (negative ? 1 : 0), '0');
  return (negative ? "-" : "") + zeros + body;
}

std::string digits(const Decimal& n, int width, int decimals) {
  // One more position for the point that is then removed.
  std::string s = strzero(n, width + (decimals > 0 ? 1 : 0), decimals);
  if (!s.empty() && s.front() == '*') return std::string(static_cast<size_t>(width), '*');
  if (decimals > 0) s.erase(s.size() - static_cast<size_t>(decimals) - 1, 1);
  return s;
}

std::string brl(const Decimal& n, int width, int decimals) {
  std::string s = str(n, width, decimals);
  size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos || s[first] == '*') return s;
  s = s.substr(first);
  bool negative = s.front() == '-';
  if (negative) s.erase(0, 1);
  std::string integer = s, fraction;
  if (size_t dot = s.find('.'); dot != std::string::npos) {
    integer = s.substr(0, dot);
    fraction = s.substr(dot + 1);
  }
  std::string grouped;
  int count = 0;
  for (auto it = integer.rbegin(); it != integer.rend(); ++it) {
    if (count > 0 && count % 3 == 0) grouped.insert(grouped.begin(), '.');
    grouped.insert(grouped.begin(), *it);
    ++count;
  }
  std::string out = (negative ? "-" : "") + grouped;
  if (decimals > 0) out += "," + fraction;
  return out;
}

}  // namespace zelto::runtime
