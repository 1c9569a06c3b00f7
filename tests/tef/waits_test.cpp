// The waits on a manager: each ends, by the manager's answer, by the clock,
// or by the operator, and none loses the transaction.

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include "tef/exchange.hpp"
#include "tef/ger_padrao.hpp"
#include "tef/handshake.hpp"
#include "tef/texts.hpp"
#include "tef_fixture.hpp"

namespace zelto::tef {
namespace {

using testing::TefCheckout;

const std::string kLeftPending = std::string(texts::kLeftPending);
const std::string kKeepWaiting = "O Gerenciador Padrao nao respondeu. Continuar Aguardando ?     ";

TEST(StatusWait, IsMeasuredByTheClockNotByPasses) {
  TefCheckout t;
  t.managers_running = false;
  t.clock.stretch = 5;  // every pause takes five seconds
  t.s.script().ok("O Gerenciador Padrao \"NAO\" esta ATIVO");
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_EQ(t.s.clock.slept(), std::chrono::seconds(15));
  EXPECT_TRUE(t.message_shown("Esperando Retorno do TEF 4"));
  EXPECT_FALSE(t.message_shown("Esperando Retorno do TEF 5"));
}

// A status file the manager writes in reply to request 7 of "CRT".
struct StatusCase {
  const char* status;
  bool taken;         // the manager is active
  const char* error;  // what the operator is shown, or ""
};

TEST(StatusWait, OnlyExactlyTheThreeRightLinesMeanTheManagerTookTheRequest) {
  const StatusCase cases[] = {
      {"000-000 = CRT\r\n001-000 = 7\r\n999-999 = 0\r\n", true, ""},
      {"000-000 = CRT\n001-000 = 7\n\n   999-999 = 0   \n", true, ""},  // read leniently
      {"000-000 = CRT\r\n001-000 = 7\r\n999-999 = 0\r\n000-000 = CRT\r\n", false, ""},
      {"000-000 = CRT\r\n001-000 = 0007\r\n999-999 = 0\r\n", false, "Nao Retornou a Sequencia certa 001-000 = 0007"},
      {"000-000 = ADM\r\n001-000 = 7\r\n999-999 = 0\r\n", false, "Nao Retornou o arquivo certo 000-000 = ADM"},
      {"000-000 = CRT\r\n001-000 = 6\r\n999-999 = 0\r\n", false, "Nao Retornou a Sequencia certa 001-000 = 6"},
      {"000-000 = CRT\r\n001-000 = 7\r\n999-999 = 1\r\n", false, "Nao Retornou a Sequencia certa 999-999 = 1"},
  };
  for (const auto& c : cases) {
    TefCheckout t;
    t.managers_running = false;
    Exchange exchange(t.ctx, "CRT", "PAD");
    exchange.number = "7";
    exchange.folder.make_folders();
    ASSERT_TRUE(write_whole(exchange.folder.file(kStatus), c.status));
    if (*c.error) t.s.script().ok(c.error);
    const bool right = c.taken;
    EXPECT_EQ(hand_over(t.ctx, exchange, "request"), right) << c.status;
    EXPECT_EQ(t.g().WGEREN_ATIVO, right) << c.status;
    EXPECT_TRUE(t.s.script().empty()) << c.status;
    // A wrong status is not taken for long: the manager has its full time.
    EXPECT_EQ(t.s.clock.slept(), std::chrono::seconds(right ? 0 : 12)) << c.status;
    EXPECT_FALSE(t.exists(std::string(kStatus))) << c.status;
  }
}

TEST(ResponseWait, TheOperatorMayLeaveTheTransactionPendingAndTheNextPaymentSettlesItFirst) {
  TefCheckout t;
  t.plan("PAD", {"late 1000"});
  t.s.script().answer(kKeepWaiting, false).ok(kLeftPending);
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_EQ(t.s.clock.slept(), std::chrono::seconds(1 + 120));  // the status, then the patience
  EXPECT_EQ(t.back_to_form, 1);
  EXPECT_TRUE(t.printer->received.empty());
  // The copy of the pending transaction holds the request.
  auto pending = read_exchange_file(t.folder().file(std::string(kPending)));
  ASSERT_TRUE(pending);
  EXPECT_EQ(pending->field("000-000"), "CRT");
  EXPECT_EQ(pending->field("001-000"), "1");
  EXPECT_EQ(pending->field("003-000"), "1250");

  // The manager answers at last; the next card payment first tells it not
  // to confirm that transaction, naming it by the late response.
  t.clock.sleep(std::chrono::seconds(1000));
  t.s.script().ok("Cancelada a Transacao\nRede: REDECARD\nDoc. No: 000001\nValor: 12.50");
  EXPECT_TRUE(GER_PADRAO(t.ctx, "CRT", 0, "PAD")) << t.s.transcript().str();
  EXPECT_TRUE(t.s.script().empty());
  const auto journal = t.journal();
  ASSERT_EQ(journal.size(), 5u);
  EXPECT_EQ(journal[1], "ATV 2 ativo");
  EXPECT_EQ(journal[2], "NCN 3 desfeita nsu=000001 doc=345");
  EXPECT_EQ(journal[3], "CRT 4 aprovada nsu=000002 valor=1250 doc=345");
  EXPECT_EQ(journal[4], "CNF 5 confirmada nsu=000002");
  EXPECT_FALSE(t.exists(std::string(kPending)));
}

TEST(ConfirmationWait, GoesOnWhileTheOperatorSaysSoAndIsWrittenAgain) {
  TefCheckout t;
  t.plan("PAD", {"CNF late 20"});
  t.s.script().answer(std::string(texts::kKeepWaitingConfirmation) + " ?     ", true);
  EXPECT_TRUE(GER_PADRAO(t.ctx, "CRT", 0, "PAD")) << t.s.transcript().str();
  EXPECT_TRUE(t.s.script().empty());
  // The first one late, then the one written again after the question.
  EXPECT_EQ(t.journal().size(), 3u);
  EXPECT_TRUE(t.journal_has("CNF 2 confirmada"));
}

TEST(ConfirmationWait, LeftByTheOperatorKeepsTheTransactionPendingWithItsResponse) {
  TefCheckout t;
  t.plan("PAD", {"CNF silent"});
  t.s.script().answer(std::string(texts::kKeepWaitingConfirmation) + " ?     ", false).ok(kLeftPending);
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  // The receipt is closed and its card receipt printed; only the
  // confirmation is missing, and the unconfirmed request is taken back.
  EXPECT_TRUE(t.g().WFECHOU_CUPOM);
  EXPECT_EQ(t.printer->count("FECHA_RESPOSTA"), 1);
  EXPECT_EQ(t.g().WC_012, "");
  EXPECT_FALSE(t.exists(std::string(kRequest)));
  auto pending = read_exchange_file(t.folder().file(std::string(kPending)));
  ASSERT_TRUE(pending);
  EXPECT_EQ(pending->field("012-000"), "000001");
  EXPECT_FALSE(t.journal_has("NCN"));
}

TEST(NonConfirmationWait, LeftByTheOperatorKeepsTheTransactionPending) {
  TefCheckout t;
  t.plan("PAD", {"deny", "NCN silent"});
  t.s.script()
      .ok("TRANSACAO NEGADA")
      .answer(std::string(texts::kKeepWaitingCancellation) + " ?     ", false)
      .ok(kLeftPending);
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_FALSE(t.g().WCANC_TEF);
  EXPECT_TRUE(t.exists(std::string(kPending)));
  EXPECT_FALSE(t.exists(std::string(kRequest)));
}

// Every event on a name in a folder, as inotify reports it.
class FolderEvents {
 public:
  explicit FolderEvents(const std::filesystem::path& folder) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_OPEN);
  }
  ~FolderEvents() { ::close(fd_); }
  // The events on `name`: "create", "open", "modify", "close_write", "moved_to".
  std::vector<std::string> drain(const std::string& name) {
    std::vector<std::string> out;
    alignas(inotify_event) char buf[8192];
    for (ssize_t n; (n = ::read(fd_, buf, sizeof buf)) > 0;) {
      for (char* p = buf; p < buf + n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(p);
        if (e->len && name == e->name) {
          if (e->mask & IN_CREATE) out.push_back("create");
          if (e->mask & IN_OPEN) out.push_back("open");
          if (e->mask & IN_MODIFY) out.push_back("modify");
          if (e->mask & IN_CLOSE_WRITE) out.push_back("close_write");
          if (e->mask & IN_MOVED_TO) out.push_back("moved_to");
        }
        p += sizeof(inotify_event) + e->len;
      }
    }
    return out;
  }

 private:
  int fd_ = -1;
};

TEST(Requests, AreNeverWrittenInPlaceWhereTheManagerReadsThem) {
  TefCheckout t;
  t.plan("PAD", {"deny"});
  t.s.script().ok("TRANSACAO NEGADA").ok("Cancelada a Transacao\nRede: REDECARD\nValor: 12.50");
  FolderEvents events(t.folder().file("req"));
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  // The card request and the non-confirmation each appeared whole by a
  // rename; nothing ever opened the request's own name for writing.
  const auto seen = events.drain("IntPos.001");
  const std::vector<std::string> renamed_twice{"moved_to", "moved_to"};
  std::vector<std::string> written;
  for (const auto& e : seen)
    if (e != "open") written.push_back(e);  // the manager opens it to read
  EXPECT_EQ(written, renamed_twice);
}

}  // namespace
}  // namespace zelto::tef
