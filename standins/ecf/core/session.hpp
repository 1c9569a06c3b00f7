#pragma once
// One command of a maker's library, from start to end: take the printer's
// lock, read the fault control file and the fiscal memory, let the printer
// notice the day, meet the faults, run the command, and keep what it did
// (files, paper, memory) only when it was done. A refused command changes
// nothing but the record of the last command.

#include <filesystem>
#include <functional>
#include <string>

#include "ecf/core/printer.hpp"

namespace zelto::ecfsim {

enum class CallKind {
  Command,        // every entry that talks to the printer
  AnswerChannel,  // Epson's state read: the answer of the command before it; meets no faults
};

struct CallResult {
  bool answered = true;    // false: nothing came back (no printer, wrong library, lost line, lost power)
  bool lost = false;       // carried out, but its answer was lost
  bool lost_zero = false;  // ... and the call came back with 0 instead of success
  Outcome outcome;
  std::string error;  // why there was no answer, for people
};

using Operation = std::function<Outcome(Printer&)>;

CallResult run_command(const std::filesystem::path& folder, Make make, CallKind kind, const Operation& op);

}  // namespace zelto::ecfsim
