#include "platform/runtime/date.hpp"

#include <cstdio>

namespace zelto::runtime {
namespace {

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in_month(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && leap(y) ? 29 : kDays[m - 1];
}

bool all_blank(std::string_view t) { return t.find_first_not_of(' ') == std::string_view::npos; }

std::optional<int> number(std::string_view t) {
  if (t.empty()) return std::nullopt;
  int v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

// Days from 0001-01-01 in the proleptic Gregorian calendar.
long days_from_civil(int y, int m, int d) {
  y -= m <= 2;
  const long era = y / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 306;  // 0000-03-01 is -306, so 0001-01-01 is day 0
}

}  // namespace

int full_year(int yy) { return yy >= 30 ? 1900 + yy : 2000 + yy; }

std::optional<Date> Date::ymd(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  if (day > days_in_month(year, month)) return std::nullopt;
  return Date(year, month, day);
}

std::optional<Date> Date::from_dtos(std::string_view t) {
  if (t.empty() || (t.size() == 8 && all_blank(t))) return Date{};
  if (t.size() != 8) return std::nullopt;
  auto y = number(t.substr(0, 4)), m = number(t.substr(4, 2)), d = number(t.substr(6, 2));
  if (!y || !m || !d) return std::nullopt;
  return ymd(*y, *m, *d);
}

std::optional<Date> Date::from_text(std::string_view t) {
  std::string compact;
  for (char c : t)
    if (c != '/' && c != '-' && c != '.') compact.push_back(c);
  if (all_blank(compact)) return Date{};
  if (t.size() != 10 && t.size() != 8) return std::nullopt;
  if (t[2] != t[5] || (t[2] != '/' && t[2] != '-' && t[2] != '.')) return std::nullopt;
  auto d = number(t.substr(0, 2)), m = number(t.substr(3, 2)), y = number(t.substr(6));
  if (!d || !m || !y) return std::nullopt;
  int year = t.size() == 8 ? full_year(*y) : *y;
  return ymd(year, *m, *d);
}

std::optional<Date> Date::from_ddmmyy(std::string_view t) {
  if (t.size() != 6) return std::nullopt;
  if (all_blank(t)) return Date{};
  auto d = number(t.substr(0, 2)), m = number(t.substr(2, 2)), y = number(t.substr(4, 2));
  if (!d || !m || !y) return std::nullopt;
  return ymd(full_year(*y), *m, *d);
}

Date Date::from_serial(long serial) {
  // Inverse of days_from_civil.
  long z = serial + 306;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long y = yoe + era * 400;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const long d = doy - (153 * mp + 2) / 5 + 1;
  const long m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
  return Date(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

std::string Date::dtos() const {
  if (empty()) return "        ";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", year_, month_, day_);
  return buf;
}

std::string Date::text() const {
  if (empty()) return "  /  /    ";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", day_, month_, year_);
  return buf;
}

std::string Date::ddmmyy() const {
  if (empty()) return "      ";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d", day_, month_, year_ % 100);
  return buf;
}

long Date::serial() const { return empty() ? -1 : days_from_civil(year_, month_, day_); }

int Date::day_of_week() const {
  if (empty()) return 0;
  // 0001-01-01 was a Monday.
  return static_cast<int>((serial() + 1) % 7) + 1;
}

Date Date::plus_days(long days) const { return empty() ? *this : from_serial(serial() + days); }

}  // namespace zelto::runtime
