// zeltoecf-demodata DIR: a complete demo data folder for the checkout, made
// from the fixtures compiled into the program (or those of --fixtures
// FOLDER). Exit status 0 when made, 1 when refused or failed (one line on
// stderr says why), 2 for a wrong command line.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "demo_day.hpp"
#include "demo_error.hpp"
#include "demo_folder.hpp"
#include "demo_printer.hpp"
#include "fixture_source.hpp"
#include "platform/os/clock.hpp"

using namespace zelto;

namespace {

const char* kUsage =
    "usage: zeltoecf-demodata DIR [--fixtures FOLDER]\n"
    "  makes DIR a demo data folder for the checkout: every table with its index\n"
    "  files, operators, configuration, items, tax rates, clients and footer layout,\n"
    "  and an emulated fiscal printer with its four libraries (ecfsim show, roll),\n"
    "  the day open on it and in the tables and CX1's cash period open, ready to sell.\n"
    "  DIR must not hold tables yet. --fixtures reads the fixtures from FOLDER\n"
    "  instead of the copies built into the program.\n";

struct Arguments {
  std::string dir;
  std::optional<std::string> fixtures;
};

std::optional<Arguments> parse(const std::vector<std::string>& args) {
  Arguments a;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--fixtures" && i + 1 < args.size())
      a.fixtures = args[++i];
    else if (!args[i].empty() && args[i][0] != '-' && a.dir.empty())
      a.dir = args[i];
    else
      return std::nullopt;
  }
  if (a.dir.empty()) return std::nullopt;
  return a;
}

size_t count(const demodata::DemoSummary& s, const char* alias) {
  auto it = s.records.find(alias);
  return it == s.records.end() ? 0 : it->second;
}

}  // namespace

int main(int argc, char** argv) {
  auto args = parse(std::vector<std::string>(argv + 1, argv + argc));
  if (!args) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    const auto fixtures =
        args->fixtures ? demodata::FixtureSource::folder(*args->fixtures) : demodata::FixtureSource::embedded();
    os::SystemClock clock;
    const auto summary = demodata::make_demo_folder(args->dir, fixtures, clock.now());
    std::cout << "zeltoecf-demodata: demo data folder made in " << args->dir << "\n"
              << "  " << summary.tables << " tables, " << summary.index_files << " index files\n"
              << "  " << count(summary, "IT") << " items, " << count(summary, "US") << " operators, "
              << count(summary, "CL") << " clients, " << count(summary, "A1") << " ECF tax rates\n";
    const auto printer = demodata::place_demo_printer(args->dir, demodata::program_folder(), clock.now());
    std::cout << "  fiscal printer " << printer.make << " " << printer.serial
              << (printer.kept ? " (the printer already there was kept)" : " (emulated)") << "\n";
    const os::LocalTime today = clock.now();
    demodata::open_demo_day(args->dir, printer, today);
    std::cout << "  the day " << today.date.text() << " open on the printer and in the daily records; "
              << demodata::kDemoCashier << "'s cash period open all day\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "zeltoecf-demodata: " << e.what() << "\n";
    return 1;
  }
}
