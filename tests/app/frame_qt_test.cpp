// The function-key rows and the system menu on the real screen: captions,
// widths and the printer's buttons, F10 on the sales window popping the
// menu up with the printer's entries off, and an entry chosen from it.

#include <QMenu>
#include <QPushButton>

#include "app/button_rows.hpp"
#include "app/main_frame.hpp"
#include "platform/screen/qt/qt_fixture.hpp"
#include "platform/screen/qt/window_view.hpp"
#include "support/temp_dir.hpp"

namespace zelto::app {
namespace {

using screen::Key;

struct QtRows : screen::qt::QtFixture {
  zelto::testing::TempDir dir;
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, {}}};
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};

  screen::qt::WindowView& open() {
    screen.open_window({.name = kFrameWindow, .title = "ZeltoECF", .geometry = {0, 0, 1000, 700}, .message_bar = true});
    screen::Window& sales =
        screen.open_window({.name = kSalesWindow, .geometry = {0, 0, 1000, 676}, .parent = kFrameWindow});
    build_button_rows(ctx, sales);
    SET_KEYS(ctx);
    return *screen.view(kSalesWindow);
  }
};

QMenu* submenu_of(QMenu& menu, const QString& caption) {
  for (QAction* a : menu.actions())
    if (a->text() == caption) return a->menu();
  return nullptr;
}

TEST(QtFrameRows, TheRowsAndTheMenuWithoutThePrinter) {
  QtRows fx;
  fx.g.VCOMUNICOU_C_IMPRESSORA = false;
  screen::qt::WindowView& sales = fx.open();

  QPushButton* f7 = sales.button(full_row_button(Key::F7));
  ASSERT_NE(f7, nullptr);
  EXPECT_EQ(f7->text().toStdString(), "F7 Reducao_Z");
  EXPECT_EQ(f7->width(), 81);
  EXPECT_EQ(f7->height(), 20);
  EXPECT_FALSE(f7->isEnabled());
  EXPECT_TRUE(f7->isVisibleTo(&sales));
  QPushButton* f2 = sales.button(full_row_button(Key::F2));
  EXPECT_EQ(f2->width(), 75);
  EXPECT_TRUE(f2->isEnabled());
  EXPECT_FALSE(sales.button(short_row_button(Key::F11))->isVisibleTo(&sales));

  fx.then([](QWidget& w) {
    auto* menu = qobject_cast<QMenu*>(&w);
    ASSERT_NE(menu, nullptr) << w.metaObject()->className();
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions().at(0)->text(), QString("&A. Utilitarios    "));
    EXPECT_EQ(menu->actions().at(1)->text(), QString("&C. Leitura X (tirar)"));
    QMenu* fiscal = submenu_of(*menu, "&B. Comandos Fiscais");
    ASSERT_NE(fiscal, nullptr);
    ASSERT_EQ(fiscal->actions().size(), 5);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(fiscal->actions().at(i)->isEnabled()) << i;
    EXPECT_EQ(fiscal->actions().at(2)->menu(), nullptr);  // left out
    EXPECT_TRUE(fiscal->actions().at(4)->isEnabled());
    EXPECT_NE(fiscal->actions().at(4)->menu(), nullptr);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);  // "C. Leitura X (tirar)"
  });
  fx.then(screen::qt::enter_on_box(" -= ZeltoECF =- ", "Funcao nao disponivel nesta versao: LEITURA_X_BEM7"));
  QTest::keyClick(&sales, Qt::Key_F10);
  EXPECT_TRUE(fx.handlers.empty());
}

}  // namespace
}  // namespace zelto::app
