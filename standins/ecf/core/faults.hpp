#pragma once
// Misbehaviour on request: the control file "ecf_falhas.txt" of the data
// folder tells the printer to fail, lose answers, stop answering, lose power
// or run short of paper, so that the program's handling of a bad printer can
// be tried. ecfsim writes the file; every command reads it under the
// printer's lock and counts its faults down.

#include <filesystem>
#include <optional>
#include <string>

namespace zelto::ecfsim {

struct Faults {
  enum class Paper { Ok, Low, End };
  Paper paper = Paper::Ok;
  int after = 0;           // commands that pass untouched before the faults below strike
  int fail = 0;            // the next `fail` commands are refused with `fail_code`
  int fail_code = 0;
  int lose = 0;            // the next `lose` commands are carried out, but their answer is lost
  bool lose_zero = false;  // lost answers come back as 0 (else as success with blank buffers)
  int comm = 0;            // the next `comm` commands get no answer; -1 until cleared
  bool power_loss = false; // the printer loses power at the next command

  bool any_pending() const { return fail > 0 || lose > 0 || comm != 0 || power_loss; }
  friend bool operator==(const Faults&, const Faults&) = default;
};

std::string faults_to_text(const Faults& f);
std::optional<Faults> faults_from_text(const std::string& text, std::string* error = nullptr);

// A control file that cannot be read counts as no faults.
Faults load_faults(const std::filesystem::path& folder);
void save_faults(const std::filesystem::path& folder, const Faults& f);

// What one command meets, its counters taken down.
struct Strike {
  enum class Before { None, NoAnswer, PowerLoss, Fail };
  Before before = Before::None;
  int code = 0;              // Fail
  bool lose = false;         // the command runs, its answer is lost
  bool lose_zero = false;
};
Strike take_strike(Faults& f);

}  // namespace zelto::ecfsim
