#include "ecf/tool/commands.hpp"

#include <unistd.h>

#include <algorithm>

#include "ecf/core/faults.hpp"
#include "ecf/core/fresh.hpp"
#include "ecf/core/store.hpp"

namespace zelto::ecfsim::tool {

namespace fs = std::filesystem;

const char* const kUsage =
    "usage: ecfsim [-C FOLDER] COMMAND ...   (the data folder: FOLDER, else the current one)\n"
    "\n"
    "  init [--make BE|DA|SW|EP] [--serial S] [--clock \"DD/MM/YYYY HH:MM\" [--frozen]] [--force]\n"
    "                          a fresh printer: rates, payment forms, last evening's Z\n"
    "  show                    counters, grand total, day, rates, forms, receipt in progress\n"
    "  roll [N]                the paper roll, or its last N lines\n"
    "  fault                   the faults set\n"
    "  fault fail N CODE       the next N commands return CODE\n"
    "  fault lose N [--zero]   the next N commands are done but their answer is lost\n"
    "                          (success with blank buffers, or 0 with --zero)\n"
    "  fault comm [N]          no answer to the next N commands (no N: until cleared)\n"
    "  fault power-loss        the printer loses power at the next command\n"
    "  fault paper ok|low|end  the paper sensor\n"
    "  fault clear             no faults, paper ok\n"
    "                          fail, lose, comm and power-loss take [--after K]: K commands pass first\n"
    "  clock                   the printer's clock\n"
    "  clock set \"DD/MM/YYYY HH:MM[:SS]\" [--frozen]   runs from that moment (or stands at it)\n"
    "  clock offset MINUTES    runs MINUTES ahead of the computer (negative: behind)\n"
    "  clock real              runs with the computer\n"
    "  libs DIR                copies the four makers' libraries into DIR\n";

bool Args::flag(const std::string& name) {
  auto it = std::find(words_.begin(), words_.end(), name);
  if (it == words_.end()) return false;
  words_.erase(it);
  return true;
}

std::optional<std::string> Args::option(const std::string& name) {
  auto it = std::find(words_.begin(), words_.end(), name);
  if (it == words_.end()) return std::nullopt;
  if (it + 1 == words_.end()) throw UsageError(name + " needs a value");
  std::string v = *(it + 1);
  words_.erase(it, it + 2);
  return v;
}

std::string Args::next(const std::string& what) {
  auto w = maybe_next();
  if (!w) throw UsageError(what + " missing");
  return *w;
}

std::optional<std::string> Args::maybe_next() {
  if (words_.empty()) return std::nullopt;
  std::string w = words_.front();
  words_.erase(words_.begin());
  return w;
}

void Args::done() const {
  if (!words_.empty()) throw UsageError("unexpected \"" + words_.front() + "\"");
}

int Args::number(const std::string& word, const std::string& what, int min) {
  try {
    std::size_t used = 0;
    int v = std::stoi(word, &used);
    if (used == word.size() && v >= min) return v;
  } catch (const std::exception&) {
  }
  throw UsageError(what + " must be a whole number" + (min > 0 ? " from " + std::to_string(min) : std::string()) +
                   ", not \"" + word + "\"");
}

namespace {

DateTime clock_text(const std::string& text) {
  auto t = parse_date_time(text);
  if (!t) throw UsageError("the time is \"DD/MM/YYYY HH:MM\" or \"DD/MM/YYYY HH:MM:SS\", not \"" + text + "\"");
  return *t;
}

FiscalMemory loaded(const Loaded& l) {
  if (!l.memory) {
    if (!l.error.empty()) throw std::runtime_error("the fiscal memory cannot be read: " + l.error);
    throw std::runtime_error("no printer in this folder (ecfsim init makes one)");
  }
  return *l.memory;
}

}  // namespace

void init(const fs::path& folder, Args& a, std::ostream& out) {
  FreshOptions o;
  if (auto m = a.option("--make")) {
    auto mk = parse_make(*m);
    if (!mk) throw UsageError("the make is BE, DA, SW or EP, not \"" + *m + "\"");
    o.make = *mk;
  }
  if (auto s = a.option("--serial")) {
    if (s->empty() || s->size() > 20) throw UsageError("the serial number has 1 to 20 characters");
    o.serial = *s;
  }
  DateTime computer = local_now();
  if (auto c = a.option("--clock")) {
    DateTime t = clock_text(*c);
    if (a.flag("--frozen")) {
      o.clock.mode = ClockSetting::Mode::Frozen;
      o.clock.frozen = t;
    } else {
      o.clock.mode = ClockSetting::Mode::Offset;
      o.clock.offset_seconds = t.seconds() - computer.seconds();
    }
  } else if (a.flag("--frozen")) {
    throw UsageError("--frozen goes with --clock");
  }
  bool force = a.flag("--force");
  a.done();
  if (!fs::is_directory(folder)) throw std::runtime_error("no folder " + folder.string());
  if (fs::exists(folder / files::kMemory) && !force)
    throw std::runtime_error("a printer is already installed here (--force replaces it)");
  FiscalMemory m = install_fresh_printer(folder, o, computer);
  out << "printer " << make_code(m.make) << " " << m.serial << " installed in " << fs::absolute(folder).string()
      << "\n";
}

void show(const fs::path& folder, Args& a, std::ostream& out) {
  a.done();
  PrinterLock lock(folder);
  FiscalMemory m = loaded(load_memory(folder));
  describe(m, m.clock.now(local_now()), out);
  Faults f = load_faults(folder);
  if (f != Faults{}) out << "faults: " << describe_faults(f) << "\n";
}

void roll(const fs::path& folder, Args& a, std::ostream& out) {
  std::optional<int> n;
  if (auto w = a.maybe_next()) n = a.number(*w, "the number of lines", 1);
  a.done();
  auto lines = read_roll(folder);
  std::size_t from = n && static_cast<std::size_t>(*n) < lines.size() ? lines.size() - *n : 0;
  for (std::size_t i = from; i < lines.size(); ++i) out << lines[i] << "\n";
}

void fault(const fs::path& folder, Args& a, std::ostream& out) {
  PrinterLock lock(folder);
  Faults f = load_faults(folder);
  auto what = a.maybe_next();
  if (!what) {
    a.done();
    out << describe_faults(f) << "\n";
    return;
  }
  std::optional<int> after;
  if (auto k = a.option("--after")) after = a.number(*k, "--after", 0);
  if (*what == "fail") {
    f.fail = a.number(a.next("the number of commands"), "the number of commands", 1);
    f.fail_code = a.number(a.next("the return code"), "the return code", -999999);
  } else if (*what == "lose") {
    f.lose = a.number(a.next("the number of commands"), "the number of commands", 1);
    f.lose_zero = a.flag("--zero");
  } else if (*what == "comm") {
    auto n = a.maybe_next();
    f.comm = n ? a.number(*n, "the number of commands", 1) : -1;
  } else if (*what == "power-loss") {
    f.power_loss = true;
  } else if (*what == "paper") {
    std::string s = a.next("ok, low or end");
    if (s == "ok") f.paper = Faults::Paper::Ok;
    else if (s == "low") f.paper = Faults::Paper::Low;
    else if (s == "end") f.paper = Faults::Paper::End;
    else throw UsageError("paper is ok, low or end, not \"" + s + "\"");
    if (after) throw UsageError("--after does not go with paper");
  } else if (*what == "clear") {
    f = Faults{};
    if (after) throw UsageError("--after does not go with clear");
  } else {
    throw UsageError("unknown fault \"" + *what + "\"");
  }
  a.done();
  if (after) f.after = *after;
  save_faults(folder, f);
  out << describe_faults(f) << "\n";
}

void clock(const fs::path& folder, Args& a, std::ostream& out) {
  PrinterLock lock(folder);
  FiscalMemory m = loaded(load_memory(folder));
  DateTime computer = local_now();
  if (auto what = a.maybe_next()) {
    if (*what == "set") {
      DateTime t = clock_text(a.next("the time"));
      if (a.flag("--frozen")) {
        m.clock.mode = ClockSetting::Mode::Frozen;
        m.clock.frozen = t;
      } else {
        m.clock.mode = ClockSetting::Mode::Offset;
        m.clock.offset_seconds = t.seconds() - computer.seconds();
      }
    } else if (*what == "offset") {
      std::string w = a.next("the minutes");
      m.clock.mode = ClockSetting::Mode::Offset;
      m.clock.offset_seconds = static_cast<std::int64_t>(a.number(w, "the minutes", -10000000)) * 60;
    } else if (*what == "real") {
      m.clock = ClockSetting{};
    } else {
      throw UsageError("clock is set, offset or real, not \"" + *what + "\"");
    }
    a.done();
    save_memory(folder, m);
  }
  out << printed(m.clock.now(computer)) << "  (" << m.clock.describe() << ")\n";
}

void libs(const fs::path& folder, Args& a, std::ostream& out) {
  fs::path target = folder / a.next("the folder to copy into");
  a.done();
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) throw std::runtime_error("cannot find where ecfsim is");
  if (!fs::is_directory(target)) throw std::runtime_error("no folder " + target.string());
  for (const char* name : {"Bemafi32.dll", "Daruma32.dll", "ConvEcf.dll", "InterfaceEpson.dll"}) {
    fs::path from = self.parent_path() / name;
    if (!fs::exists(from)) throw std::runtime_error("no " + from.string() + " beside ecfsim");
    fs::copy_file(from, target / name, fs::copy_options::overwrite_existing);
    out << "copied " << name << "\n";
  }
}

}  // namespace zelto::ecfsim::tool
