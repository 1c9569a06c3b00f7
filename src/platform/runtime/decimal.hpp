#pragma once
// Exact decimal numbers for amounts, prices, quantities and rates.
//
// A value is a 128-bit integer mantissa and a scale (digits after the point).
// Addition, subtraction and multiplication are exact; division and the
// explicit round/trunc calls state how many places they keep. Rounding is
// always half away from zero, as the fiscal printer and the old runtime do.

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zelto::runtime {

class Decimal {
 public:
  using Int = __int128;
  static constexpr int kMaxScale = 18;

  constexpr Decimal() = default;
  // Whole numbers convert implicitly: prices and counters mix freely with ints.
  constexpr Decimal(int whole) : mantissa_(whole) {}
  constexpr Decimal(long whole) : mantissa_(whole) {}
  constexpr Decimal(long long whole) : mantissa_(whole) {}

  // mantissa / 10^scale, e.g. from_units(1250, 2) is 12.50.
  static Decimal from_units(Int mantissa, int scale);

  // Reads "12", "-3.5", " 0012.340 ", "+7", ".5". Blanks around are ignored;
  // an empty or all-blank text is zero (an empty numeric field). A comma is
  // not a decimal point here: use parse_brl for typed Brazilian amounts.
  static std::optional<Decimal> parse(std::string_view text);
  // Reads "1.234,56" or "1234,56" (Brazilian form) as well as "1234.56" when
  // there is no comma.
  static std::optional<Decimal> parse_brl(std::string_view text);
  // Like parse, but a malformed text throws std::invalid_argument.
  static Decimal of(std::string_view text);

  Int mantissa() const { return mantissa_; }
  int scale() const { return scale_; }

  bool is_zero() const { return mantissa_ == 0; }
  int sign() const { return mantissa_ > 0 ? 1 : (mantissa_ < 0 ? -1 : 0); }
  Decimal abs() const { return mantissa_ < 0 ? -*this : *this; }

  // Half away from zero to `places` decimals (places may be negative: -2
  // rounds to hundreds). The result has exactly max(places,0) decimals.
  Decimal round(int places) const;
  // Drops the digits after `places` decimals (toward zero).
  Decimal trunc(int places) const;
  // The same value with trailing zero decimals removed.
  Decimal normalized() const;
  // The same value written with exactly `places` decimals; throws when that
  // would lose digits (use round or trunc for that).
  Decimal rescaled(int places) const;

  // Integer part, toward zero. Throws std::overflow_error beyond int64.
  long long to_int() const;

  // a / b rounded half away from zero to `places` decimals.
  // Throws std::domain_error on division by zero.
  static Decimal divide(const Decimal& a, const Decimal& b, int places);

  Decimal operator-() const { return from_units(-mantissa_, scale_); }
  friend Decimal operator+(const Decimal& a, const Decimal& b);
  friend Decimal operator-(const Decimal& a, const Decimal& b);
  friend Decimal operator*(const Decimal& a, const Decimal& b);
  Decimal& operator+=(const Decimal& o) { return *this = *this + o; }
  Decimal& operator-=(const Decimal& o) { return *this = *this - o; }
  Decimal& operator*=(const Decimal& o) { return *this = *this * o; }

  friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
  friend bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

  // Plain text with every stored decimal: "-12.50", "3", "0.005".
  std::string to_string() const;

 private:
  Int mantissa_ = 0;
  int scale_ = 0;
};

// VAL of the old runtime: leading blanks skipped, then an optional sign,
// digits and one point read up to the first other character; a text with
// no digits there is 0 ("12abc" is 12, "abc" is 0, " -3.5x" is -3.5).
Decimal val(std::string_view text);

// 10^n as a 128-bit integer (n from 0 to 38).
Decimal::Int pow10_int(int n);

}  // namespace zelto::runtime
