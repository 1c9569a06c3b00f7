#include "platform/os/clock.hpp"

#include <cstdio>
#include <ctime>
#include <thread>

namespace zelto::os {

std::string LocalTime::hhmm() const {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d:%02d", hour % 100, minute % 100);
  return buf;
}

std::string LocalTime::hhmmss() const {
  char buf[12];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour % 100, minute % 100, second % 100);
  return buf;
}

LocalTime LocalTime::plus_seconds(long s) const {
  long total = seconds() + s;
  long days = total >= 0 ? total / 86400 : -((-total + 86399) / 86400);
  total -= days * 86400;
  LocalTime t = *this;
  t.date = date.plus_days(days);
  t.hour = static_cast<int>(total / 3600);
  t.minute = static_cast<int>(total / 60 % 60);
  t.second = static_cast<int>(total % 60);
  return t;
}

LocalTime SystemClock::now() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&t, &tm);
  LocalTime lt;
  lt.date = runtime::Date::ymd(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday).value_or(runtime::Date{});
  lt.hour = tm.tm_hour;
  lt.minute = tm.tm_min;
  lt.second = tm.tm_sec;
  return lt;
}

void SystemClock::sleep(std::chrono::milliseconds duration) {
  if (waiter_) {
    waiter_(duration);
  } else {
    std::this_thread::sleep_for(duration);
  }
}

void ManualClock::sleep(std::chrono::milliseconds duration) {
  slept_ += duration;
  pending_ms_ += static_cast<long>(duration.count());
  now_ = now_.plus_seconds(pending_ms_ / 1000);
  pending_ms_ %= 1000;
}

}  // namespace zelto::os
