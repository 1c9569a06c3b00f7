// The function-key rows of the free checkout: captions and widths, the
// switch from the short row to the full one, the footer copy that goes with
// each, the printer's keys while the printer is not usable, and the keys
// whose screens this version lacks.

#include <gtest/gtest.h>

#include "frame_fixture.hpp"

namespace zelto::app {
namespace {

using screen::Key;

const std::string kEndQuestion = "Deseja Finalizar a Execucao do ZeltoECF ?     ";

struct RowButton {
  Key key;
  const char* caption;
  int width;
};

const RowButton kFullRow[] = {
    {Key::F2, "F2 Itens", 75},      {Key::F3, "F3 Abrir ECF", 75},   {Key::F4, "F4 Importar", 75},
    {Key::F5, "F5 Atualizar", 75},  {Key::F6, "F6 Cancelar", 75},    {Key::F7, "F7 Reducao_Z", 81},
    {Key::F8, "F8 Leitura_X", 75},  {Key::F9, "F9 menu fiscal", 81}, {Key::F10, "F10 Menus", 75},
    {Key::F11, "F11 Voltar", 75},
};
const RowButton kShortRow[] = {{Key::F10, "F10 Menus", 75}, {Key::F11, "F11 Sair", 75}};

bool upper_footer_shown(const screen::Window& w) {
  for (const char* part : {"ecf", "caixa", "usuario"})
    if (!w.visible(footer_panel(part, true)) || w.visible(footer_panel(part, false))) return false;
  return true;
}
bool lower_footer_shown(const screen::Window& w) {
  for (const char* part : {"ecf", "caixa", "usuario"})
    if (w.visible(footer_panel(part, true)) || !w.visible(footer_panel(part, false))) return false;
  return true;
}

void expect_row(const screen::Window& w, bool full) {
  int right_edge = 0;
  for (const RowButton& b : kFullRow) {
    const screen::WindowButton& button = w.button(full_row_button(b.key));
    EXPECT_EQ(button.caption, b.caption);
    EXPECT_EQ(button.geometry.width, b.width) << b.caption;
    EXPECT_EQ(button.geometry.height, 20) << b.caption;
    EXPECT_GT(button.geometry.x, right_edge) << b.caption << " stands left to right";
    right_edge = button.geometry.x + button.geometry.width - 1;
    EXPECT_EQ(button.visible, full) << b.caption;
  }
  for (const RowButton& b : kShortRow) {
    const screen::WindowButton& button = w.button(short_row_button(b.key));
    EXPECT_EQ(button.caption, b.caption);
    EXPECT_EQ(button.geometry.width, b.width);
    EXPECT_EQ(button.geometry.height, 20);
    EXPECT_EQ(button.visible, !full) << b.caption;
  }
  EXPECT_EQ(full ? upper_footer_shown(w) : lower_footer_shown(w), true);
}

TEST(FrameRows, TheFullRowWithItsFooterAbove) {
  testing::FrameFixture t;
  t.g.VUSU = "ANA";
  t.g.VCAIXAUSUAR = "CX01  ";
  t.g.VNUM_SER = "BE091010100011223344";
  screen::Window& w = t.open();
  SET_KEYS(t.ctx);
  expect_row(w, true);
  EXPECT_EQ(w.text(footer_panel("ecf", true)), "ECF.: BE091010100011223344");
  EXPECT_EQ(w.text(footer_panel("caixa", true)), "Caixa.: CX01");
  EXPECT_EQ(w.text(footer_panel("usuario", true)), "Usuario.: ANA");
  for (Key k : {Key::F2, Key::F3, Key::F4, Key::F5, Key::F6, Key::F7, Key::F8, Key::F9, Key::F10, Key::F11})
    EXPECT_TRUE(w.bound(k)) << screen::key_name(k);
}

// The short row at start; F10 (the key or the row's button) shows the full
// row, which stays, and the next F10 opens the system menu.
TEST(FrameRows, TheShortRowGivesWayToTheFullOneForTheRestOfTheRun) {
  for (const bool by_button : {false, true}) {
    SCOPED_TRACE(by_button ? "button" : "key");
    testing::FrameFixture t;
    t.g.VLEMENUS = "N";
    screen::Window& w = t.open();
    SET_KEYS(t.ctx);
    expect_row(w, false);

    if (by_button) t.script().button("F10 Menus");
    else t.script().press(Key::F10);
    t.play();
    EXPECT_EQ(t.g.VLEMENUS, "S");
    expect_row(w, true);
    EXPECT_EQ(t.count("menu"), 0);

    if (by_button) t.script().button("F10 Menus");
    else t.script().press(Key::F10);
    t.script().press(Key::Esc);  // closes the pop-up menu
    t.play();
    EXPECT_EQ(t.count("menu"), 1);
    EXPECT_EQ(t.g.VLEMENUS, "S");

    // The free state shown again keeps the full row.
    TIRA_KEYS(t.ctx);
    EXPECT_FALSE(w.bound(Key::F10));
    SET_KEYS(t.ctx);
    expect_row(w, true);
  }
}

TEST(FrameRows, VoltaMenuGoesBackToTheShortRowAndItsFooter) {
  testing::FrameFixture t;
  screen::Window& w = t.open();
  MOSTRA_MENUS(t.ctx);
  VOLTA_MENU(t.ctx);
  EXPECT_EQ(t.g.VLEMENUS, "N");
  expect_row(w, false);
  t.script().press(Key::F11).answer(kEndQuestion, false).button("F11 Sair").answer(kEndQuestion, true);
  t.play();
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_EQ(t.run.reason, "FECHA_SISTEMA");
}

TEST(FrameRows, ThePrintersKeysAreOffWhileThePrinterIsNotUsable) {
  testing::FrameFixture t;
  t.g.VCOMUNICOU_C_IMPRESSORA = false;
  screen::Window& w = t.open();
  SET_KEYS(t.ctx);
  for (Key k : {Key::F3, Key::F6, Key::F7, Key::F8}) {
    EXPECT_FALSE(w.bound(k)) << screen::key_name(k);
    EXPECT_FALSE(w.button(full_row_button(k)).enabled) << screen::key_name(k);
  }
  for (Key k : {Key::F2, Key::F4, Key::F5, Key::F9, Key::F10, Key::F11}) {
    EXPECT_TRUE(w.bound(k)) << screen::key_name(k);
    EXPECT_TRUE(w.button(full_row_button(k)).enabled) << screen::key_name(k);
  }
  // A key or a click on a disabled button does nothing.
  t.script().press(Key::F3).press(Key::F7);
  t.play();
  EXPECT_FALSE(w.click(full_row_button(Key::F6)));
  EXPECT_EQ(t.count("alert"), 0);

  // Usable again: the row shown next takes them back.
  t.g.VCOMUNICOU_C_IMPRESSORA = true;
  SET_KEYS(t.ctx);
  EXPECT_TRUE(w.bound(Key::F3));
  EXPECT_TRUE(w.button(full_row_button(Key::F8)).enabled);
}

// Keys whose screens this version does not have say so, by key and by
// button alike, and the program goes on.
TEST(FrameRows, AKeyWithoutItsScreenShowsThePlaceholder) {
  testing::FrameFixture t;
  t.open();
  SET_KEYS(t.ctx);
  t.script()
      .press(Key::F4).ok("Funcao nao disponivel nesta versao: M61")
      .button("F5 Atualizar").ok("Funcao nao disponivel nesta versao: M62A")
      .press(Key::F2).ok("Funcao nao disponivel nesta versao: M151")
      .press(Key::F3).ok("Funcao nao disponivel nesta versao: ABRE_ECF_BEM7")
      .button("F7 Reducao_Z").ok("Funcao nao disponivel nesta versao: REDUCAO_Z_BEM7")
      .press(Key::F9).ok("Funcao nao disponivel nesta versao: MONTA_MENU_FISCAL");
  t.play();
  EXPECT_EQ(t.count("alert"), 6);
  EXPECT_FALSE(t.run.end_requested);
}

// What the rows' keys run after their action: the sales window's refresh,
// also after a failure, and not once the run is ending.
TEST(FrameRows, TheFollowUpRunsAfterEveryKeyUntilTheEnd) {
  testing::FrameFixture t;
  t.open();
  int after = 0;
  set_after_key(t.ctx, [&after](core::Ctx&) { ++after; });
  SET_KEYS(t.ctx);
  t.script().press(Key::F4).ok("Funcao nao disponivel nesta versao: M61");
  t.script().press(Key::F11).answer(kEndQuestion, false);
  t.play();
  EXPECT_EQ(after, 2);
  t.script().press(Key::F11).answer(kEndQuestion, true);
  t.play();
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_EQ(after, 2);
}

}  // namespace
}  // namespace zelto::app
