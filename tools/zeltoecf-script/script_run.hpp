#pragma once
// One headless run of the program: the start-up, the login and the main
// window in the current folder, with the scripted screen playing the
// script. The run holds when the script ran to its end, nothing unexpected
// was shown and every expectation held.

#include <filesystem>
#include <string>

#include "platform/screen/scripted/script.hpp"

namespace zelto::tools {

struct ScriptRunResult {
  bool held = false;
  std::string failure;     // why it did not hold
  std::string transcript;  // UTF-8, one line for each thing shown
  std::string end_reason;  // what ended the program's run; empty when it was still running
};

// Plays `script` over the program with its data folder `folder`. Without a
// "clock" step the clock starts at the computer's time; waits cost nothing.
ScriptRunResult run_script(screen::scripted::Script script, const std::filesystem::path& folder);

}  // namespace zelto::tools
