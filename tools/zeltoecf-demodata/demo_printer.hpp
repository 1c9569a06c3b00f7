#pragma once
// The demo folder's fiscal printer: the four makers' libraries of the
// emulated printer copied in beside the tables, and a fresh printer of make
// "BE" whose serial number, rates and payment forms are those of the demo
// data (the printer record m350, the rates m370, the forms of m226).

#include <filesystem>
#include <string>
#include <vector>

#include "platform/os/clock.hpp"

namespace zelto::demodata {

struct DemoPrinter {
  std::string make;
  std::string serial;
  std::vector<std::string> libraries;  // file names copied in
  bool kept = false;                   // a printer was there already and is left as it was
};

// The serial number the demo data registers for its printer.
inline constexpr const char* kDemoSerial = "BE091010100011223344";

// Copies the libraries from `libraries_from` (the folder the tool's build
// put them in, beside the tool) and installs the printer, its clock running
// with the computer's, the day not yet opened. A printer already in `dir`
// is kept: its fiscal memory is never replaced. Throws DemoError.
DemoPrinter place_demo_printer(const std::filesystem::path& dir, const std::filesystem::path& libraries_from,
                               const os::LocalTime& now);

// The folder of the running program.
std::filesystem::path program_folder();

}  // namespace zelto::demodata
