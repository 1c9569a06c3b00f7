#pragma once
// Calendar dates and the printer's date-and-time, with the text forms the
// makers' entries take and give (ddmmyy, ddmmyyyy, dd/mm/yy, yyyymmdd ...).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelto::ecfsim {

struct Date {
  int year = 2000, month = 1, day = 1;

  std::int64_t serial() const;  // days since 1970-01-01
  static Date from_serial(std::int64_t days);
  static std::optional<Date> make(int year, int month, int day);  // nothing for an impossible date
  Date plus_days(std::int64_t n) const { return from_serial(serial() + n); }
  friend auto operator<=>(const Date&, const Date&) = default;
};

struct DateTime {
  Date date;
  int hour = 0, minute = 0, second = 0;

  std::int64_t seconds() const;  // since 1970-01-01 00:00:00, no time zone
  static DateTime from_seconds(std::int64_t s);
  DateTime plus_seconds(std::int64_t s) const { return from_seconds(seconds() + s); }
  friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

// The forms dates travel in. Two-digit years fall in 1930..2029.
enum class DateForm { DDMMYY, DDMMYYYY, DD_MM_YY, DD_MM_YYYY, YYYYMMDD };
std::optional<Date> parse_date(std::string_view text, DateForm form);
std::string format_date(const Date& d, DateForm form);

std::string hhmmss(const DateTime& t);       // "143005"
std::string hh_mm_ss(const DateTime& t);     // "14:30:05"
std::string printed(const DateTime& t);      // "11/12/2026 14:30:05"

// "DD/MM/YYYY HH:MM" or "DD/MM/YYYY HH:MM:SS".
std::optional<DateTime> parse_date_time(std::string_view text);
// "YYYYMMDDhhmmss", the form the state file keeps.
std::string stamp(const DateTime& t);
std::optional<DateTime> parse_stamp(std::string_view text);

// The computer's local time.
DateTime local_now();

}  // namespace zelto::ecfsim
