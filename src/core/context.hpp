#pragma once
// What every operation of the system receives instead of reaching for
// process-wide state: the global settings, the open tables, the screen,
// the clock, and the way to end the run.

#include <filesystem>
#include <string>

#include "core/globals.hpp"
#include "core/services.hpp"
#include "platform/os/clock.hpp"
#include "platform/screen/screen.hpp"
#include "platform/xbase/workspace.hpp"

namespace zelto::core {

// Where the system ends the program, it asks for the end here; the real
// program then closes in order, and a test or the script runner sees the
// request instead of a vanished process.
struct RunControl {
  bool end_requested = false;
  std::string reason;
  void request_end(std::string why) {
    end_requested = true;
    reason = std::move(why);
  }
};

struct Ctx {
  Globals& g;
  xbase::Workspace& db;
  screen::Screen& screen;
  os::Clock& clock;
  RunControl& run;
  Services& services;

  // The data folder: the program's current folder.
  const std::filesystem::path& folder() const { return db.folder(); }
};

}  // namespace zelto::core
