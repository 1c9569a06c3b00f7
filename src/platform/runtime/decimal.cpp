#include "platform/runtime/decimal.hpp"

#include <algorithm>
#include <limits>

namespace zelto::runtime {
namespace {

using Int = Decimal::Int;

Int checked_mul(Int a, Int b) {
  Int r;
  if (__builtin_mul_overflow(a, b, &r)) throw std::overflow_error("decimal overflow");
  return r;
}

Int checked_add(Int a, Int b) {
  Int r;
  if (__builtin_add_overflow(a, b, &r)) throw std::overflow_error("decimal overflow");
  return r;
}

// Divides by 10^n, rounding half away from zero.
Int div_pow10_round(Int v, int n) {
  if (n <= 0) return v;
  if (n > 38) return 0;
  Int p = pow10_int(n);
  Int q = v / p;
  Int r = v % p;
  if (r < 0) r = -r;
  if (r * 2 >= p) q += (v < 0 ? -1 : 1);
  return q;
}

std::string_view trim_blanks(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\0')) t.remove_suffix(1);
  return t;
}

}  // namespace

Int pow10_int(int n) {
  if (n < 0 || n > 38) throw std::out_of_range("pow10_int");
  Int p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

Decimal Decimal::from_units(Int mantissa, int scale) {
  Decimal d;
  if (scale < 0) {
    d.mantissa_ = checked_mul(mantissa, pow10_int(-scale));
    d.scale_ = 0;
    return d;
  }
  if (scale > kMaxScale) {
    d.mantissa_ = div_pow10_round(mantissa, scale - kMaxScale);
    d.scale_ = kMaxScale;
    return d;
  }
  d.mantissa_ = mantissa;
  d.scale_ = scale;
  return d;
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
  text = trim_blanks(text);
  if (text.empty()) return Decimal{};
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
    text = trim_blanks(text);  // dBase writes "-  1.5" in some fields
  }
  if (text.empty()) return std::nullopt;
  Int m = 0;
  int scale = 0;
  bool point = false;
  bool any_digit = false;
  for (char c : text) {
    if (c == '.') {
      if (point) return std::nullopt;
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    any_digit = true;
    if (point) {
      if (scale == kMaxScale) continue;  // digits beyond the 18th decimal are dropped
      ++scale;
    }
    if (m > (std::numeric_limits<Int>::max() - 9) / 10) return std::nullopt;
    m = m * 10 + (c - '0');
  }
  if (!any_digit) return std::nullopt;
  return from_units(negative ? -m : m, scale);
}

std::optional<Decimal> Decimal::parse_brl(std::string_view text) {
  text = trim_blanks(text);
  if (text.find(',') == std::string_view::npos) return parse(text);
  std::string plain;
  plain.reserve(text.size());
  for (char c : text) {
    if (c == '.') continue;       // thousands separator
    plain.push_back(c == ',' ? '.' : c);
  }
  return parse(plain);
}

Decimal Decimal::of(std::string_view text) {
  auto d = parse(text);
  if (!d) throw std::invalid_argument("not a number: \"" + std::string(text) + "\"");
  return *d;
}

Decimal Decimal::round(int places) const {
  if (places >= scale_) return rescaled(std::max(places, 0));
  Int q = div_pow10_round(mantissa_, scale_ - places);
  if (places < 0) return from_units(checked_mul(q, pow10_int(-places)), 0);
  return from_units(q, places);
}

Decimal Decimal::trunc(int places) const {
  if (places >= scale_) return rescaled(std::max(places, 0));
  Int q = mantissa_ / pow10_int(scale_ - places);
  if (places < 0) return from_units(checked_mul(q, pow10_int(-places)), 0);
  return from_units(q, places);
}

Decimal Decimal::normalized() const {
  Decimal d = *this;
  while (d.scale_ > 0 && d.mantissa_ % 10 == 0) {
    d.mantissa_ /= 10;
    --d.scale_;
  }
  return d;
}

Decimal Decimal::rescaled(int places) const {
  if (places < 0 || places > kMaxScale) throw std::out_of_range("decimal places");
  if (places >= scale_) return from_units(checked_mul(mantissa_, pow10_int(places - scale_)), places);
  Int p = pow10_int(scale_ - places);
  if (mantissa_ % p != 0) throw std::invalid_argument("rescaled would lose digits");
  return from_units(mantissa_ / p, places);
}

long long Decimal::to_int() const {
  Int q = mantissa_ / pow10_int(scale_);
  if (q > std::numeric_limits<long long>::max() || q < std::numeric_limits<long long>::min())
    throw std::overflow_error("decimal to_int");
  return static_cast<long long>(q);
}

Decimal Decimal::divide(const Decimal& a, const Decimal& b, int places) {
  if (b.mantissa_ == 0) throw std::domain_error("division by zero");
  // a/b = (ma / 10^sa) / (mb / 10^sb) = ma * 10^(sb - sa) / mb.
  // Work one place further than asked, then round that last place.
  int extra = places + 1 + b.scale_ - a.scale_;
  Int num = a.mantissa_;
  Int den = b.mantissa_;
  if (extra >= 0) {
    num = checked_mul(num, pow10_int(extra));
  } else {
    den = checked_mul(den, pow10_int(-extra));
  }
  Int q = num / den;  // toward zero, with one decimal more than asked
  Int last = q % 10;   // the dropped digit decides, half away from zero
  q /= 10;
  if (last >= 5) q += 1;
  else if (last <= -5) q -= 1;
  return from_units(q, places);
}

Decimal operator+(const Decimal& a, const Decimal& b) {
  int s = std::max(a.scale_, b.scale_);
  return Decimal::from_units(checked_add(checked_mul(a.mantissa_, pow10_int(s - a.scale_)),
                                         checked_mul(b.mantissa_, pow10_int(s - b.scale_))),
                             s);
}

Decimal operator-(const Decimal& a, const Decimal& b) { return a + (-b); }

Decimal operator*(const Decimal& a, const Decimal& b) {
  return Decimal::from_units(checked_mul(a.mantissa_, b.mantissa_), a.scale_ + b.scale_);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
  int s = std::max(a.scale_, b.scale_);
  Int x = checked_mul(a.mantissa_, pow10_int(s - a.scale_));
  Int y = checked_mul(b.mantissa_, pow10_int(s - b.scale_));
  return x <=> y;
}

std::string Decimal::to_string() const {
  Int v = mantissa_;
  bool negative = v < 0;
  if (negative) v = -v;
  std::string digits;
  do {
    digits.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  } while (v != 0);
  while (static_cast<int>(digits.size()) <= scale_) digits.push_back('0');
  std::reverse(digits.begin(), digits.end());
  if (scale_ > 0) digits.insert(digits.end() - scale_, '.');
  if (negative && mantissa_ != 0) digits.insert(digits.begin(), '-');
  return digits;
}

Decimal val(std::string_view s) {
  size_t i = s.find_first_not_of(' ');
  if (i == std::string_view::npos) return {};
  std::string out;
  if (s[i] == '-' || s[i] == '+') out.push_back(s[i++]);
  bool point = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9') {
      out.push_back(c);
    } else if (c == '.' && !point) {
      point = true;
      out.push_back(c);
    } else {
      break;
    }
  }
  if (out.find_first_of("0123456789") == std::string::npos) return {};
  return Decimal::parse(out).value_or(Decimal{});
}

}  // namespace zelto::runtime
