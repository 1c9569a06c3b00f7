#pragma once
// A whole context for a test: its own global settings, a data folder of its
// own, the scripted screen, a clock that stands at a chosen moment, and the
// run control. Tests give the script and read the transcript.

#include "core/context.hpp"
#include "platform/screen/scripted/scripted_screen.hpp"
#include "support/temp_dir.hpp"

namespace zelto::testing {

struct ScriptedCtx {
  TempDir dir;
  std::vector<std::string> notices;
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, [this](const std::string& m) { notices.push_back(m); }}};
  screen::scripted::ScriptedScreen screen;
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};

  screen::scripted::Script& script() { return screen.script(); }
  const screen::scripted::Transcript& transcript() const { return screen.transcript(); }
};

}  // namespace zelto::testing
