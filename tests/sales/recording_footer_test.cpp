// The footer from the footer layouts: placing a text in a line, the kinds
// of entries, the footer fields, the expressions over the settings, and the
// close on the printer with the footer on the paper.

#include <gtest/gtest.h>

#include "recording_fixture.hpp"
#include "sales/footer_expression.hpp"
#include "sales/footer_layout.hpp"
#include "sales/footer_screens.hpp"
#include "sales/receipt_journal.hpp"

namespace zelto::sales::recording_testing {
namespace {

TEST(FooterLayout, PlacingATextInALine) {
  const std::string blank40(40, ' ');
  struct Case {
    std::string line;
    int column;
    std::string text;
    int width;
    std::string want;
  } cases[] = {
      {blank40, 10, "ABC", 40, std::string(10, ' ') + "ABC" + std::string(27, ' ')},
      {"0123456789", 2, "XY", 40, "01XY456789"},
      {"0123456789", 8, "WXYZ", 40, "01234567WXYZ"},  // runs past the line: it lengthens
      {"0123", 9, "AB", 40, "0123AB"},                 // past the line's end: appended
      {std::string(48, '.'), 46, "ABCD", 48, std::string(46, '.') + "ABCD"},
      {std::string(48, '.'), 0, "AB", 40, "AB" + std::string(38, '.')},  // cut at the width
  };
  for (const Case& c : cases) EXPECT_EQ(place_footer_text(c.line, c.column, c.text, c.width), c.want) << c.text;
}

TEST(FooterLayout, ExpressionsReachTheSettingsByName) {
  core::Globals g;
  g.WTOTALVALOR = d("1234.5");
  g.V_NOME_CLIENTE = "MARIA  ";
  g.W_DATAVENCI = *runtime::Date::ymd(2026, 12, 31);
  EXPECT_EQ(eval_footer_expression(g, "\"TOTAL: \" + WTOTALVALOR"), "TOTAL: 1.234,50");
  EXPECT_EQ(eval_footer_expression(g, "'Cliente ' + TRIM(v_nome_cliente) + '.'"), "Cliente MARIA.");
  EXPECT_EQ(eval_footer_expression(g, "STR(WTOTALVALOR, 10, 2)"), "   1234.50");
  EXPECT_EQ(eval_footer_expression(g, "DTOC(W_DATAVENCI)"), "31/12/2026");
  EXPECT_EQ(eval_footer_expression(g, "WTOTALVALOR + 0.5"), "1.235,00");
  EXPECT_FALSE(eval_footer_expression(g, "NO_SUCH_SETTING"));
  EXPECT_FALSE(eval_footer_expression(g, "\"open"));
  EXPECT_FALSE(eval_footer_expression(g, "WTOTALVALOR +"));
}

TEST(FooterLayout, KindsLinesAndColumnsMakeTheMessage) {
  ReceiptCtx t;
  t.g.W_LAYOUT = "L01";
  t.g.V_NOME_CLIENTE = "JOSE";
  t.add_layout_entry("L01", 1, 0, "M", "  OBRIGADO PELA PREFERENCIA ");
  t.add_layout_entry("L01", 3, 10, "C", "\"CLIENTE \" + V_NOME_CLIENTE");
  t.add_layout_entry("L01", 3, 30, "I", "VOLTE");
  t.add_layout_entry("L02", 5, 0, "M", "OUTRO LAYOUT");
  t.add_footer_field("VOLTESEMPRE", "'VOLTE SEMPRE'");
  compose_footer(t.ctx);
  const std::string blank(48, ' ');
  EXPECT_EQ(t.g.WLIN1, "OBRIGADO PELA PREFERENCIA" + std::string(23, ' '));
  EXPECT_EQ(t.g.WLIN2, blank);
  EXPECT_EQ(t.g.WLIN3, std::string(10, ' ') + "CLIENTE JOSE" + std::string(8, ' ') + "VOLTE SEMPRE" + std::string(6, ' '));
  EXPECT_EQ(t.g.WLIN4, blank) << "another layout's entry is not taken";
  EXPECT_EQ(t.g.WMES, t.g.WLIN1 + t.g.WLIN2 + t.g.WLIN3) << "nothing follows the last line written";
}

TEST(FooterLayout, FortyColumnsAndNoLayout) {
  ReceiptCtx t;
  t.g.WCOL = Decimal(40);
  t.g.W_LAYOUT = "L01";
  t.add_layout_entry("L01", 2, 10, "M", "ABC");
  compose_footer(t.ctx);
  EXPECT_EQ(t.g.WLIN2, std::string(10, ' ') + "ABC" + std::string(27, ' '));
  EXPECT_EQ(t.g.WMES.size(), 80u);

  t.g.W_LAYOUT = "";
  compose_footer(t.ctx);
  EXPECT_EQ(t.g.WMES, "");
  t.g.W_LAYOUT = "ZZZ";
  compose_footer(t.ctx);
  EXPECT_EQ(t.g.WMES, "");
}

TEST(FooterLayout, ALineOutOfRangeIsToldAndSkippedAMissingFieldEndsTheFooter) {
  ReceiptCtx t;
  t.g.W_LAYOUT = "L01";
  t.add_layout_entry("L01", 1, 0, "M", "PRIMEIRA");
  t.add_layout_entry("L01", 2, 0, "I", "NAOEXISTE");
  t.add_layout_entry("L01", 3, 0, "M", "DEPOIS DO CAMPO");
  t.add_layout_entry("L01", 9, 0, "M", "LINHA NOVE");
  t.with_dialogs("ok \"Nao achou o campo de impressao NAOEXISTE\"\n", [&] { compose_footer(t.ctx); });
  EXPECT_EQ(t.g.WMES, "PRIMEIRA" + std::string(40, ' ')) << "the lines composed so far are printed";

  t.add_layout_entry("L02", 0, 0, "M", "LINHA ZERO");
  t.add_layout_entry("L02", 2, 0, "M", "SEGUNDA");
  t.g.W_LAYOUT = "L02";
  t.with_dialogs("ok \"O layout possui campo na linha \\\"0\\\", tem que ser linha de 1 a 8.\"\n",
                 [&] { compose_footer(t.ctx); });
  EXPECT_EQ(t.g.WMES, std::string(48, ' ') + "SEGUNDA" + std::string(41, ' '));
}

TEST(FooterLayout, TheCloseSendsTheFooterAndTheConsumerToThePaper) {
  ReceiptCtx t;
  t.g.W_LAYOUT = "L01";
  t.add_layout_entry("L01", 1, 0, "M", "VOLTE SEMPRE");
  t.g.V_CPFCNPJ_CLIENTE = "12345678909";
  t.g.V_NOME_CLIENTE = "JOSE DA SILVA";
  t.paid_in_cash(d("40.88"), d("40.88"));
  ASSERT_TRUE(IMP_LAYOUT(t.ctx));
  EXPECT_FALSE(t.memory().receipt) << "the printer closed the receipt";
  EXPECT_TRUE(t.roll_has({"VOLTE SEMPRE"}));
}

TEST(FooterLayout, APrinterThatDoesNotCloseIsAskedAgainThenGivenUp) {
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("40.88"));
  t.faults(ecf::testing::fault([](ecfsim::Faults& f) { f.paper = ecfsim::Faults::Paper::End; }));
  const std::string paper_out =
      "ok \"Status da Impressora diferente de 6,0,0 (ACK,ST1,ST2).\"\nok \"Não Conseguiu Imprimir o Rodapé\"\n";
  t.with_dialogs(paper_out + "answer \"Impressora Nao Responde, Tentar Novamente ?     \" yes\n" + paper_out +
                     "answer \"Impressora Nao Responde, Tentar Novamente ?     \" no\n",
                 [&] { EXPECT_FALSE(IMP_LAYOUT(t.ctx)); });
  EXPECT_TRUE(t.memory().receipt) << "still open";
  EXPECT_FALSE(ReceiptJournal(t.ctx).exists()) << "a receipt not closed leaves no journal";
  t.faults(ecfsim::Faults{});
  EXPECT_TRUE(IMP_LAYOUT(t.ctx));
  EXPECT_FALSE(t.memory().receipt);
}

TEST(FooterLayout, TheFooterFieldsListClosesAndLeavesItsTableInOrder) {
  ReceiptCtx t;
  t.add_footer_field("TOTAL", "WTOTALVALOR");
  t.db.area("AM").set_order(2);
  t.screen.script() = screen::scripted::Script::parse("type \"f\"\n");
  EXPECT_TRUE(M615(t.ctx));
  t.screen.expect_done();
  EXPECT_EQ(t.db.area("AM").order(), 1);
}

TEST(FooterLayout, ALayoutWithEntriesIsNotDeletedOneWithoutIs) {
  ReceiptCtx t;
  xbase::Table& to = t.db.area("TO");
  for (const char* code : {"L01", "L02"}) {
    to.append_blank();
    to.put("C350", code);
    to.put("C351", std::string("LAYOUT ") + code);
    to.unlock();
  }
  to.flush();
  t.add_layout_entry("L01", 1, 0, "M", "OBRIGADO");
  const std::string confirm = "answer \"Confirma a Exclusao deste Layout ?     \" yes\n";
  // The list by description: L01 first. Its deletion is refused; after a
  // step down, L02 goes.
  t.screen.script() = screen::scripted::Script::parse(
      "type \"e\"\n" + confirm + "ok \"Nao pode excluir pois possui associado em Itens de Layouts.\"\n"
      "press Down\ntype \"e\"\n" + confirm + "type \"f\"\n");
  EXPECT_TRUE(M612(t.ctx));
  t.screen.expect_done();
  EXPECT_EQ(to.order(), 1);
  std::vector<std::string> left;
  for (to.go_top(); !to.eof(); to.skip())
    if (!to.deleted()) left.push_back(trim(to.text("C350")));
  EXPECT_EQ(left, (std::vector<std::string>{"L01"}));
}

}  // namespace
}  // namespace zelto::sales::recording_testing
