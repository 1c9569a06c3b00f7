// The sales screen's free and receipt states: the panels, the last 19 lines
// rebuilt from IO, the totals, the keys of each state, and F12.

#include "platform/runtime/number_text.hpp"
#include "sales/sales_screen.hpp"
#include "sales/sales_window.hpp"
#include "screen_fixture.hpp"

namespace zelto::sales {
namespace {

using screen::Key;
using testing::CheckoutCtx;

struct Started : CheckoutCtx {
  Started() { OLD_TELA_DE_VENDA(ctx, {}); }
  std::string row(int n, Cell c) { return text(cell_name(n, c)); }
};

TEST(SalesScreen, StartsFreeWithTheBannerAndTheFreeKeys) {
  Started fx;
  screen::Window& w = fx.window();
  EXPECT_TRUE(fx.g.WECF_LIVRE);
  EXPECT_TRUE(fx.g.WWPRI_ACESSO);
  EXPECT_TRUE(w.visible(names::kBanner));
  EXPECT_EQ(w.text(names::kBanner), " C A I X A    L I V R E ");
  for (const char* hidden : {names::kListBox, names::kSubtotal, names::kCount, names::kItemDescription,
                             names::kCashButton, names::kLinesButton, names::kF12Caption, names::kStatus})
    EXPECT_FALSE(w.visible(hidden)) << hidden;
  EXPECT_FALSE(w.visible(cell_name(1, Cell::Text)));
  for (Key k : {Key::F2, Key::F3, Key::F4, Key::F5, Key::F6, Key::F7, Key::F8, Key::F9, Key::F10, Key::F11, Key::F12})
    EXPECT_TRUE(w.bound(k)) << screen::key_name(k);
  // The entry row waits on the item code.
  ASSERT_NE(w.entry(), nullptr);
  ASSERT_TRUE(w.entry()->focused_field().has_value());
  EXPECT_EQ(w.entry()->definition().fields[*w.entry()->focused_field()].id, "WCODIGITEM");
  // The start left the work tables empty and the rates loaded.
  EXPECT_FALSE(fx.g.VALIQUOTAS.empty());
}

TEST(SalesScreen, PrinterNotUsableLeavesTheFreeKeysThatNeedItOut) {
  CheckoutCtx fx;
  fx.g.VCOMUNICOU_C_IMPRESSORA = false;
  OLD_TELA_DE_VENDA(fx.ctx, {});
  screen::Window& w = fx.window();
  for (Key k : {Key::F3, Key::F6, Key::F7, Key::F8}) EXPECT_FALSE(w.bound(k)) << screen::key_name(k);
  for (Key k : {Key::F2, Key::F4, Key::F5, Key::F9, Key::F10, Key::F11}) EXPECT_TRUE(w.bound(k)) << screen::key_name(k);
}

TEST(SalesScreen, TheFreeRowAndItsKeysBelongToTheFrame) {
  CheckoutCtx fx;
  std::vector<std::string> calls;
  SalesHost host;
  host.show_button_row = [&](core::Ctx&) { calls.push_back("show"); };
  host.hide_button_row = [&](core::Ctx&) { calls.push_back("hide"); };
  host.free_key = [&](core::Ctx&, int key) { calls.push_back("F" + std::to_string(key)); };
  OLD_TELA_DE_VENDA(fx.ctx, host);
  EXPECT_EQ(calls, std::vector<std::string>{"show"});
  for (Key k : {Key::F4, Key::F9, Key::F11}) EXPECT_TRUE(fx.window().press(k));
  EXPECT_EQ(calls, (std::vector<std::string>{"show", "F4", "F9", "F11"}));

  fx.add_line(1, "00000001", "21.90", "1");
  TELA_ITENS(fx.ctx);
  EXPECT_EQ(calls.back(), "hide");
  // F4 is the receipt's own key now, F11 is nobody's.
  calls.clear();
  fx.script().ok("Funcao nao disponivel nesta versao: ITEM_GENERICO");
  EXPECT_TRUE(fx.window().press(Key::F4));
  EXPECT_FALSE(fx.window().press(Key::F11));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(fx.script().empty());
}

TEST(SalesScreen, ReceiptStateShowsTheLast19LinesAndTheTotals) {
  Started fx;
  for (int n = 1; n <= 25; ++n) fx.add_line(n, "00000002", "0.33", "1");
  fx.add_line(26, "00000001", "21.90", "2");
  fx.add_line(27, "00000003", "1234.50", "1");
  TELA_ITENS(fx.ctx);
  screen::Window& w = fx.window();

  EXPECT_FALSE(fx.g.WECF_LIVRE);
  EXPECT_EQ(fx.g.WTOTALITENS, core::Decimal(27));
  // 25 x 0.33 + 2 x 21.90 + 1234.50
  EXPECT_EQ(fx.g.WTOTALVALOR, *core::Decimal::parse("1286.55"));
  EXPECT_EQ(w.text(names::kCount), "27");
  EXPECT_EQ(w.text(names::kSubtotal), "  1 286.55");
  // Lines 9 to 27: the item's barcode, or its code when the barcode is
  // blank or zero; the description's first 20 characters as stored.
  EXPECT_EQ(fx.row(1, Cell::Text), "0009-00000002 LINHA 9             ");
  EXPECT_EQ(fx.row(18, Cell::Text), "0026-7891234567895 LINHA 26            ");
  EXPECT_EQ(fx.row(18, Cell::Quantity), "     2.000 UN");
  EXPECT_EQ(fx.row(18, Cell::Price), "     21.90");
  EXPECT_EQ(fx.row(18, Cell::Total), "     43.80");
  EXPECT_EQ(fx.row(19, Cell::Text), "0027-00000003 LINHA 27            ");

  EXPECT_FALSE(w.visible(names::kBanner));
  for (const char* shown : {names::kListBox, names::kSubtotal, names::kCount, names::kCashButton,
                            names::kCancelReceiptButton, names::kLinesButton, names::kF12Caption})
    EXPECT_TRUE(w.visible(shown)) << shown;
  for (Key k : {Key::F7, Key::F8, Key::F10, Key::F11}) EXPECT_FALSE(w.bound(k)) << screen::key_name(k);
  for (Key k : {Key::F2, Key::F3, Key::F4, Key::F5, Key::F6, Key::F12}) EXPECT_TRUE(w.bound(k)) << screen::key_name(k);
}

TEST(SalesScreen, AShortReceiptFillsFromTheTopAndAnEmptyOneIsFree) {
  Started fx;
  fx.add_line(1, "00000001", "21.90", "1");
  fx.add_line(2, "00000002", "0.33", "3");
  TELA_ITENS(fx.ctx);
  EXPECT_EQ(fx.row(1, Cell::Text), "0001-7891234567895 LINHA 1             ");
  EXPECT_EQ(fx.row(2, Cell::Total), "      0.99");
  EXPECT_EQ(fx.row(3, Cell::Text), "");
  EXPECT_EQ(fx.text(names::kSubtotal), "     22.89");

  COMECAR_NOVO_CUPOM(fx.ctx);
  EXPECT_TRUE(fx.g.WECF_LIVRE);
  EXPECT_EQ(fx.row(1, Cell::Text), "");
  EXPECT_EQ(fx.text(names::kSubtotal), "");
  EXPECT_TRUE(fx.window().visible(names::kBanner));
  EXPECT_TRUE(fx.window().bound(Key::F3));
}

TEST(SalesScreen, LineTotalsRoundOrCutAsConfigured) {
  struct Case {
    const char* mode;
    const char* total;
  };
  for (const Case c : {Case{"A", "      0.35"}, Case{"T", "      0.34"}}) {
    Started fx;
    fx.g.W_ARREDON = c.mode;
    fx.add_line(1, "00000002", "0.33", "1.055");
    TELA_ITENS(fx.ctx);
    EXPECT_EQ(fx.row(1, Cell::Total), c.total) << c.mode;
  }
}

TEST(SalesScreen, F12ListsTheOpenReceiptsLines) {
  Started fx;
  fx.add_line(1, "00000001", "21.90", "2");
  TELA_ITENS(fx.ctx);
  fx.script().button("&Fechar");
  EXPECT_TRUE(fx.window().press(Key::F12));
  bool listed = false;
  for (const auto& e : fx.transcript().entries())
    if (e.kind == "browse") {
      listed = true;
      EXPECT_EQ(e.title, "Itens do Cupom em Aberto");
    }
  EXPECT_TRUE(listed);
  const std::string all = fx.transcript().str();
  EXPECT_NE(all.find("ARROZ TIPO 1 5KG PACOTE"), std::string::npos) << all;
  EXPECT_NE(all.find("2.0000"), std::string::npos) << all;
}

TEST(SalesScreen, AReceiptKeyWhoseScreenIsNotHereSaysSo) {
  Started fx;
  fx.add_line(1, "00000001", "21.90", "1");
  TELA_ITENS(fx.ctx);
  fx.script().ok("Funcao nao disponivel nesta versao: ITEM_GENERICO");
  EXPECT_TRUE(fx.window().press(Key::F4));
  EXPECT_TRUE(fx.script().empty());
}

}  // namespace
}  // namespace zelto::sales
