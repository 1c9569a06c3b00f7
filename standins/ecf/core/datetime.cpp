#include "ecf/core/datetime.hpp"

#include <ctime>

#include "ecf/core/text.hpp"

namespace zelto::ecfsim {

namespace {

// Howard Hinnant's days-from-civil and its inverse.
std::int64_t days_from_civil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int two_digit_year(int yy) { return yy < 30 ? 2000 + yy : 1900 + yy; }

std::optional<int> num(std::string_view s) {
  auto v = parse_digits(s, 4);
  if (!v || trim(s).size() != s.size()) return std::nullopt;
  return static_cast<int>(*v);
}

}  // namespace

std::int64_t Date::serial() const { return days_from_civil(year, month, day); }

Date Date::from_serial(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return Date{y, m, d};
}

std::optional<Date> Date::make(int year, int month, int day) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  Date d{year, month, day};
  Date back = from_serial(d.serial());
  if (back != d) return std::nullopt;
  return d;
}

std::int64_t DateTime::seconds() const { return date.serial() * 86400 + hour * 3600 + minute * 60 + second; }

DateTime DateTime::from_seconds(std::int64_t s) {
  std::int64_t days = s >= 0 ? s / 86400 : (s - 86399) / 86400;
  std::int64_t rest = s - days * 86400;
  return DateTime{Date::from_serial(days), static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                  static_cast<int>(rest % 60)};
}

std::optional<Date> parse_date(std::string_view t, DateForm form) {
  std::optional<int> d, m, y;
  switch (form) {
    case DateForm::DDMMYY:
      if (t.size() != 6) return std::nullopt;
      d = num(t.substr(0, 2)), m = num(t.substr(2, 2)), y = num(t.substr(4, 2));
      if (y) y = two_digit_year(*y);
      break;
    case DateForm::DDMMYYYY:
      if (t.size() != 8) return std::nullopt;
      d = num(t.substr(0, 2)), m = num(t.substr(2, 2)), y = num(t.substr(4, 4));
      break;
    case DateForm::DD_MM_YY:
      if (t.size() != 8 || t[2] != '/' || t[5] != '/') return std::nullopt;
      d = num(t.substr(0, 2)), m = num(t.substr(3, 2)), y = num(t.substr(6, 2));
      if (y) y = two_digit_year(*y);
      break;
    case DateForm::DD_MM_YYYY:
      if (t.size() != 10 || t[2] != '/' || t[5] != '/') return std::nullopt;
      d = num(t.substr(0, 2)), m = num(t.substr(3, 2)), y = num(t.substr(6, 4));
      break;
    case DateForm::YYYYMMDD:
      if (t.size() != 8) return std::nullopt;
      y = num(t.substr(0, 4)), m = num(t.substr(4, 2)), d = num(t.substr(6, 2));
      break;
  }
  if (!d || !m || !y) return std::nullopt;
  return Date::make(*y, *m, *d);
}

std::string format_date(const Date& d, DateForm form) {
  std::string dd = digits(d.day, 2), mm = digits(d.month, 2);
  switch (form) {
    case DateForm::DDMMYY: return dd + mm + digits(d.year % 100, 2);
    case DateForm::DDMMYYYY: return dd + mm + digits(d.year, 4);
    case DateForm::DD_MM_YY: return dd + "/" + mm + "/" + digits(d.year % 100, 2);
    case DateForm::DD_MM_YYYY: return dd + "/" + mm + "/" + digits(d.year, 4);
    case DateForm::YYYYMMDD: return digits(d.year, 4) + mm + dd;
  }
  return {};
}

std::string hhmmss(const DateTime& t) { return digits(t.hour, 2) + digits(t.minute, 2) + digits(t.second, 2); }

std::string hh_mm_ss(const DateTime& t) {
  return digits(t.hour, 2) + ":" + digits(t.minute, 2) + ":" + digits(t.second, 2);
}

std::string printed(const DateTime& t) { return format_date(t.date, DateForm::DD_MM_YYYY) + " " + hh_mm_ss(t); }

std::optional<DateTime> parse_date_time(std::string_view text) {
  std::string t = trim(text);
  if (t.size() != 16 && t.size() != 19) return std::nullopt;
  auto d = parse_date(std::string_view(t).substr(0, 10), DateForm::DD_MM_YYYY);
  if (!d || t[10] != ' ' || t[13] != ':') return std::nullopt;
  auto h = num(std::string_view(t).substr(11, 2)), mi = num(std::string_view(t).substr(14, 2));
  std::optional<int> s = 0;
  if (t.size() == 19) {
    if (t[16] != ':') return std::nullopt;
    s = num(std::string_view(t).substr(17, 2));
  }
  if (!h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
  return DateTime{*d, *h, *mi, *s};
}

std::string stamp(const DateTime& t) { return format_date(t.date, DateForm::YYYYMMDD) + hhmmss(t); }

std::optional<DateTime> parse_stamp(std::string_view t) {
  if (t.size() != 14) return std::nullopt;
  auto d = parse_date(t.substr(0, 8), DateForm::YYYYMMDD);
  auto h = num(t.substr(8, 2)), mi = num(t.substr(10, 2)), s = num(t.substr(12, 2));
  if (!d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
  return DateTime{*d, *h, *mi, *s};
}

DateTime local_now() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return DateTime{Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59)};
}

}  // namespace zelto::ecfsim
