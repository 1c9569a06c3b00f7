#pragma once
// Every operation the operator starts (a key, a menu entry, a button) runs
// through here. A failure that escapes it is written to "error.log" in the
// data folder for the next login to take over, the operator is told in an
// error box, and the program goes on from where the operation began.

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "core/context.hpp"

namespace zelto::core {

// Runs `operation`; true when it ran to its end, false when it failed and
// the failure was logged and shown. A screen driver's give-up
// (screen::DriverError) is not the program's failure and passes through.
bool run_guarded(Ctx& ctx, std::string_view name, const std::function<void()>& operation);

// `operation` wrapped for a key binding, a menu entry or a button.
std::function<void()> guarded(Ctx& ctx, std::string name, std::function<void()> operation);

// Logs a failure of the named operation and shows it; for handlers that
// caught it themselves (the window system's last line of defence).
void report_failure(Ctx& ctx, std::string_view name, std::string_view what);

}  // namespace zelto::core
