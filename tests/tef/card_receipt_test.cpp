// The card receipt on the printer: two copies on the linked receipt, the
// whole of it again in a management report when the printer fails on the
// way, and the transaction not confirmed when it cannot be printed.

#include <gtest/gtest.h>

#include "tef/card_receipt.hpp"
#include "tef/ger_padrao.hpp"
#include "tef_fixture.hpp"

namespace zelto::tef {
namespace {

using testing::TefCheckout;

const std::string kRetry = "Impressora Nao Responde, Tentar Novamente ?     ";
const std::string kCancelled = "Cancelada a Transacao\nRede: REDECARD\nDoc. No: 000001\nValor: 12.50";

// The commands in order, runs of one command written "NAME*n".
std::string runs(const std::vector<std::string>& commands) {
  std::string out;
  for (size_t i = 0; i < commands.size();) {
    size_t j = i;
    while (j < commands.size() && commands[j] == commands[i]) ++j;
    out += (out.empty() ? "" : " ") + commands[i] + (j - i > 1 ? "*" + std::to_string(j - i) : "");
    i = j;
  }
  return out;
}

struct PrinterCase {
  const char* name;
  std::function<bool(const std::string&, int)> refuses;
  std::vector<bool> answers;  // to "Impressora Nao Responde, Tentar Novamente"
  bool paid;
  const char* commands;
};

TEST(CardReceipt, PrinterFailuresArePrintedAgainInAReportOrEndInANonConfirmation) {
  const auto refuse = [](std::string command, int nth) {
    return [command, nth](const std::string& c, int n) { return c == command && (nth == 0 || n == nth); };
  };
  const PrinterCase cases[] = {
      {"linked receipt refused", refuse("ABRIR_RESPOSTA", 1), {true}, true,
       "PAGO_CARTAO ABRIR_RESPOSTA FECHA_CU_NAO_FISCAL ABRE_CU_NAO_FISCAL*24 FECHA_CU_NAO_FISCAL"},
      {"a line refused, again", refuse("LINHA_RESPOSTA", 3), {true}, true,
       "PAGO_CARTAO ABRIR_RESPOSTA LINHA_RESPOSTA*3 FECHA_RESPOSTA ABRE_CU_NAO_FISCAL*24 FECHA_CU_NAO_FISCAL"},
      {"a line and the close refused", [](const std::string& c, int n) { return (c == "LINHA_RESPOSTA" && n == 3) || c == "FECHA_RESPOSTA"; },
       {true}, true,
       "PAGO_CARTAO ABRIR_RESPOSTA LINHA_RESPOSTA*3 FECHA_RESPOSTA FECHA_CU_NAO_FISCAL ABRE_CU_NAO_FISCAL*24 "
       "FECHA_CU_NAO_FISCAL"},
      {"a line refused, given up", refuse("LINHA_RESPOSTA", 3), {false}, false,
       "PAGO_CARTAO ABRIR_RESPOSTA LINHA_RESPOSTA*3 FECHA_RESPOSTA"},
      {"close refused", refuse("FECHA_RESPOSTA", 1), {true}, true,
       "PAGO_CARTAO ABRIR_RESPOSTA LINHA_RESPOSTA*23 FECHA_RESPOSTA FECHA_CU_NAO_FISCAL ABRE_CU_NAO_FISCAL*24 "
       "FECHA_CU_NAO_FISCAL"},
      {"report refused too", [](const std::string& c, int) { return c == "ABRIR_RESPOSTA" || c == "ABRE_CU_NAO_FISCAL"; },
       {true, false}, false, "PAGO_CARTAO ABRIR_RESPOSTA FECHA_CU_NAO_FISCAL ABRE_CU_NAO_FISCAL"},
      {"payment refused once", refuse("PAGO_CARTAO", 1), {true}, true,
       "PAGO_CARTAO*2 ABRIR_RESPOSTA LINHA_RESPOSTA*23 FECHA_RESPOSTA"},
      {"payment refused", refuse("PAGO_CARTAO", 0), {false}, false, "PAGO_CARTAO"},
  };
  for (const auto& c : cases) {
    TefCheckout t;
    t.printer->refuses = c.refuses;
    for (bool yes : c.answers) t.s.script().answer(kRetry, yes);
    if (!c.paid) t.s.script().ok(kCancelled);
    EXPECT_EQ(GER_PADRAO(t.ctx, "CRT", 0, "PAD"), c.paid) << c.name << "\n" << t.s.transcript().str();
    EXPECT_TRUE(t.s.script().empty()) << c.name;
    EXPECT_EQ(runs(t.printer->commands()), c.commands) << c.name;
    EXPECT_EQ(t.journal_has("CNF 2 confirmada"), c.paid) << c.name;
    EXPECT_EQ(t.journal_has("NCN 2 desfeita nsu=000001"), !c.paid) << c.name;
    EXPECT_EQ(t.back_to_form, c.paid ? 0 : 1) << c.name;
    EXPECT_FALSE(t.s.screen.input_blocked()) << c.name;
  }
}

TEST(CardReceipt, AReceiptThatCannotBeClosedIsNotConfirmed) {
  TefCheckout t;
  t.closing_works = false;
  t.s.script().ok(kCancelled);
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_EQ(runs(t.printer->commands()), "PAGO_CARTAO");
  EXPECT_TRUE(t.g().WVENDEU_CARTAO);
  EXPECT_FALSE(t.g().WFECHOU_CUPOM);
  EXPECT_TRUE(t.journal_has("NCN 2 desfeita"));
}

TEST(CardReceipt, TenLinesPrintTwiceWithTheTearOffBetween) {
  TefCheckout t;
  std::string text = "000-000 = CRT\r\n001-000 = 9\r\n028-000 = 10\r\n";
  for (int i = 1; i <= 10; ++i) text += "029-" + std::string(i < 10 ? "00" : "0") + std::to_string(i) + " = \"LINHA " + std::to_string(i) + "\"\r\n";
  Exchange exchange(t.ctx, "CRT", "PAD");
  exchange.response = ExchangeFile::parse(text);
  t.g().WCOL = 48;
  ASSERT_TRUE(print_card_receipt(t.ctx, exchange));
  EXPECT_EQ(runs(t.printer->commands()), "ABRIR_RESPOSTA LINHA_RESPOSTA*27 FECHA_RESPOSTA");
  const auto& r = t.printer->received;
  EXPECT_EQ(r[1].text, runtime::padr("LINHA 1", 48));
  EXPECT_EQ(r[10].text, runtime::padr("LINHA 10", 48));
  for (int i = 11; i <= 17; ++i) EXPECT_EQ(r[i].text, std::string(48, ' '));
  EXPECT_EQ(r[18].text, r[1].text);
  EXPECT_EQ(r[27].text, r[10].text);
  EXPECT_EQ(t.s.clock.slept(), std::chrono::seconds(3));
  EXPECT_TRUE(t.message_shown("Espere, imprimindo TEF..."));
  EXPECT_TRUE(t.message_shown("Imprimindo TEF... 10"));
}

TEST(CardReceipt, NoPaperMeansNotPrinted) {
  TefCheckout t;
  t.printer->paper_out = true;
  t.s.script().answer(kRetry, false).ok(kCancelled);
  EXPECT_FALSE(GER_PADRAO(t.ctx, "CRT", 0, "PAD"));
  EXPECT_EQ(runs(t.printer->commands()), "PAGO_CARTAO");
  EXPECT_TRUE(t.journal_has("NCN 2 desfeita"));
}

}  // namespace
}  // namespace zelto::tef
