#pragma once
// The printer's own clock. It runs with the computer's clock, or at a
// distance from it, or stands still at one moment (for tests and demos that
// need a known date). The program compares it with the computer's clock.

#include <cstdint>
#include <string>

#include "ecf/core/datetime.hpp"

namespace zelto::ecfsim {

struct ClockSetting {
  enum class Mode { Real, Offset, Frozen };
  Mode mode = Mode::Real;
  std::int64_t offset_seconds = 0;  // Offset
  DateTime frozen;                  // Frozen

  DateTime now(const DateTime& computer) const;
  // Moves the clock by `seconds` whatever its mode (daylight-saving time).
  void shift(std::int64_t seconds);
  // "real", "offset +900 s", "frozen at 11/12/2026 10:00:00".
  std::string describe() const;
  friend bool operator==(const ClockSetting&, const ClockSetting&) = default;
};

}  // namespace zelto::ecfsim
