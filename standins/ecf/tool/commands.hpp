#pragma once
// The ecfsim commands. Each works on the printer of one data folder and
// writes what it has to say to `out`; mistakes in the command line throw
// UsageError, failures throw std::runtime_error.

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ecf/core/faults.hpp"
#include "ecf/core/memory.hpp"

namespace zelto::ecfsim::tool {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The words after the command, with options taken out as they are asked for.
class Args {
 public:
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}
  bool flag(const std::string& name);                   // "--zero"
  std::optional<std::string> option(const std::string& name);  // "--after 3"
  std::string next(const std::string& what);            // a required word
  std::optional<std::string> maybe_next();
  void done() const;  // no words left over
  int number(const std::string& word, const std::string& what, int min);

 private:
  std::vector<std::string> words_;
};

extern const char* const kUsage;

void init(const std::filesystem::path& folder, Args& a, std::ostream& out);
void show(const std::filesystem::path& folder, Args& a, std::ostream& out);
void roll(const std::filesystem::path& folder, Args& a, std::ostream& out);
void fault(const std::filesystem::path& folder, Args& a, std::ostream& out);
void clock(const std::filesystem::path& folder, Args& a, std::ostream& out);
void libs(const std::filesystem::path& folder, Args& a, std::ostream& out);

// The printer's state for people.
void describe(const FiscalMemory& m, const DateTime& printer_now, std::ostream& out);
std::string describe_faults(const Faults& f);

}  // namespace zelto::ecfsim::tool
