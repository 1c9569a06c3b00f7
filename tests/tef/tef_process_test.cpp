// The checkout against the stand-in managers running as their own process
// (tefsim serve), as on a shop's machine: a card payment end to end, and a
// checkout killed in the middle of one whose transaction is not confirmed
// at its next start.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/os/file_lookup.hpp"
#include "support/temp_dir.hpp"
#include "tef/ger_padrao.hpp"
#include "tef/recovery.hpp"
#include "tef_fixture.hpp"

extern char** environ;

namespace zelto::tef {
namespace {

// The checkout's clock in these tests. Once the checkout has handed a
// request over, its pauses last until the manager writes its status, and
// after the status until it writes its response (five seconds of real time
// at most for each); other pauses cost nothing. The checkout's own time
// moves on by the pause it asked for.
class ManagerFilesClock : public os::Clock {
 public:
  explicit ManagerFilesClock(const ManagerFolder& folder) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    request_watch_ = ::inotify_add_watch(fd_, folder.file("req").c_str(), IN_MOVED_TO);
    ::inotify_add_watch(fd_, folder.file("resp").c_str(), IN_CLOSE_WRITE | IN_MOVED_TO);
  }
  ~ManagerFilesClock() override { ::close(fd_); }
  os::LocalTime now() override { return manual_.now(); }
  void sleep(std::chrono::milliseconds d) override {
    follow();
    while (awaiting_ != Awaiting::Nothing) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 5000) <= 0) {
        awaiting_ = Awaiting::Nothing;
        break;
      }
      if (follow()) break;
    }
    manual_.sleep(d);
  }

 private:
  enum class Awaiting { Nothing, Status, Response };
  // The request handed over, then the manager's answers, in the order they
  // came; true when the manager wrote something.
  bool follow() {
    alignas(inotify_event) char buf[4096];
    bool wrote = false;
    for (ssize_t n; (n = ::read(fd_, buf, sizeof buf)) > 0;) {
      for (char* p = buf; p < buf + n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(p);
        const std::string name = e->len ? e->name : "";
        if (e->wd == request_watch_) {
          if (name == "IntPos.001") awaiting_ = Awaiting::Status;
        } else if (name == "IntPos.Sts") {
          awaiting_ = Awaiting::Response;  // a transaction's response follows; an acknowledgement's wait ends
          wrote = true;
        } else if (name == "IntPos.001") {
          awaiting_ = Awaiting::Nothing;
          wrote = true;
        }
        p += sizeof(inotify_event) + e->len;
      }
    }
    return wrote;
  }
  int fd_ = -1;
  int request_watch_ = -1;
  Awaiting awaiting_ = Awaiting::Nothing;
  os::ManualClock manual_{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
};

// A checkout process on the data folder.
struct Checkout {
  explicit Checkout(const std::filesystem::path& folder)
      : db({folder, true, {}}), clock(ManagerFolder(folder, "PAD")) {
    for (const char* alias : {"NV", "IO"}) {
      const auto& entry = *store::find_entry(alias);
      if (!os::find_file(folder, entry.file())) db.create(entry.file(), store::field_defs(*entry.table));
      db.use(entry.file(), entry.alias(), entry.mode, store::order_specs(entry));
    }
    services.put<PrinterPort>(printer);
    SaleHooks hooks;
    hooks.close_receipt = [](core::Ctx&) { return true; };
    services.emplace<SaleHooks>(hooks);
    g.WAUXNUM = 345;
    g.NPAGOA = runtime::Decimal::of("12.50");
    g.WCOL = 40;
  }
  core::Globals g;
  xbase::Workspace db;
  screen::scripted::ScriptedScreen screen;
  ManagerFilesClock clock;
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};
  std::shared_ptr<testing::RecordingPrinter> printer = std::make_shared<testing::RecordingPrinter>();
};

// `tefsim serve` on the folder, stopped at the end.
class Managers {
 public:
  explicit Managers(const std::filesystem::path& folder) {
    const std::string data = folder.string();
    char* argv[] = {const_cast<char*>(TEFSIM_TOOL), const_cast<char*>("serve"), const_cast<char*>(data.c_str()),
                    const_cast<char*>("--interval"), const_cast<char*>("10"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, TEFSIM_TOOL, &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    // Serving once its folders are there.
    for (int i = 0; i < 500 && !std::filesystem::exists(ManagerFolder(folder, "HIP").file("resp")); ++i)
      ::usleep(10000);
  }
  ~Managers() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
  bool running() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
};

std::vector<std::string> journal(const std::filesystem::path& folder) {
  std::ifstream in(ManagerFolder(folder, "PAD").root() / "tefsim_diario.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(TefProcess, ACardPaymentEndToEnd) {
  zelto::testing::TempDir data;
  Managers managers(data.path());
  ASSERT_TRUE(managers.running());
  Checkout checkout(data.path());
  ASSERT_TRUE(GER_PADRAO(checkout.ctx, "CRT", 0, "PAD")) << checkout.screen.transcript().str();
  EXPECT_EQ(journal(data.path()),
            (std::vector<std::string>{"CRT 1 aprovada nsu=000001 valor=1250 doc=345", "CNF 2 confirmada nsu=000001"}));
  EXPECT_EQ(checkout.printer->count("LINHA_RESPOSTA"), 8 + 7 + 8);
  EXPECT_EQ(checkout.g.WC_012, "000001");
}

TEST(TefProcess, ACheckoutKilledMidPaymentHasItsTransactionCancelledAtTheNextStart) {
  zelto::testing::TempDir data;
  Managers managers(data.path());
  ASSERT_TRUE(managers.running());

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The checkout dies as the printer is asked for the card payment: the
    // manager has approved it, nothing is confirmed.
    Checkout checkout(data.path());
    checkout.printer->refuses = [](const std::string& command, int) {
      if (command == "PAGO_CARTAO") ::raise(SIGKILL);
      return false;
    };
    GER_PADRAO(checkout.ctx, "CRT", 0, "PAD");
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ASSERT_TRUE(std::filesystem::exists(ManagerFolder(data.path(), "PAD").file("IntPos.Tmp")));

  Checkout next_start(data.path());
  auto& io = next_start.db.area("IO");
  io.append_blank();
  io.put("C012", "00000042");
  next_start.screen.script().ok("Cancelada a Transacao\nRede: REDECARD\nDoc. No: 000001\nValor: 12.50");
  for (const char* manager : {"PAD", "HIP", "TEC"}) TEF_INICIO_ZELTO(next_start.ctx, manager);
  EXPECT_TRUE(next_start.screen.script().empty()) << next_start.screen.transcript().str();
  EXPECT_EQ(journal(data.path()), (std::vector<std::string>{"CRT 1 aprovada nsu=000001 valor=1250 doc=345",
                                                           "ATV 2 ativo", "NCN 3 desfeita nsu=000001 doc=345"}));
  EXPECT_FALSE(std::filesystem::exists(ManagerFolder(data.path(), "PAD").file("IntPos.Tmp")));
  io.go_top();
  EXPECT_TRUE(io.eof());
}

}  // namespace
}  // namespace zelto::tef
