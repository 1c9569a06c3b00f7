#pragma once
// Calendar dates as the tables and screens use them: stored "YYYYMMDD",
// shown and typed "DD/MM/YYYY", and an empty date that sorts first.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zelto::runtime {

class Date {
 public:
  constexpr Date() = default;  // the empty date

  // A valid calendar date, or nullopt.
  static std::optional<Date> ymd(int year, int month, int day);
  // "YYYYMMDD"; eight blanks (or an empty text) is the empty date.
  // Anything else malformed gives nullopt.
  static std::optional<Date> from_dtos(std::string_view text);
  // Typed or read text "DD/MM/YYYY" or "DD/MM/YY" (two-digit years fall in
  // 1930-2029); "  /  /    " is the empty date.
  static std::optional<Date> from_text(std::string_view text);
  // Six digits "DDMMYY" as printers answer; years in 1930-2029.
  static std::optional<Date> from_ddmmyy(std::string_view text);
  // Days since 0001-01-01 (day 0), the inverse of serial().
  static Date from_serial(long serial);

  bool empty() const { return year_ == 0; }
  int year() const { return year_; }
  int month() const { return month_; }
  int day() const { return day_; }

  std::string dtos() const;      // "YYYYMMDD" or eight blanks
  std::string text() const;      // "DD/MM/YYYY" or "  /  /    "
  std::string ddmmyy() const;    // "DDMMYY" or six blanks
  long serial() const;           // days since 0001-01-01; -1 for the empty date
  int day_of_week() const;       // 1 Sunday ... 7 Saturday; 0 for the empty date

  Date plus_days(long days) const;  // the empty date stays empty
  // Days from `other` to this date (this - other); both must be set.
  long minus(const Date& other) const { return serial() - other.serial(); }

  friend auto operator<=>(const Date&, const Date&) = default;

 private:
  constexpr Date(int y, int m, int d) : year_(y), month_(m), day_(d) {}
  int year_ = 0, month_ = 0, day_ = 0;
};

// The century pivot for two-digit years read from outside: 30..99 -> 19xx,
// 00..29 -> 20xx.
int full_year(int two_digit_year);

}  // namespace zelto::runtime
