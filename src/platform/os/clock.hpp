#pragma once
// The time of day and waiting, behind one interface, so that the program
// reads the computer's clock and really waits, while tests set the date and
// hour they need and a 13-second wait costs them nothing.

#include <chrono>
#include <functional>
#include <string>

#include "platform/runtime/date.hpp"

namespace zelto::os {

struct LocalTime {
  runtime::Date date;
  int hour = 0, minute = 0, second = 0;

  std::string hhmm() const;    // "14:05"
  std::string hhmmss() const;  // "14:05:37"
  // Seconds since midnight.
  long seconds() const { return hour * 3600L + minute * 60L + second; }
  LocalTime plus_seconds(long seconds) const;
  friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() = 0;
  virtual void sleep(std::chrono::milliseconds duration) = 0;
};

// The computer's local time. Waits go to `waiter` when one is given (the
// window system's, so windows keep painting), else the thread sleeps.
class SystemClock final : public Clock {
 public:
  explicit SystemClock(std::function<void(std::chrono::milliseconds)> waiter = {}) : waiter_(std::move(waiter)) {}
  LocalTime now() override;
  void sleep(std::chrono::milliseconds duration) override;

 private:
  std::function<void(std::chrono::milliseconds)> waiter_;
};

// A clock that stands still until moved; sleeping moves it on.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(LocalTime start) : now_(start) {}
  LocalTime now() override { return now_; }
  void sleep(std::chrono::milliseconds duration) override;
  void set(LocalTime t) { now_ = t; }
  void advance(std::chrono::milliseconds d) { sleep(d); }
  std::chrono::milliseconds slept() const { return slept_; }

 private:
  LocalTime now_;
  long pending_ms_ = 0;
  std::chrono::milliseconds slept_{0};
};

}  // namespace zelto::os
