#include "script_run.hpp"

#include "app/startup.hpp"
#include "core/context.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/screen/scripted/scripted_screen.hpp"

namespace zelto::tools {
namespace {

using screen::scripted::ScriptError;

// "DD/MM/YYYY HH:MM", already in shape.
os::LocalTime clock_time(const std::string& text) {
  const auto date = runtime::Date::from_text(text.substr(0, 10));
  const int hour = std::stoi(text.substr(11, 2));
  const int minute = std::stoi(text.substr(14, 2));
  if (!date || date->empty() || hour > 23 || minute > 59) throw ScriptError("clock " + text + ": no such date or time");
  return os::LocalTime{*date, hour, minute, 0};
}

}  // namespace

ScriptRunResult run_script(screen::scripted::Script script, const std::filesystem::path& folder) {
  screen::scripted::ScriptedScreen scripted(std::move(script));
  core::Globals g;
  core::RunControl run;
  os::ManualClock clock(os::SystemClock().now());
  // The engine's notices (a repaired header, a rebuilt index) show as the
  // real program shows them.
  xbase::Workspace db({folder, true, [&scripted](const std::string& notice) {
                         scripted.show_timed("Zelto Sistemas ", runtime::utf8_to_cp1252(notice),
                                             std::chrono::seconds(4));
                       }});
  core::Services services;
  core::Ctx ctx{g, db, scripted, clock, run, services};
  scripted.set_clock_setter([&clock](const std::string& text) { clock.set(clock_time(text)); });

  app::StartupHost host;
  host.run_until_end = [&] { scripted.play([&run] { return run.end_requested; }); };

  ScriptRunResult result;
  try {
    scripted.settle();
    app::MAIN(ctx, host);
    if (scripted.take_end() && !run.end_requested)
      throw ScriptError("the script expects the end of the run here, but the program goes on");
    scripted.expect_done();
    result.held = true;
  } catch (const ScriptError& e) {
    result.failure = e.what();
  } catch (const std::exception& e) {
    result.failure = std::string("the program failed: ") + e.what();
  }
  result.transcript = scripted.transcript().str();
  if (run.end_requested) result.end_reason = run.reason.empty() ? "end" : runtime::cp1252_to_utf8(run.reason);
  return result;
}

}  // namespace zelto::tools
