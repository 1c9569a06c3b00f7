#pragma once
// A test context whose data folder holds the four makers' libraries and a
// fresh emulated printer of one make, its clock standing at the context's
// 11/12/2026 10:30. The test runs in that folder, as the program runs in its
// data folder, where the libraries find their printer.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ecf/core/faults.hpp"
#include "ecf/core/fresh.hpp"
#include "ecf/core/memory_file.hpp"
#include "ecf/core/store.hpp"
#include "platform/runtime/cp1252.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::ecf::testing {

namespace fs = std::filesystem;
namespace sim = zelto::ecfsim;

inline const std::vector<fs::path>& library_files() {
  static const std::vector<fs::path> files = {ECFSIM_BEMATECH, ECFSIM_DARUMA, ECFSIM_SWEDA, ECFSIM_EPSON};
  return files;
}

inline void copy_libraries(const fs::path& dir) {
  for (const auto& f : library_files()) fs::copy_file(f, dir / f.filename(), fs::copy_options::overwrite_existing);
}

inline sim::Make sim_make(const std::string& code) {
  if (code == "DA") return sim::Make::DA;
  if (code == "SW") return sim::Make::SW;
  if (code == "EP") return sim::Make::EP;
  return sim::Make::BE;
}

inline sim::DateTime at(int h, int mi, int s = 0) { return sim::DateTime{sim::Date{2026, 12, 11}, h, mi, s}; }

class InFolder {
 public:
  explicit InFolder(const fs::path& p) : before_(fs::current_path()) { fs::current_path(p); }
  ~InFolder() { fs::current_path(before_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path before_;
};

struct Folder {
  bool libraries = true;
  bool printer = true;
  std::string serial;  // empty: the emulator's own
};
inline Folder without_libraries() {
  Folder f;
  f.libraries = false;
  return f;
}
inline Folder with_serial(std::string serial) {
  Folder f;
  f.serial = std::move(serial);
  return f;
}

// The faults the printer meets from its next command on.
inline sim::Faults fault(const std::function<void(sim::Faults&)>& set) {
  sim::Faults f;
  set(f);
  return f;
}

struct PrinterCtx : zelto::testing::ScriptedCtx {
  explicit PrinterCtx(const std::string& make, Folder s = {}) : here(dir.path()) {
    g.VIMP_FIS = make;
    if (s.libraries) copy_libraries(dir.path());
    if (s.printer) {
      sim::FreshOptions o;
      o.make = sim_make(make);
      o.serial = s.serial;
      o.clock.mode = sim::ClockSetting::Mode::Frozen;
      o.clock.frozen = at(10, 30);
      sim::install_fresh_printer(dir.path(), o, at(10, 30));
    }
    // The item being sold, whose unit the item line carries.
    xbase::Table& items = db.create_temp("IT", {{"C408", xbase::FieldType::Character, 2, 0, 0}});
    items.append_blank();
    items.put("C408", "UN");
  }

  InFolder here;

  sim::FiscalMemory memory() const {
    auto l = sim::load_memory(dir.path());
    if (!l.memory) throw std::runtime_error("unreadable fiscal memory: " + l.error);
    return *l.memory;
  }
  void change(const std::function<void(sim::FiscalMemory&)>& f) {
    sim::FiscalMemory m = memory();
    f(m);
    sim::save_memory(dir.path(), m);
  }
  void faults(const sim::Faults& f) { sim::save_faults(dir.path(), f); }
  std::vector<std::string> roll() const { return sim::read_roll(dir.path()); }
  // A line of the paper roll holding every one of `parts`.
  bool roll_has(std::initializer_list<std::string> parts) const {
    for (const auto& line : roll())
      if (std::all_of(parts.begin(), parts.end(), [&](const std::string& p) { return line.find(p) != std::string::npos; }))
        return true;
    return false;
  }
  // The texts of the error, alert and question boxes shown, in UTF-8.
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& e : transcript().entries())
      if (e.kind == "error" || e.kind == "alert" || e.kind == "question") out.push_back(e.text);
    return out;
  }
};

// Windows-1252 of a text written here in UTF-8.
inline std::string w(const char* utf8) { return runtime::utf8_to_cp1252(utf8); }

}  // namespace zelto::ecf::testing
