#pragma once
// A checkout with its payment managers for the card-payment tests: the
// scripted screen, a printer that records what it is asked (and refuses
// what a test tells it to), the sales screen's hooks, the counters and the
// receipt in progress, and the stand-in managers answering between the
// checkout's polls, driven by the test's clock.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/text.hpp"
#include "store/lookup.hpp"
#include "support/scripted_ctx.hpp"
#include "tef/core/office.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/manager_folder.hpp"
#include "tef/printer_port.hpp"
#include "tef/sale_hooks.hpp"

namespace zelto::tef::testing {

// One printer command as the printer received it.
struct Printed {
  std::string command;
  std::string text;  // WTEXTO_TODO for the text commands
};

class RecordingPrinter : public PrinterPort {
 public:
  std::vector<Printed> received;
  // Refuses the nth call (from 1) of a command.
  std::function<bool(const std::string& command, int nth)> refuses = [](const std::string&, int) { return false; };
  bool paper_out = false;

  bool run(core::Ctx& ctx, std::string_view command) override {
    const std::string name(command);
    const bool text = name == "LINHA_RESPOSTA" || name == "ABRE_CU_NAO_FISCAL";
    received.push_back({name, text ? ctx.g.WTEXTO_TODO : std::string()});
    return !refuses(name, ++calls_[name]);
  }
  bool paper_ended(core::Ctx&) override { return paper_out; }

  std::vector<std::string> commands() const {
    std::vector<std::string> out;
    for (const auto& p : received) out.push_back(p.command);
    return out;
  }
  int count(const std::string& command) const {
    int n = 0;
    for (const auto& p : received) n += p.command == command;
    return n;
  }

 private:
  std::map<std::string, int> calls_;
};

// The test's clock: each pause of the checkout moves it on and lets the
// managers look at their folders. `stretch` makes every pause last longer
// than asked, as on a machine too busy to wake on time.
class ManagersClock : public os::Clock {
 public:
  ManagersClock(os::ManualClock& inner, std::function<void(std::int64_t)> managers)
      : inner_(inner), managers_(std::move(managers)) {}
  os::LocalTime now() override { return inner_.now(); }
  void sleep(std::chrono::milliseconds d) override {
    inner_.sleep(d * stretch);
    if (managers_) managers_(now_ms());
  }
  std::int64_t now_ms() {
    const os::LocalTime t = inner_.now();
    return (t.date.serial() * 86400LL + t.seconds()) * 1000LL;
  }
  int stretch = 1;

 private:
  os::ManualClock& inner_;
  std::function<void(std::int64_t)> managers_;
};

struct TefCheckout {
  zelto::testing::ScriptedCtx s;
  tefsim::Office managers{s.dir.path()};
  bool managers_running = true;
  ManagersClock clock{s.clock, [this](std::int64_t ms) {
                        if (managers_running) managers.poll(ms);
                      }};
  core::Ctx ctx{s.g, s.db, s.screen, clock, s.run, s.services};
  std::shared_ptr<RecordingPrinter> printer = std::make_shared<RecordingPrinter>();
  int receipts_closed = 0;
  bool closing_works = true;
  int back_to_form = 0;

  TefCheckout() {
    for (const char* alias : {"NV", "IO"}) {
      const auto& entry = *store::find_entry(alias);
      s.db.create(entry.file(), store::field_defs(*entry.table));
      s.db.use(entry.file(), entry.alias(), entry.mode, store::order_specs(entry));
    }
    s.services.put<PrinterPort>(printer);
    SaleHooks hooks;
    hooks.close_receipt = [this](core::Ctx&) {
      ++receipts_closed;
      return closing_works;
    };
    hooks.back_to_payment_form = [this](core::Ctx&) { ++back_to_form; };
    s.services.emplace<SaleHooks>(hooks);
    s.g.WAUXNUM = 345;
    s.g.NPAGOA = runtime::Decimal::of("12.50");
    s.g.NPAGOH = runtime::Decimal::of("80.00");
    s.g.WCOL = 40;
  }

  core::Globals& g() { return s.g; }

  // The next requests' behaviours at a manager ("deny", "late 30", "CNF silent" ...).
  void plan(const std::string& manager, std::initializer_list<const char*> behaviours) {
    for (const char* b : behaviours) managers.manager(manager).plan().add(tefsim::Behaviour::parse(b));
  }
  std::vector<std::string> journal(const std::string& manager = "PAD") { return managers.manager(manager).journal(); }
  bool journal_has(const std::string& words, const std::string& manager = "PAD") {
    for (const auto& line : journal(manager))
      if (line.find(words) != std::string::npos) return true;
    return false;
  }

  ManagerFolder folder(const std::string& manager = "PAD") { return ManagerFolder(s.dir.path(), manager); }
  bool exists(const std::string& windows_name, const std::string& manager = "PAD") {
    return file_exists(folder(manager).file(windows_name));
  }
  runtime::Decimal last_request_number() {
    auto& nv = s.db.area("NV");
    nv.go_top();
    return nv.eof() ? runtime::Decimal(0) : nv.number("C781");
  }
  std::vector<std::string> shown(const std::string& kind) const { return s.transcript().texts(kind); }
  bool message_shown(const std::string& text) const {
    for (const auto& m : shown("message"))
      if (m == text) return true;
    return false;
  }
};

}  // namespace zelto::tef::testing
