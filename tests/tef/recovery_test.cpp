// A transaction left pending when the checkout stopped is told not to be
// confirmed at the next start; nothing is asked of a manager otherwise.

#include <gtest/gtest.h>

#include "tef/exchange.hpp"
#include "tef/ger_padrao.hpp"
#include "tef/recovery.hpp"
#include "tef/texts.hpp"
#include "tef_fixture.hpp"

namespace zelto::tef {
namespace {

using testing::TefCheckout;

// The response of an approved card payment as the checkout kept it before
// it was killed.
const char* const kKeptResponse =
    "000-000 = CRT\r\n001-000 = 41\r\n002-000 = 345\r\n003-000 = 1250\r\n010-000 = VISANET\r\n"
    "012-000 = 004242\r\n027-000 = 94242\r\n028-000 = 1\r\n029-001 = \"COMPROVANTE\"\r\n999-999 = 0\r\n";

void left_pending(TefCheckout& t, const char* kept = kKeptResponse) {
  t.folder().make_folders();
  ASSERT_TRUE(keep_pending(t.folder(), kept));
  auto& io = t.s.db.area("IO");
  io.append_blank();
  io.put("C012", "00000042");
}

TEST(Recovery, NothingPendingAsksNothingOfTheManagers) {
  TefCheckout t;
  for (const char* manager : {"PAD", "HIP", "TEC"}) TEF_INICIO_ZELTO(t.ctx, manager);
  EXPECT_TRUE(t.s.transcript().entries().empty()) << t.s.transcript().str();
  EXPECT_EQ(t.last_request_number(), 0);
  for (const char* manager : {"PAD", "HIP", "TEC"}) EXPECT_TRUE(t.journal(manager).empty());
}

TEST(Recovery, AKilledCheckoutsTransactionIsNotConfirmedAtTheNextStart) {
  TefCheckout t;
  left_pending(t);
  t.s.script().ok("Cancelada a Transacao\nRede: VISANET\nDoc. No: 004242\nValor: 12.50");
  for (const char* manager : {"PAD", "HIP", "TEC"}) TEF_INICIO_ZELTO(t.ctx, manager);
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_EQ(t.journal(), (std::vector<std::string>{"ATV 1 ativo", "NCN 2 desfeita nsu=004242 doc=345"}));
  EXPECT_TRUE(t.journal("HIP").empty());
  EXPECT_FALSE(t.exists(std::string(kPending)));
  EXPECT_TRUE(t.g().WCANC_TEF);
  // The receipt in progress went with it.
  auto& io = t.s.db.area("IO");
  io.go_top();
  EXPECT_TRUE(io.eof());
}

TEST(Recovery, AnInactiveManagerIsAskedAgainUntilTheOperatorLeavesIt) {
  TefCheckout t;
  left_pending(t);
  t.plan("PAD", {"ATV silent", "ATV silent"});
  const std::string again = std::string(texts::kTryActivatingAgain) + " ?     ";
  t.s.script().answer(again, true).answer(again, false).ok(std::string(texts::kLeftPending));
  TEF_INICIO_ZELTO(t.ctx, "PAD");
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  // Still pending, for the next start; the receipt in progress stays too.
  EXPECT_TRUE(t.exists(std::string(kPending)));
  EXPECT_FALSE(t.journal_has("NCN"));
  auto& io = t.s.db.area("IO");
  io.go_top();
  EXPECT_FALSE(io.eof());

  // The next start finds the manager back.
  t.s.script().ok("Cancelada a Transacao\nRede: VISANET\nDoc. No: 004242\nValor: 12.50");
  TEF_INICIO_ZELTO(t.ctx, "PAD");
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_TRUE(t.journal_has("NCN 4 desfeita nsu=004242"));
  EXPECT_FALSE(t.exists(std::string(kPending)));
}

TEST(Recovery, APendingTransactionTheManagerCannotSettleHoldsBackANewOne) {
  TefCheckout t;
  left_pending(t);
  t.plan("PAD", {"ATV silent"});
  const std::string again = std::string(texts::kTryActivatingAgain) + " ?     ";
  t.s.script().answer(again, false).ok(std::string(texts::kLeftPending));
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_EQ(t.journal(), std::vector<std::string>{"ATV 1 sem resposta"});
  EXPECT_EQ(t.back_to_form, 1);
  auto kept = read_exchange_file(t.folder().file(std::string(kPending)));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->field("012-000"), "004242");
}

TEST(Recovery, AnUnreadableCopyIsStillNotConfirmed) {
  TefCheckout t;
  left_pending(t, "\x01\x02 not a manager's file");
  t.s.script().ok("Cancelada a Transacao\nRede: ");
  TEF_INICIO_ZELTO(t.ctx, "PAD");
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_TRUE(t.journal_has("NCN 2 desfeita"));
  EXPECT_FALSE(t.exists(std::string(kPending)));
}

}  // namespace
}  // namespace zelto::tef
