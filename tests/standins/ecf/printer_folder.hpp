#pragma once
// A data folder with a fresh emulated printer whose clock stands still at a
// chosen moment, and commands run on it as the makers' libraries run them.

#include <gtest/gtest.h>

#include <algorithm>

#include "ecf/core/answers.hpp"
#include "ecf/core/fresh.hpp"
#include "ecf/core/memory_file.hpp"
#include "ecf/core/session.hpp"
#include "ecf/core/store.hpp"
#include "support/temp_dir.hpp"

namespace zelto::ecfsim::testing {

inline DateTime at(int y, int mo, int d, int h, int mi, int s = 0) { return DateTime{Date{y, mo, d}, h, mi, s}; }

class PrinterFolder {
 public:
  explicit PrinterFolder(Make make = Make::BE, DateTime now = at(2026, 12, 11, 10, 0)) : make_(make) {
    FreshOptions o;
    o.make = make;
    o.clock.mode = ClockSetting::Mode::Frozen;
    o.clock.frozen = now;
    install_fresh_printer(dir.path(), o, now);
  }

  const std::filesystem::path& path() const { return dir.path(); }

  FiscalMemory memory() const {
    auto l = load_memory(dir.path());
    if (!l.memory) throw std::runtime_error("unreadable memory: " + l.error);
    return *l.memory;
  }
  void change(const std::function<void(FiscalMemory&)>& f) {
    FiscalMemory m = memory();
    f(m);
    save_memory(dir.path(), m);
  }
  void set_clock(DateTime t) {
    change([&](FiscalMemory& m) { m.clock.frozen = t; });
  }
  void set_faults(const Faults& f) { save_faults(dir.path(), f); }

  CallResult call(const Operation& op, CallKind kind = CallKind::Command) {
    return run_command(dir.path(), make_, kind, op);
  }
  // The printer's verdict on a command that got its answer.
  Outcome run(const Operation& op) {
    CallResult r = call(op);
    EXPECT_TRUE(r.answered) << r.error;
    return r.outcome;
  }
  void must(const Operation& op) {
    Outcome o = run(op);
    ASSERT_TRUE(o.ok()) << o.why;
  }

  std::vector<std::string> roll() const { return read_roll(dir.path()); }
  bool roll_has(const std::string& line) const {
    auto r = roll();
    return std::find(r.begin(), r.end(), line) != r.end();
  }

  zelto::testing::TempDir dir;

 private:
  Make make_;
};

// An item at a unit price in cents and a quantity in thousandths.
inline ItemSale item(const std::string& code, const std::string& tax, Cents price, Milli quantity = 1000) {
  return ItemSale{code, "ITEM " + code, tax, "UN", quantity, price * 10, 0, 0};
}

}  // namespace zelto::ecfsim::testing
