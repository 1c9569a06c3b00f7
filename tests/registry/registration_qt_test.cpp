// The units registration on the real windows: the same descriptors and
// form session as the scripted runs, driven by keys.

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "platform/screen/qt/browse_dialog.hpp"
#include "platform/screen/qt/field_edit.hpp"
#include "platform/screen/qt/form_dialog.hpp"
#include "platform/screen/qt/qt_fixture.hpp"
#include "registry_fixture.hpp"
#include "support/temp_dir.hpp"

namespace zelto::registry::testing {
namespace {

struct QtRegistry : screen::qt::QtFixture {
  zelto::testing::TempDir dir;
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, {}}};
  os::ManualClock clock{os::LocalTime{*Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};

  QtRegistry() {
    open_tables(db, true);
    add_unit(db.area("UD"), "KG", "QUILOGRAMA");
    add_unit(db.area("UD"), "UN", "UNIDADE");
    g.VUSU = "GER";
  }
};

std::function<void(QWidget&)> answer(const std::string& text, bool yes) {
  return [text, yes](QWidget& w) {
    auto* box = qobject_cast<QMessageBox*>(&w);
    ASSERT_NE(box, nullptr) << w.metaObject()->className();
    EXPECT_EQ(box->text().toStdString(), text);
    for (QAbstractButton* b : box->buttons())
      if (box->buttonRole(b) == (yes ? QMessageBox::YesRole : QMessageBox::NoRole)) b->click();
  };
}

TEST(QtRegistration, IncludeAndChangeFromTheBrowseWithTheKeyClosedOnChange) {
  QtRegistry fx;
  Registration units = units_screen();
  xbase::Table& ud = fx.db.area("UD");
  units.columns = {{.header = "Codigo", .value = [&ud] { return field_cell(ud, "C408"); }},
                   {.header = "Descricao", .value = [&ud] { return field_cell(ud, "C409"); }}};

  fx.then([&](QWidget& w) {  // the browse
    auto* browse = qobject_cast<screen::qt::BrowseDialog*>(&w);
    ASSERT_NE(browse, nullptr) << w.metaObject()->className();
    EXPECT_EQ(browse->windowTitle().toStdString(), "M464-Tabela de Unidades de Medidas");
    QTest::keyClick(browse, Qt::Key_I);
    QTest::keyClick(browse, Qt::Key_A);
    QTest::keyClick(browse, Qt::Key_Escape);
  });
  fx.then([&](QWidget& w) {  // the include form
    auto* form = qobject_cast<screen::qt::FormDialog*>(&w);
    ASSERT_NE(form, nullptr) << w.metaObject()->className();
    EXPECT_EQ(form->windowTitle().toStdString(), "M464 - Inclusao de Unidade de Medida");
    QTest::keyClicks(form, "mt");
    QTest::keyClick(form, Qt::Key_Return);
    QTest::keyClicks(form, "metro");
    QTest::keyClick(form, Qt::Key_Return);
    QTest::keyClick(form, Qt::Key_Return);  // on "Continuar"
  });
  fx.then(answer("Confirma ?     ", true));
  fx.then([&](QWidget& w) {  // the change form, on the new unit
    auto* form = qobject_cast<screen::qt::FormDialog*>(&w);
    ASSERT_NE(form, nullptr) << w.metaObject()->className();
    EXPECT_EQ(form->windowTitle().toStdString(), "M464 - Alteracao de Unidade de Medida");
    EXPECT_EQ(form->input(0)->shownText().toStdString(), "MT");
    QTest::keyClick(form, Qt::Key_Up);  // nowhere to go: the key is closed
    QTest::keyClicks(form, "metros");
    EXPECT_EQ(form->input(0)->shownText().toStdString(), "MT");
    QTest::keyClick(form, Qt::Key_C, Qt::AltModifier);  // "Continuar" has no hot letter
    EXPECT_TRUE(form->isVisible());
    form->button(0)->click();
  });
  fx.then(answer("Confirma ?     ", true));

  show_registration(fx.ctx, units);
  EXPECT_TRUE(fx.handlers.empty());
  ud.set_order(1);
  ASSERT_TRUE(ud.seek("MT"));
  EXPECT_EQ(runtime::trim(ud.text("C409")), "METROS");
  EXPECT_EQ(ud.text("C001"), "GER");
  EXPECT_EQ(ud.reccount(), 3u);
}

TEST(QtRegistration, TheLookupButtonOpensTheListAndTheChoiceMovesTheFormOn) {
  QtRegistry fx;
  fx.then([&](QWidget& w) {
    auto* form = qobject_cast<screen::qt::FormDialog*>(&w);
    ASSERT_NE(form, nullptr) << w.metaObject()->className();
    QTest::keyClicks(form, "14");
    QTest::keyClick(form, Qt::Key_Return);
    QTest::keyClicks(form, "sal");
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_FALSE(form->lookup(1)->isVisibleTo(form));
    ASSERT_TRUE(form->lookup(2)->isVisibleTo(form));
    form->lookup(2)->click();
    EXPECT_EQ(form->input(2)->shownText().toStdString(), "KG");
    QTest::keyClicks(form, "3");  // the price has the focus now
    EXPECT_TRUE(form->input(3)->shownText().startsWith("3")) << form->input(3)->shownText().toStdString();
    QTest::keyClick(form, Qt::Key_Escape);
  });
  fx.then([&](QWidget& w) {  // the list, by name: QUILOGRAMA first
    auto* list = qobject_cast<screen::qt::BrowseDialog*>(&w);
    ASSERT_NE(list, nullptr) << w.metaObject()->className();
    EXPECT_EQ(list->windowTitle().toStdString(), "M4E1 - Tabela de Unidades de Medida");
    QTest::keyClick(list, Qt::Key_S);
  });
  fx.then(answer("Deseja voltar ?     ", true));
  EXPECT_FALSE(TELA_LE_CAMPOS(fx.ctx, goods_form(Mode::I)));
  EXPECT_TRUE(fx.handlers.empty());
}

}  // namespace
}  // namespace zelto::registry::testing
