#pragma once
// Waiting on a manager. Every wait polls once a second through the run's
// clock and measures how long it has waited by that clock, so that a slow
// pass or a missed second never stretches it; a clock set back while
// waiting counts as no time.

#include <chrono>

#include "core/context.hpp"

namespace zelto::tef {

// How long the manager may take over a response before the operator is
// asked whether to go on waiting: the customer is at the card reader
// meanwhile, typing and waiting for the card network.
inline constexpr std::chrono::seconds kResponsePatience{120};

class Stopwatch {
 public:
  explicit Stopwatch(os::Clock& clock);
  // Seconds waited since the start (or the last restart).
  long elapsed();
  void restart();

 private:
  os::Clock& clock_;
  long last_ = 0;
  long elapsed_ = 0;
};

// One second of waiting.
void pause_a_second(core::Ctx& ctx);

// The seconds VSEGUNDOS_TEF gives a manager to answer.
long manager_seconds(const core::Ctx& ctx);

// A counter as the waits show it: "7".
core::Text count_text(const runtime::Decimal& n);

}  // namespace zelto::tef
