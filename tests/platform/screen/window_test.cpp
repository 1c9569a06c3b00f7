#include "platform/screen/window.hpp"

#include <gtest/gtest.h>

#include "platform/screen/hot_key.hpp"
#include "platform/screen/menu.hpp"
#include "platform/screen/scripted/scripted_screen.hpp"

namespace zelto::screen {
namespace {

TEST(Window, KeysAreInstalledAndRemovedPerState) {
  Window w({.name = "sales", .title = "Vendas"});
  std::vector<std::string> ran;
  w.add_panel({.name = "banner", .text = " C A I X A    L I V R E "});
  w.add_button({.name = "f3", .caption = "F3-DINHEIRO", .action = [&] { ran.push_back("f3"); }});
  FormSpec entry;
  entry.fields.push_back(Field::text("item", ".Item.:", "", 14, "99999999999999"));
  w.set_entry(entry);

  w.bind_key(Key::F3, [&] { ran.push_back("F3"); });
  EXPECT_TRUE(w.press(Key::F3));
  w.unbind_key(Key::F3);
  // Unbound, nothing in the window takes it (the parent window may).
  EXPECT_FALSE(w.press(Key::F3));
  EXPECT_TRUE(w.press(Key::Enter));  // the entry row's
  EXPECT_FALSE(w.press(Key::Esc));
  EXPECT_EQ(ran, (std::vector<std::string>{"F3"}));

  EXPECT_TRUE(w.type('7'));
  EXPECT_EQ(w.entry()->display(0), "7             ");

  w.set_enabled("f3", false);
  EXPECT_FALSE(w.click("f3"));
  w.set_enabled("f3", true);
  w.set_visible("f3", false);
  EXPECT_FALSE(w.click("f3"));
  w.set_visible("f3", true);
  EXPECT_TRUE(w.click("f3"));
  EXPECT_EQ(ran.back(), "f3");

  w.set_text("banner", " Abrindo Cupom Fiscal ");
  EXPECT_EQ(w.text("banner"), " Abrindo Cupom Fiscal ");
  EXPECT_THROW(w.set_text("nothing", "x"), std::out_of_range);
  EXPECT_THROW(w.add_panel({.name = "f3"}), std::invalid_argument);
}

TEST(Window, ObserverHearsEveryChange) {
  Window w({.name = "frame", .title = "Zelto"});
  int heard = 0;
  w.set_observer([&] { ++heard; });
  w.add_panel({.name = "status"});
  w.set_text("status", "Espere, Processando...");
  w.set_visible("status", false);
  EXPECT_EQ(heard, 3);
}

TEST(Window, AKeyMayCloseItsOwnWindow) {
  scripted::ScriptedScreen screen;
  Window& w = screen.open_window({.name = "frame", .title = "ZeltoECF"});
  w.bind_key(Key::F11, [&] { screen.close_window("frame"); });
  int observed = 0;
  w.set_observer([&] { ++observed; });
  EXPECT_TRUE(w.press(Key::F11));  // the window object outlives its own key
  EXPECT_EQ(screen.window("frame"), nullptr);
  EXPECT_EQ(observed, 0);  // a closed window tells nobody
}

TEST(HotKeys, CaptionsAndLetters) {
  EXPECT_EQ(hot_letter("&Gravar"), 'G');
  EXPECT_EQ(hot_letter("co&lunas"), 'L');
  EXPECT_EQ(hot_letter("ESC - Sair"), std::nullopt);
  EXPECT_EQ(hot_letter("A && B"), std::nullopt);
  EXPECT_EQ(plain_caption("&Selecionar"), "Selecionar");
  EXPECT_EQ(plain_caption("A && B"), "A & B");
  EXPECT_TRUE(claims_hot_key("&Fechar", 'f'));
  EXPECT_FALSE(claims_hot_key("&Fechar", 'e'));
}

TEST(Menu, PathsUseTrimmedLabelsWithoutHotMarks) {
  Menu m;
  MenuEntry tools{.caption = "&A. Utilitarios    "};
  tools.children.push_back({.caption = "&F. Sair", .action = [] {}});
  m.entries.push_back(tools);
  m.entries.push_back({.caption = "&C. Leitura X (tirar)"});
  const auto found = find_menu_path(m, {"A. Utilitarios", "F. Sair"});
  ASSERT_FALSE(found.missing);
  EXPECT_EQ(found.entries.back()->caption, "&F. Sair");
  EXPECT_EQ(find_menu_path(m, {"A. Utilitarios", "Z"}).missing, 1u);
}

}  // namespace
}  // namespace zelto::screen
