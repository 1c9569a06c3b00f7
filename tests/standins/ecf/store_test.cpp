// The fiscal memory on disk: written and read back whole, never left half
// written by a process that dies, and the fault control file.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

TEST(Store, TheMemoryReadsBackAsItWasWritten) {
  PrinterFolder f;
  f.must([](Printer& p) { return p.open_receipt("123.456.789-09"); });
  f.must([](Printer& p) { return p.sell(ItemSale{"7890", "P\xC3O DE A\xC7\xDA" "CAR | 1kg\\", "1800", "KG", 1500, 4990, 0, 0}); });
  f.must([](Printer& p) { return p.sell(item("2", "II", 100)); });
  f.must([](Printer& p) { return p.cancel_item(2); });
  f.must([](Printer& p) { return p.subtotal(Adjustment{false, false, 150}); });
  f.must([](Printer& p) { return p.pay("Cheque", 1000); });
  f.must([](Printer& p) { return p.identify_consumer("1", "JOS\xC9\nDA SILVA", "RUA A|B"); });
  f.change([](FiscalMemory& m) { m.clock.mode = ClockSetting::Mode::Offset;
    m.clock.offset_seconds = -900; });

  FiscalMemory m = f.memory();
  const std::string text = memory_to_text(m);
  auto back = memory_from_text(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, m);
  EXPECT_EQ(back->receipt->items[0].description, "P\xC3O DE A\xC7\xDA" "CAR | 1kg\\");
  // Readable by people: UTF-8, one fact a line.
  EXPECT_NE(text.find("PÃO DE AÇÚCAR \\| 1kg\\\\"), std::string::npos);
  EXPECT_NE(text.find("\ncoo=2\n"), std::string::npos);

  std::string error;
  EXPECT_FALSE(memory_from_text(text + "receipt.item=1|x\n", &error));
  EXPECT_NE(error.find("line "), std::string::npos);
  EXPECT_FALSE(memory_from_text("coo=1\n", &error)) << "a file without its version line is no memory";
}

TEST(Store, AProcessKilledWhileWritingLeavesThePreviousMemoryWhole) {
  PrinterFolder f;
  const FiscalMemory before = f.memory();
  FiscalMemory changed = before;
  changed.coo = 777;
  changed.serial = "CHANGED";
  pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    PrinterLock lock(f.path());
    save_memory(f.path(), changed, WriteHooks{[] { ::raise(SIGKILL); }});
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(f.memory(), before);
  // The lock died with the process, and the printer goes on.
  f.must([](Printer& p) { return p.x_reading(); });
  EXPECT_EQ(f.memory().coo, before.coo + 1);
}

TEST(Store, TwoProcessesTakeTurnsAndLoseNoCommand) {
  PrinterFolder f;
  const int coo = f.memory().coo;
  constexpr int kEach = 15;
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      for (int i = 0; i < kEach; ++i) {
        CallResult r = f.call([](Printer& p) { return p.x_reading(); });
        if (!r.outcome.ok()) ::_exit(1);
      }
      ::_exit(0);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(f.memory().coo, coo + 2 * kEach);
  int documents = 0;
  for (const auto& line : f.roll()) documents += read_document_line(line) ? 1 : 0;
  EXPECT_EQ(documents, 1 + 2 * kEach) << "every reading whole on the roll";
}

TEST(Faults, ControlFileRoundTripAndTheOrderFaultsStrikeIn) {
  Faults f;
  f.paper = Faults::Paper::Low;
  f.after = 1;
  f.fail = 1;
  f.fail_code = -27;
  f.lose = 1;
  f.lose_zero = true;
  f.comm = 1;
  f.power_loss = true;
  auto back = faults_from_text(faults_to_text(f));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, f);
  EXPECT_FALSE(faults_from_text("paper=wet\n"));

  using B = Strike::Before;
  const B order[] = {B::None, B::PowerLoss, B::NoAnswer, B::Fail, B::None, B::None};
  for (B expected : order) EXPECT_EQ(take_strike(f).before, expected);
  EXPECT_FALSE(f.any_pending());
  Faults lose;
  lose.lose = 1;
  Strike s = take_strike(lose);
  EXPECT_TRUE(s.lose);
  EXPECT_FALSE(s.lose_zero);
}

}  // namespace
}  // namespace zelto::ecfsim::testing
