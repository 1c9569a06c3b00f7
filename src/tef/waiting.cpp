#include "tef/waiting.hpp"

namespace zelto::tef {
namespace {

long seconds_of(const os::LocalTime& t) { return t.date.serial() * 86400L + t.seconds(); }

}  // namespace

Stopwatch::Stopwatch(os::Clock& clock) : clock_(clock), last_(seconds_of(clock.now())) {}

long Stopwatch::elapsed() {
  const long now = seconds_of(clock_.now());
  if (now > last_) elapsed_ += now - last_;
  last_ = now;
  return elapsed_;
}

void Stopwatch::restart() {
  last_ = seconds_of(clock_.now());
  elapsed_ = 0;
}

void pause_a_second(core::Ctx& ctx) { ctx.clock.sleep(std::chrono::seconds(1)); }

long manager_seconds(const core::Ctx& ctx) {
  const long seconds = ctx.g.VSEGUNDOS_TEF.trunc(0).to_int();
  return seconds > 1 ? seconds : 1;
}

core::Text count_text(const runtime::Decimal& n) { return std::to_string(n.trunc(0).to_int()); }

}  // namespace zelto::tef
