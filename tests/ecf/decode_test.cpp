// The judgements of the printer's answers as tables: the classic return
// codes, the status bytes ACK, ST1 and ST2, and Epson's state strings.

#include "ecf/decode.hpp"

#include <gtest/gtest.h>

#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

using Messages = std::vector<std::string>;

const std::string kSell = w("Não Conseguiu Vender o Item");

TEST(ReturnCode, MessagesOfEachCode) {
  struct Case {
    int code;
    std::string failure;
    bool ok;
    Messages messages;
  };
  const Case cases[] = {
      {1, kSell, true, {}},
      {0, kSell, false, {"Erro na Comunicacao com a Impressora,\r\r" + kSell + "."}},
      {0, "", false, {"Erro na Comunicacao com a Impressora."}},
      {-1, kSell, false, {"Erro de Execucao da Funcao.", kSell}},
      {-2, kSell, false, {"Parametro Invalido na Funcao.", kSell}},
      {-3, kSell, false, {"Aliquota NAO Programada/Cadastrada no ECF", kSell}},
      {-24, kSell, false, {"Forma de Pagamento Nao Programada no ECF", kSell}},
      {-27, kSell, false, {"Status da Impressora diferente de 6,0,0 (ACK,ST1,ST2).", kSell}},
      {-36, kSell, false, {"Forma de Pagamento Nao Finalizada.", kSell}},
      {-99, kSell, false, {"Outro erro   -99", kSell}},
      {-3, "", false, {"Aliquota NAO Programada/Cadastrada no ECF"}},
      {7, "", false, {"Outro erro     7"}},
  };
  for (const Case& c : cases) {
    const Verdict v = code_verdict(c.code, c.failure);
    EXPECT_EQ(v.ok, c.ok) << c.code;
    EXPECT_EQ(v.messages, c.messages) << c.code;
  }
}

TEST(StatusBytes, OnlyTheHighestBitOfSt1AndEveryBitOfSt2) {
  struct Case {
    int ack, st1, st2;
    bool ok, little_paper;
    Messages messages;
  };
  const Case cases[] = {
      {6, 0, 0, true, false, {}},
      {21, 128, 255, false, false, {"A T E N C A O, ERRO na Comunicacao com a Impressora"}},
      {0, 0, 0, false, false, {"A T E N C A O,  Erro de Comunicacao Com a Impressora"}},
      {6, 192, 0, false, false, {"A T E N C A O, Fim do Papel"}},
      {6, 64, 255, true, true, {}},
      {6, 66, 0, true, true, {}},
      {6, 32, 0, false, false, {"A T E N C A O, Erro no Relogio."}},
      {6, 16, 0, false, false, {"A T E N C A O, Impressora em Erro."}},
      {6, 8, 0, false, false, {"A T E N C A O, primeiro dado de CMD no foi ESC (18h)."}},
      {6, 4, 0, false, false, {"A T E N C A O, comando inexistente."}},
      {6, 3, 16, false, false, {"A T E N C A O, EXISTE Cupom Fiscal Aberto."}},
      {6, 1, 0, false, false, {"A T E N C A O, numero de parametro de CMD invalido."}},
      {6, 0, 20, false, false, {w("A T E N C A O, Al¡quota Nao Programada"), "A T E N C A O, Cancelamento Nao Permitido"}},
      {6, 0, 255, false, false,
       {"A T E N C A O, Tipo de Parametro de CMD Invalido", "A T E N C A O, Memoria Fiscal Lotada",
        "A T E N C A O, Erro na Memoria RAM CMOS Nao Volatil", w("A T E N C A O, Al¡quota Nao Programada"),
        "A T E N C A O, Capacidade de Aliquotas esgotada", "A T E N C A O, Cancelamento Nao Permitido",
        "A T E N C A O, CNPJ/IE do Proprietario Nao Programados", "A T E N C A O, Comando Nao Executado"}},
  };
  for (const Case& c : cases) {
    const Verdict v = status_verdict(c.ack, c.st1, c.st2);
    EXPECT_EQ(v.ok, c.ok) << c.ack << "," << c.st1 << "," << c.st2;
    EXPECT_EQ(v.little_paper, c.little_paper) << c.st1;
    EXPECT_EQ(v.messages, c.messages) << c.ack << "," << c.st1 << "," << c.st2;
  }
}

TEST(StatusBytes, LittlePaperIsAskedOncePerRunWhenConfigured) {
  zelto::testing::ScriptedCtx t;
  t.g.ACK = 6;
  t.g.ST1 = 64;
  t.g.VAVPOUPAPEL = "S";
  t.script().answer("Existe POUCO PAPEL, Continuar ?     ", false).answer("Existe POUCO PAPEL, Continuar ?     ", true);
  EXPECT_FALSE(TEM_ERRO_ACK_ST1_ST2(t.ctx));
  EXPECT_FALSE(t.g.VRETORIMPRE);
  EXPECT_TRUE(TEM_ERRO_ACK_ST1_ST2(t.ctx));
  EXPECT_TRUE(TEM_ERRO_ACK_ST1_ST2(t.ctx)) << "answered once, it passes silently";
  EXPECT_TRUE(t.g.VRETORIMPRE);
  t.screen.expect_done();

  zelto::testing::ScriptedCtx quiet;
  quiet.g.ACK = 6;
  quiet.g.ST1 = 64;
  EXPECT_TRUE(TEM_ERRO_ACK_ST1_ST2(quiet.ctx)) << "no warning asked for";
  EXPECT_TRUE(quiet.transcript().entries().empty());
}

EpsonState state(std::string printer, std::string fiscal, std::string command_return = "0000", int read = 0) {
  return EpsonState{printer + " ", fiscal + " ", command_return + " ", std::string(100, ' ') + " ", read};
}

TEST(EpsonState, FlagsRefusalsAndTheStatesAllZero) {
  const std::string zeros(16, '0');
  auto flag = [&](int position) {
    std::string s = zeros;
    s[static_cast<std::size_t>(position - 1)] = '1';
    return s;
  };
  const std::string day_open = flag(1);
  struct Case {
    const char* what;
    EpsonState s;
    std::optional<int> entry;
    bool ok, little_paper;
    Messages messages;
  };
  const Case cases[] = {
      {"all zero", state(zeros, zeros), 0, true, false, {}},
      {"day open, done", state(zeros, day_open), 0, true, false, {}},
      {"drawer", state(flag(4), day_open), 0, false, false, {"Erro na Comunicacao com a Impressora\rEstado da gaveta..."}},
      {"drawer with all-zero fiscal state", state(flag(4), zeros), 0, false, false,
       {"Erro na Comunicacao com a Impressora\rEstado da gaveta..."}},
      {"offline first", state(flag(1).replace(14, 1, "1"), day_open, "0500", 1), 500, false, false,
       {"Erro na Comunicacao com a Impressora\rImpressora Offline..."}},
      {"paper end", state(flag(15), day_open, "0227", 1), 227, false, false,
       {"Erro na Comunicacao com a Impressora\rImpressora sem papel..."}},
      {"a flag without a message", state(flag(5), day_open), 0, false, false, {}},
      {"flags 7 and 14 are not examined", state(flag(7).replace(13, 1, "1"), day_open), 0, true, false, {}},
      {"rate refused", state(zeros, day_open, "0203", 1), 203, false, false,
       {"Aliquota NAO Programada/Cadastrada no ECF", kSell}},
      {"payment form refused", state(zeros, day_open, "0224", 1), 224, false, false,
       {"Forma de Pagamento Nao Programada no ECF", kSell}},
      {"refused in its state", state(zeros, day_open, "0227", 1), 227, false, false,
       {"Status da Impressora diferente de 6,0,0 (ACK,ST1,ST2).", kSell}},
      {"injected code", state(zeros, day_open, "0099", 1), 99, false, false, {"Outro erro   -99", kSell}},
      {"no answer", state(zeros, day_open, "0500", 1), 500, false, false,
       {"Erro na Comunicacao com a Impressora,\r\r" + kSell + "."}},
      // Both state strings all zero no longer make a refusal pass.
      {"refused, states all zero", state(zeros, zeros, "0203", 1), 203, false, false,
       {"Aliquota NAO Programada/Cadastrada no ECF", kSell}},
      {"the entry's own failure", state(zeros, zeros, "0000", 0), 301, false, false,
       {"Erro na Comunicacao com a Impressora,\r\r" + kSell + "."}},
      {"state unanswered", EpsonState{std::string(17, ' '), std::string(17, ' '), std::string(5, ' '), "", 1},
       500, false, false, {"Erro na Comunicacao com a Impressora,\r\r" + kSell + "."}},
      {"little paper warns", state(flag(16), day_open), 0, true, true, {}},
      {"little paper and refused", state(flag(16), day_open, "0203", 1), 203, false, false,
       {"Aliquota NAO Programada/Cadastrada no ECF", kSell}},
  };
  for (const Case& c : cases) {
    const Verdict v = epson_verdict(c.s, c.entry, kSell);
    EXPECT_EQ(v.ok, c.ok) << c.what;
    EXPECT_EQ(v.little_paper, c.little_paper) << c.what;
    EXPECT_EQ(v.messages, c.messages) << c.what;
  }
}

}  // namespace
}  // namespace zelto::ecf::testing
