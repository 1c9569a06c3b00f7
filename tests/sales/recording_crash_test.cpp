// A checkout process killed at each step of the recording of a closed
// receipt, then started again: the journal left behind lets the start
// finish the recording, and nothing is written twice.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "recording_fixture.hpp"
#include "sales/receipt_journal.hpp"
#include "store/open_catalogue.hpp"

namespace zelto::sales::recording_testing {
namespace {

// Runs the recording in a child process killed at the `n`-th probe. True
// when the child was killed, false when the recording ended before it.
bool record_killed_at(ReceiptCtx& t, char letter, int n) {
  t.db.commit_all();
  const pid_t child = fork();
  if (child == 0) {
    int calls = 0;
    record_closed_receipt(t.ctx, letter, [&](const std::string&) {
      if (++calls == n) raise(SIGKILL);
    });
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The next start: the tables opened again and the sale's settings lost.
void restart(ReceiptCtx& t) {
  t.db.close_all();
  store::G_ABREAR(t.ctx);
  t.g.WTOTALVALOR = Decimal(0);
  t.g.NPAGOD = Decimal(0);
  t.g.WTROCO = Decimal(0);
  t.g.W_VISTA = " ";
  t.g.WAUXNUM = Decimal(0);
  t.g.WHORACUPOM = "";
}

std::string recovered(long coo) {
  return "ok \"O Cupom " + runtime::strzero(Decimal(coo), 6) +
         " foi fechado na impressora mas nao tinha sido gravado; a gravacao foi concluida agora.\"\n";
}

void expect_recorded_once(ReceiptCtx& t, const std::string& where) {
  xbase::Table& ro = t.first("RO");
  EXPECT_EQ(ro.text("C127"), "F") << where;
  EXPECT_EQ(ro.number("C130"), d("40.88")) << where;
  EXPECT_TRUE(store::seal_holds(ro)) << where;
  EXPECT_EQ(t.first("NV").text("C778"), "F") << where;
  EXPECT_EQ(t.stock("00000001"), Decimal(-1)) << where;
  EXPECT_EQ(t.stock("00000002"), Decimal(-2)) << where;
  EXPECT_TRUE(t.item_sealed("00000002")) << where;
  ASSERT_EQ(t.count("Y2"), 1) << where;
  EXPECT_TRUE(store::seal_holds(t.first("Y2"))) << where;
  EXPECT_EQ(t.first("Y2").number("TROCO"), d("9.12")) << where;
  ASSERT_EQ(t.count("MV"), 1) << where;
  EXPECT_EQ(t.first("MV").number("C076"), d("50.00")) << where;
  for (const char* work : {"IO", "P2", "Y3"}) EXPECT_EQ(t.count(work), 0) << where << " " << work;
  EXPECT_FALSE(ReceiptJournal(t.ctx).exists()) << where;
}

TEST(RecordingCrash, KilledAtEachStepThenStartedAgainRecordsOnce) {
  int killed = 0;
  for (int n = 1; n < 40; ++n) {
    ReceiptCtx t;
    t.paid_in_cash(d("40.88"), d("50.00"));
    ASSERT_TRUE(IMP_LAYOUT(t.ctx));
    if (!record_killed_at(t, 'D', n)) break;
    ++killed;
    restart(t);
    t.with_dialogs(recovered(t.coo), [&] { EXPECT_TRUE(recover_unrecorded_receipt(t.ctx)); });
    expect_recorded_once(t, "killed at probe " + std::to_string(n));
    // A second start finds nothing left to do.
    EXPECT_TRUE(recover_unrecorded_receipt(t.ctx));
    EXPECT_EQ(t.count("Y2"), 1);
  }
  EXPECT_GE(killed, 7) << "NV, RO, GT, two stock lines, Y2, the movement and the work tables";
}

TEST(RecordingCrash, KilledBetweenThePrintersCloseAndTheRecording) {
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("50.00"));
  t.g.NFORM = "D";
  ASSERT_TRUE(IMP_LAYOUT(t.ctx));
  ASSERT_TRUE(ReceiptJournal(t.ctx).exists());
  restart(t);
  t.with_dialogs(recovered(t.coo), [&] { EXPECT_TRUE(recover_unrecorded_receipt(t.ctx)); });
  expect_recorded_once(t, "after the close");
  EXPECT_EQ(t.first("Y2").text("C254"), "D   ");
}

TEST(RecordingCrash, TheSalesScreensStartFinishesTheRecordingBeforeEmptyingTheWorkTables) {
  ReceiptCtx t;
  t.paid_in_cash(d("100.00"), d("0"));
  t.g.NPAGOD = Decimal(0);
  t.g.W_VISTA = "P";
  xbase::Table& p2 = t.db.area("P2");
  for (int i = 0; i < 2; ++i) {
    p2.append_blank();
    p2.put("C451", runtime::strzero(Decimal(i + 1), 2));
    p2.put("C700", d("50.00"));
  }
  ASSERT_TRUE(IMP_LAYOUT(t.ctx));
  ASSERT_TRUE(record_killed_at(t, 'D', 1));
  restart(t);
  t.with_dialogs(recovered(t.coo), [&] { OLD_TELA_DE_VENDA(t.ctx, SalesHost{}); });
  EXPECT_EQ(t.column("CR", "C451"), (std::vector<std::string>{"01", "02"})) << "the instalments were still there";
  EXPECT_EQ(t.first("RO").text("C127"), "F");
  EXPECT_EQ(t.count("P2"), 0);
  EXPECT_FALSE(ReceiptJournal(t.ctx).exists());
}

TEST(RecordingCrash, ADiedCloseTheFirstStartChecksOnThePrinter) {
  // Killed after the journal named the receipt but before the printer was
  // asked: the receipt is still open there and nothing is recorded.
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("50.00"));
  ReceiptJournal(t.ctx).begin('D', false);
  restart(t);
  t.with_dialogs("ok \"O Cupom " + runtime::strzero(Decimal(t.coo), 6) +
                     " nao foi fechado na impressora e nao foi gravado. Se ainda estiver aberto, providencie o "
                     "cancelamento.\"\n",
                 [&] { EXPECT_FALSE(recover_unrecorded_receipt(t.ctx)); });
  EXPECT_EQ(t.first("RO").text("C127"), "A");
  EXPECT_EQ(t.count("Y2"), 0);
  EXPECT_FALSE(ReceiptJournal(t.ctx).exists());

  // Killed while the printer was closing it: the printer did close it.
  ReceiptCtx u;
  u.paid_in_cash(d("40.88"), d("50.00"));
  ReceiptJournal(u.ctx).begin('D', false);
  ASSERT_TRUE(ecf::IMP_FISCAL(u.ctx, "IMP_RODAPE").ok);
  restart(u);
  u.with_dialogs(recovered(u.coo), [&] { EXPECT_TRUE(recover_unrecorded_receipt(u.ctx)); });
  expect_recorded_once(u, "closed while the run died");
}

}  // namespace
}  // namespace zelto::sales::recording_testing
