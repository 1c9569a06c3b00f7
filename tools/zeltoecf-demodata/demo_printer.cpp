#include "demo_printer.hpp"

#include "demo_error.hpp"
#include "ecf/core/fresh.hpp"
#include "ecf/core/store.hpp"

namespace zelto::demodata {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLibraries[] = {"Bemafi32.dll", "Daruma32.dll", "ConvEcf.dll", "InterfaceEpson.dll"};

ecfsim::DateTime emulator_time(const os::LocalTime& t) {
  return ecfsim::DateTime{ecfsim::Date{t.date.year(), t.date.month(), t.date.day()}, t.hour, t.minute, t.second};
}

}  // namespace

fs::path program_folder() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) throw DemoError("cannot find where zeltoecf-demodata runs from: " + ec.message());
  return self.parent_path();
}

DemoPrinter place_demo_printer(const fs::path& dir, const fs::path& libraries_from, const os::LocalTime& now) {
  DemoPrinter placed{"BE", kDemoSerial, {}, false};
  for (const char* name : kLibraries) {
    const fs::path from = libraries_from / name;
    std::error_code ec;
    fs::copy_file(from, dir / name, fs::copy_options::overwrite_existing, ec);
    if (ec) throw DemoError("cannot copy the printer library " + from.string() + ": " + ec.message());
    placed.libraries.push_back(name);
  }
  if (fs::exists(dir / ecfsim::files::kMemory)) {
    placed.kept = true;
    return placed;
  }
  ecfsim::FreshOptions options;
  options.make = ecfsim::Make::BE;
  options.serial = kDemoSerial;
  try {
    ecfsim::install_fresh_printer(dir, options, emulator_time(now));
  } catch (const std::exception& e) {
    throw DemoError(std::string("cannot install the demo printer: ") + e.what());
  }
  return placed;
}

}  // namespace zelto::demodata
