#include "ecf/core/clock.hpp"

namespace zelto::ecfsim {

DateTime ClockSetting::now(const DateTime& computer) const {
  switch (mode) {
    case Mode::Real: return computer;
    case Mode::Offset: return computer.plus_seconds(offset_seconds);
    case Mode::Frozen: return frozen;
  }
  return computer;
}

void ClockSetting::shift(std::int64_t seconds) {
  switch (mode) {
    case Mode::Real:
      mode = Mode::Offset;
      offset_seconds = seconds;
      break;
    case Mode::Offset: offset_seconds += seconds; break;
    case Mode::Frozen: frozen = frozen.plus_seconds(seconds); break;
  }
  if (mode == Mode::Offset && offset_seconds == 0) mode = Mode::Real;
}

std::string ClockSetting::describe() const {
  switch (mode) {
    case Mode::Real: return "the computer's clock";
    case Mode::Offset:
      return "the computer's clock " + std::string(offset_seconds < 0 ? "-" : "+") +
             std::to_string((offset_seconds < 0 ? -offset_seconds : offset_seconds) / 60) + " min" +
             (offset_seconds % 60 != 0 ? " " + std::to_string((offset_seconds < 0 ? -offset_seconds : offset_seconds) % 60) + " s" : "");
    case Mode::Frozen: return "standing at " + printed(frozen);
  }
  return {};
}

}  // namespace zelto::ecfsim
