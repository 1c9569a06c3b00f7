#include "ecf/core/text.hpp"

#include <algorithm>
#include <array>
#include <cctype>

namespace zelto::ecfsim {

namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 where the code page has none.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void put_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::int64_t scale_down(std::int64_t value, std::int64_t divisor, bool truncate) {
  std::int64_t q = value / divisor;
  if (!truncate && (value % divisor) * 2 >= divisor) ++q;
  return q;
}

}  // namespace

std::string to_utf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (unsigned char c : cp1252) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0xA0) {
      char32_t cp = kHigh[c - 0x80];
      put_utf8(out, cp == 0 ? U'?' : cp);
    } else {
      put_utf8(out, c);
    }
  }
  return out;
}

std::string to_cp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    std::size_t len;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      len = 3;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      len = 4;
    } else {
      out += '?';
      ++i;
      continue;
    }
    if (i + len > utf8.size()) {
      out += '?';
      break;
    }
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    auto it = std::find(kHigh.begin(), kHigh.end(), cp);
    out += it == kHigh.end() ? '?' : static_cast<char>(0x80 + (it - kHigh.begin()));
  }
  return out;
}

std::string trim(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; };
  std::size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool same_name(std::string_view a, std::string_view b) { return upper(trim(a)) == upper(trim(b)); }

std::string pad_right(std::string_view s, std::size_t width) {
  std::string out(s.substr(0, std::min(s.size(), width)));
  out.resize(width, ' ');
  return out;
}

std::string pad_left(std::string_view s, std::size_t width) {
  if (s.size() >= width) return std::string(s.substr(s.size() - width));
  return std::string(width - s.size(), ' ') + std::string(s);
}

std::string digits(std::int64_t value, std::size_t width) {
  std::string d = std::to_string(std::max<std::int64_t>(value, 0));
  if (d.size() > width) return d.substr(d.size() - width);
  return std::string(width - d.size(), '0') + d;
}

std::optional<std::int64_t> parse_digits(std::string_view text, std::size_t max_digits) {
  std::string t = trim(text);
  if (t.empty() || t.size() > max_digits) return std::nullopt;
  std::int64_t v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

std::optional<std::int64_t> parse_decimal(std::string_view text, int decimals) {
  std::string t = trim(text);
  if (t.empty()) return std::nullopt;
  std::size_t sep = t.find_first_of(".,");
  std::string whole = t.substr(0, sep);
  std::string frac = sep == std::string::npos ? "" : t.substr(sep + 1);
  if (whole.empty()) whole = "0";
  if (whole.size() > 15 || frac.size() > 15) return std::nullopt;
  auto w = parse_digits(whole, 15);
  if (!w) return std::nullopt;
  if (!frac.empty() && !parse_digits(frac, 15)) return std::nullopt;
  std::int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::int64_t value = *w * scale;
  // The first `decimals` fraction digits count; the next one rounds.
  for (int i = 0; i < decimals; ++i) {
    scale /= 10;
    if (static_cast<std::size_t>(i) < frac.size()) value += (frac[i] - '0') * scale;
  }
  if (frac.size() > static_cast<std::size_t>(decimals) && frac[decimals] >= '5') ++value;
  return value;
}

namespace {
std::string grouped(std::int64_t whole) {
  std::string d = std::to_string(whole);
  std::string out;
  for (std::size_t i = 0; i < d.size(); ++i) {
    if (i > 0 && (d.size() - i) % 3 == 0) out += '.';
    out += d[i];
  }
  return out;
}
}  // namespace

std::string money(Cents amount) {
  std::string sign = amount < 0 ? "-" : "";
  std::int64_t a = amount < 0 ? -amount : amount;
  return sign + grouped(a / 100) + "," + digits(a % 100, 2);
}

std::string hundredths(std::int64_t value) { return std::to_string(value / 100) + "," + digits(value % 100, 2); }

std::string thousandths(std::int64_t value) { return std::to_string(value / 1000) + "," + digits(value % 1000, 3); }

Cents times_to_cents(Milli price, Milli quantity, bool truncate) {
  // thousandths x thousandths = millionths of a real; a cent is 10^4 of them.
  return scale_down(price * quantity, 10000, truncate);
}

Cents percent_of(Cents amount, std::int64_t hundredths_of_percent, bool truncate) {
  return scale_down(amount * hundredths_of_percent, 10000, truncate);
}

std::string left_right(std::string_view left, std::string_view right, std::size_t width) {
  if (left.size() + right.size() + 1 > width) {
    std::string l(left.substr(0, width > right.size() + 1 ? width - right.size() - 1 : 0));
    return l + std::string(width - l.size() - std::min(right.size(), width), ' ') +
           std::string(right.substr(0, std::min(right.size(), width)));
  }
  return std::string(left) + std::string(width - left.size() - right.size(), ' ') + std::string(right);
}

std::string centred(std::string_view s, std::size_t width) {
  if (s.size() >= width) return std::string(s.substr(0, width));
  return std::string((width - s.size()) / 2, ' ') + std::string(s);
}

std::vector<std::string> lines_of(std::string_view text, std::size_t width) {
  std::vector<std::string> out;
  std::string cur;
  bool wrapped = false;  // a break right after a full line adds no empty line
  auto flush = [&] {
    std::size_t e = cur.find_last_not_of(' ');
    out.push_back(e == std::string::npos ? "" : cur.substr(0, e + 1));
    cur.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (!wrapped) flush();
      wrapped = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    if (c == '\0') break;
    cur += c;
    wrapped = false;
    if (cur.size() == width) {
      flush();
      wrapped = true;
    }
  }
  if (!cur.empty()) flush();
  return out;
}

}  // namespace zelto::ecfsim
