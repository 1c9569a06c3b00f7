// zeltoecf-script SCRIPT: the checkout program headless in the current
// folder. The script answers its questions, types into its fields, presses
// its keys and buttons and chooses its menu entries; the transcript of
// everything shown goes to standard output. Exit status: 0 when every
// expectation of the script held, 1 when one did not (why goes to standard
// error), 2 when the script could not be read.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "script_run.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zeltoecf-script SCRIPT   (runs in the current folder)\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "zeltoecf-script: cannot read %s\n", argv[1]);
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();

  zelto::screen::scripted::Script script;
  try {
    script = zelto::screen::scripted::Script::parse(text.str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zeltoecf-script: %s: %s\n", argv[1], e.what());
    return 2;
  }

  const auto result = zelto::tools::run_script(std::move(script), ".");
  std::cout << result.transcript;
  if (!result.end_reason.empty()) std::cout << "end " << result.end_reason << "\n";
  std::cout.flush();
  if (!result.held) {
    std::fprintf(stderr, "zeltoecf-script: %s\n", result.failure.c_str());
    return 1;
  }
  return 0;
}
