// Card payments and consulted cheques from the request to the confirmation,
// against the stand-in managers.

#include <gtest/gtest.h>

#include "tef/ger_padrao.hpp"
#include "tef/menu_commands.hpp"
#include "tef/texts.hpp"
#include "tef_fixture.hpp"

namespace zelto::tef {
namespace {

using testing::TefCheckout;

const std::string kNotActive = "O Gerenciador Padrao \"NAO\" esta ATIVO";

TEST(CardPayment, AnApprovedCardIsPaidClosedPrintedTwiceAndConfirmed) {
  TefCheckout t;
  ASSERT_TRUE(GER_PADRAO(t.ctx, "CRT", 0, "PAD")) << t.s.transcript().str();

  // The manager saw the card payment of 12.50 on COO 345, then its confirmation.
  EXPECT_TRUE(t.journal_has("CRT 1 aprovada nsu=000001 valor=1250 doc=345"));
  EXPECT_TRUE(t.journal_has("CNF 2 confirmada nsu=000001"));
  EXPECT_EQ(t.last_request_number(), 2);

  // Paid in the card form, the receipt closed, then the linked receipt:
  // 8 lines, 7 blank lines to tear the first copy off, the 8 lines again.
  const auto commands = t.printer->commands();
  ASSERT_EQ(commands.size(), 1u + 1 + 8 + 7 + 8 + 1);
  EXPECT_EQ(commands.front(), "PAGO_CARTAO");
  EXPECT_EQ(commands[1], "ABRIR_RESPOSTA");
  EXPECT_EQ(commands.back(), "FECHA_RESPOSTA");
  EXPECT_EQ(t.printer->count("LINHA_RESPOSTA"), 23);
  EXPECT_EQ(t.printer->received[2].text, runtime::padr("                REDECARD", 40));
  EXPECT_EQ(t.printer->received[10].text, std::string(40, ' '));
  EXPECT_EQ(t.printer->received[17].text, t.printer->received[2].text);
  EXPECT_EQ(t.receipts_closed, 1);
  EXPECT_EQ(t.g().WDESCFORMA, t.g().V_DPRESTA);
  EXPECT_EQ(t.g().WPARA1, "CRT");

  // What the recording of the receipt stores.
  EXPECT_TRUE(t.g().WVENDEU_CARTAO);
  EXPECT_TRUE(t.g().WFECHOU_CUPOM);
  EXPECT_FALSE(t.g().WCANC_TEF);
  EXPECT_EQ(t.g().WC_002, "345");
  EXPECT_EQ(t.g().WC_010, "REDECARD");
  EXPECT_EQ(t.g().WC_011, "10");
  EXPECT_EQ(t.g().WC_012, "000001");
  EXPECT_EQ(t.g().WC_027, "9000001");
  EXPECT_EQ(t.g().WC_022.size(), 8u);
  EXPECT_EQ(t.back_to_form, 0);

  // The manager's message stood on the message lines; nothing is left behind.
  EXPECT_TRUE(t.message_shown("   TRANSACAO APROVADA"));
  EXPECT_TRUE(t.shown("error").empty());
  for (auto name : {kRequest, kStatus, kResponse, kPending}) EXPECT_FALSE(t.exists(std::string(name))) << name;
}

TEST(CardPayment, ADeniedCardPrintsNothingIsNotConfirmedAndGoesBackToTheForms) {
  TefCheckout t;
  t.plan("PAD", {"deny"});
  t.s.script().ok("TRANSACAO NEGADA").ok("Cancelada a Transacao\nRede: REDECARD\nValor: 12.50");
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_TRUE(t.journal_has("CRT 1 negada"));
  EXPECT_TRUE(t.journal_has("NCN 2 desfeita"));
  EXPECT_TRUE(t.printer->received.empty());
  EXPECT_EQ(t.receipts_closed, 0);
  EXPECT_FALSE(t.g().WFECHOU_CUPOM);
  EXPECT_TRUE(t.g().WCANC_TEF);
  EXPECT_EQ(t.g().WC_012, "");
  EXPECT_EQ(t.back_to_form, 1);
  EXPECT_FALSE(t.exists(std::string(kPending)));
}

TEST(CardPayment, ASilentManagerIsNotActiveAfterItsSecondsAndTheSaleGoesBack) {
  TefCheckout t;
  t.plan("PAD", {"silent"});
  t.s.script().ok(kNotActive);
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_EQ(t.s.clock.slept(), std::chrono::seconds(12));
  EXPECT_TRUE(t.message_shown("Esperando Retorno do TEF 13"));
  EXPECT_FALSE(t.message_shown("Esperando Retorno do TEF 14"));
  EXPECT_EQ(t.back_to_form, 1);
  EXPECT_TRUE(t.printer->received.empty());
  // The unanswered request is taken back; nothing is pending.
  EXPECT_FALSE(t.exists(std::string(kRequest)));
  EXPECT_FALSE(t.exists(std::string(kPending)));
}

TEST(CardPayment, AResponseWithinTheOperatorsPatienceIsWaitedForWithoutAsking) {
  TefCheckout t;
  t.plan("PAD", {"late 90"});
  EXPECT_TRUE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.shown("question").empty());
  EXPECT_TRUE(t.message_shown("Espere, Aguardando Retorno do TEF 90"));
}

TEST(CardPayment, ALongerWaitGoesOnOnlyWhileTheOperatorSaysSo) {
  TefCheckout t;
  t.plan("PAD", {"late 200"});
  t.s.script().answer("O Gerenciador Padrao nao respondeu. Continuar Aguardando ?     ", true);
  EXPECT_TRUE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_TRUE(t.s.script().empty());
  EXPECT_EQ(t.shown("question").size(), 1u);
  EXPECT_TRUE(t.journal_has("CNF 2 confirmada"));
}

TEST(CardPayment, AStaleResponseIsTakenAwayAndTheRightOneAwaited) {
  TefCheckout t;
  t.plan("PAD", {"stale"});
  EXPECT_TRUE(GER_PADRAO(t.ctx, "CRT", 0, "PAD")) << t.s.transcript().str();
  EXPECT_TRUE(t.message_shown("Espere, Aguardando Retorno do TEF 2"));
  EXPECT_EQ(t.g().WC_012, "000001");
  EXPECT_TRUE(t.journal_has("CNF 2 confirmada nsu=000001"));
  // Nothing taken aside stays in the manager's folder.
  for (const auto& entry : std::filesystem::directory_iterator(t.folder().file("resp")))
    ADD_FAILURE() << "left in resp: " << entry.path();
}

TEST(CardPayment, ATecBanChequeIsAskedAsAChequeAndPaidUnderItsOwnName) {
  TefCheckout t;
  ASSERT_TRUE(GER_PADRAO(t.ctx, "CHB", 0, "TEC")) << t.s.transcript().str();
  EXPECT_TRUE(t.journal_has("CHQ 1 aprovada nsu=000001 valor=8000 doc=345", "TEC"));
  EXPECT_TRUE(t.journal_has("CNF 2 confirmada", "TEC"));
  EXPECT_EQ(t.printer->commands().front(), "PAGO_CH_CON_TECBAN");
  EXPECT_EQ(t.g().WDESCFORMA, t.g().V_DPRESTU);
  EXPECT_EQ(t.g().WPARA1, "CHB");
  EXPECT_EQ(t.g().WC_010, "TECBAN");
  EXPECT_TRUE(t.journal("PAD").empty());
}

TEST(CardPayment, PaymentFormsGoToTheirManagers) {
  const struct {
    const char* letter;
    const char* operation;
    const char* manager;
  } routes[] = {{"A", "CRT", "PAD"}, {"P", "CRT", "HIP"}, {"B", "CRT", "TEC"}, {"H", "CHQ", "PAD"}, {"U", "CHB", "TEC"}};
  for (const auto& r : routes) {
    EXPECT_EQ(card_route(r.letter).operation, r.operation) << r.letter;
    EXPECT_EQ(card_route(r.letter).manager, r.manager) << r.letter;
  }
}

TEST(CardMenu, TheCheckSaysWhetherTheManagerIsActive) {
  TefCheckout t;
  t.g().VUSU = "ZEL";
  t.plan("HIP", {"ATV silent"});
  t.s.script()
      .answer("Confirma a Verificacao ?     ", true)
      .ok(kNotActive)
      .answer("Confirma a Verificacao ?     ", true)
      .ok("O Gerenciador Padrao \"ESTA\" ATIVO");
  EXPECT_FALSE(M781(t.ctx, "HIP"));
  EXPECT_TRUE(M781(t.ctx, "HIP"));
  EXPECT_TRUE(t.s.script().empty()) << t.s.transcript().str();
  EXPECT_TRUE(t.journal_has("ATV 2 ativo", "HIP"));
  EXPECT_TRUE(t.printer->received.empty());
}

TEST(CardMenu, AdministrativeFunctionsPrintTheirReportAndAreConfirmed) {
  TefCheckout t;
  t.g().VUSU = "ZEL";
  ASSERT_TRUE(M782(t.ctx, "PAD")) << t.s.transcript().str();
  EXPECT_TRUE(t.journal_has("CNF 2 confirmada"));
  // No payment and no receipt: the report is a management report.
  const auto commands = t.printer->commands();
  EXPECT_EQ(t.printer->count("PAGO_CARTAO"), 0);
  EXPECT_EQ(t.receipts_closed, 0);
  EXPECT_EQ(commands.front(), "ABRE_CU_NAO_FISCAL");
  EXPECT_EQ(t.printer->received[0].text, " ");
  EXPECT_EQ(t.printer->count("ABRE_CU_NAO_FISCAL"), 1 + 5 + 7 + 5);
  EXPECT_EQ(t.printer->count("FECHA_CU_NAO_FISCAL"), 1);
  EXPECT_EQ(commands.back(), "FECHA_CU_NAO_FISCAL");
  EXPECT_EQ(t.back_to_form, 0);
}

}  // namespace
}  // namespace zelto::tef
