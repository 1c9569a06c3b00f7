#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "platform/screen/qt/field_edit.hpp"
#include "platform/screen/qt/window_view.hpp"
#include "platform/screen/qt/qt_fixture.hpp"
#include "ui/tssay.hpp"

namespace zelto::screen::qt {
namespace {

using namespace std::chrono_literals;

TEST(QtScreen, EnterGivesTheQuestionsPreselectedAnswer) {
  QtFixture fx;
  fx.then(enter_on_box("   Zelto Sistemas", "Confirma ?     "));
  EXPECT_FALSE(fx.screen.ask_yes_no("   Zelto Sistemas", "Confirma ?     ", false));
  fx.then(enter_on_box("   Zelto Sistemas", "Confirma ?     "));
  EXPECT_TRUE(fx.screen.ask_yes_no("   Zelto Sistemas", "Confirma ?     ", true));
  fx.then([](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); });
  EXPECT_FALSE(fx.screen.ask_yes_no("t", "Confirma ?     ", true));
}

TEST(QtScreen, BoxesShowWindows1252TextsAndLiftTheInputBlock) {
  QtFixture fx;
  fx.screen.block_input();
  bool blocked_while_shown = true;
  fx.then([&](QWidget& w) {
    blocked_while_shown = fx.screen.input_blocked();
    auto* box = qobject_cast<QMessageBox*>(&w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text(), QString::fromUtf8("Não disponível"));
    // Typed input reaches the box: the block is lifted.
    QTest::keyClick(box, Qt::Key_Return);
  });
  fx.screen.show_error(" -= ZeltoECF =- ", "N\xE3o dispon\xEDvel");
  EXPECT_FALSE(blocked_while_shown);
  EXPECT_TRUE(fx.screen.input_blocked());
  fx.screen.unblock_input();
}

TEST(QtScreen, BlockedInputNeverReachesTheWindows) {
  QtFixture fx;
  Window& w = fx.screen.open_window({.name = "sales", .title = "Vendas"});
  int pressed = 0;
  w.bind_key(Key::F3, [&] { ++pressed; });
  WindowView* v = fx.screen.view("sales");
  fx.screen.block_input();
  QTest::keyClick(v, Qt::Key_F3);
  EXPECT_EQ(pressed, 0);
  fx.screen.unblock_input();
  QTest::keyClick(v, Qt::Key_F3);
  EXPECT_EQ(pressed, 1);
}

TEST(QtScreen, AWindowClosedByItsOwnKeyGoesAfterTheKey) {
  QtFixture fx;
  Window& w = fx.screen.open_window({.name = "frame", .title = "ZeltoECF"});
  w.bind_key(Key::F11, [&] { fx.screen.close_window("frame"); });
  QPointer<WindowView> v = fx.screen.view("frame");
  ASSERT_TRUE(v);
  QTest::keyClick(v.data(), Qt::Key_F11);
  EXPECT_EQ(fx.screen.window("frame"), nullptr);
  EXPECT_FALSE(v && v->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(v.isNull());
}

TEST(QtScreen, TimedMessagesAndTonesWaitThroughTheSleeper) {
  QtFixture fx;
  std::string seen;
  fx.then([&](QWidget& w) {
    seen = w.windowTitle().toStdString() + "|" + w.findChild<QLabel*>()->text().toStdString();
  });
  fx.screen.show_timed("Zelto Sistemas ", "Nao achou o Produto.", 4000ms);
  fx.screen.tone(900, 110ms);
  EXPECT_EQ(seen, "Zelto Sistemas |Nao achou o Produto.");
  EXPECT_EQ(fx.sleeper.waits, (std::vector<long>{4000, 110}));
}

TEST(QtScreen, StandingWindowsDrawPanelsButtonsAndTakeFunctionKeys) {
  QtFixture fx;
  Window& frame = fx.screen.open_window({.name = "frame", .title = "ZeltoECF", .message_bar = true});
  Window& sales = fx.screen.open_window({.name = "sales", .title = "Vendas", .parent = "frame"});
  std::vector<std::string> ran;
  frame.bind_key(Key::F11, [&] { ran.push_back("sair"); });
  sales.bind_key(Key::F3, [&] { ran.push_back("dinheiro"); });
  sales.add_panel({.name = "banner",
                   .text = " C A I X A    L I V R E ",
                   .geometry = {10, 40, 300, 40},
                   .style = {.align = Align::Centre, .background = Colour{0xFFFF00}, .frame = Frame::Raised}});
  sales.add_button({.name = "f6", .caption = "F6-Cancelar CUPOM", .geometry = {10, 100, 150, 24}, .enabled = false});
  FormSpec entry;
  entry.fields.push_back(Field::text("item", ".Item.:", "", 14, "99999999999999"));
  sales.set_entry(entry);

  WindowView* view = fx.screen.view("sales");
  ASSERT_NE(view, nullptr);
  ui::TSSay* banner = view->panel("banner");
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(banner->caption(), " C A I X A    L I V R E ");
  EXPECT_FALSE(view->button("f6")->isEnabled());

  QTest::keyClick(view, Qt::Key_F3);
  QTest::keyClick(view, Qt::Key_F11);  // not the sales window's: the frame takes it
  QTest::keyClicks(view, "78a9");
  EXPECT_EQ(ran, (std::vector<std::string>{"dinheiro", "sair"}));
  EXPECT_EQ(view->input(0)->shownText().toStdString(), "789           ");

  sales.set_text("banner", " Abrindo Cupom Fiscal ");
  sales.set_visible("banner", false);
  sales.set_enabled("f6", true);
  EXPECT_EQ(banner->caption(), " Abrindo Cupom Fiscal ");
  EXPECT_FALSE(banner->isVisible());
  EXPECT_TRUE(view->button("f6")->isEnabled());

  fx.screen.set_message("Abre o ECF Diario");
  EXPECT_EQ(fx.screen.view("frame")->findChild<QLabel*>()->text().toStdString(), "Abre o ECF Diario");
  fx.screen.close_window("frame");
  EXPECT_EQ(fx.screen.view("sales"), nullptr);
}

TEST(QtScreen, MenusRunTheChosenEntryAndShowStatusTexts) {
  QtFixture fx;
  fx.screen.open_window({.name = "frame", .title = "ZeltoECF", .message_bar = true});
  int ran = 0;
  Menu menu;
  menu.entries.push_back({.caption = "&A. Primeiro", .status = "Status A", .enabled = false, .action = [&] { ran = 1; }});
  menu.entries.push_back({.caption = "&C. Leitura X (tirar)", .status = "Leitura", .action = [&] { ran = 2; }});
  fx.then([](QWidget& w) {
    auto* m = qobject_cast<QMenu*>(&w);
    ASSERT_NE(m, nullptr);
    EXPECT_FALSE(m->actions().at(0)->isEnabled());
    QTest::keyClick(m, Qt::Key_Down);  // the disabled entry is passed over
    QTest::keyClick(m, Qt::Key_Return);
  });
  EXPECT_TRUE(fx.screen.popup_menu(menu));
  EXPECT_EQ(ran, 2);
  EXPECT_EQ(fx.screen.message(), "Leitura");
}

}  // namespace
}  // namespace zelto::screen::qt
