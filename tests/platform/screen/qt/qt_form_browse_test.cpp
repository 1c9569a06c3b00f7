#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

#include "platform/screen/list_cursor.hpp"
#include "platform/screen/qt/browse_dialog.hpp"
#include "platform/screen/qt/field_edit.hpp"
#include "platform/screen/qt/form_dialog.hpp"
#include "platform/screen/qt/qt_fixture.hpp"

namespace zelto::screen::qt {
namespace {

const Text kTitle = " -= ZeltoECF =- ";

TEST(QtForms, KeysDriveTheSameSessionAsScripts) {
  QtFixture fx;
  FormSpec def;
  def.title = "Procurar Item Pelo CODIGO";
  Field code = Field::number("code", "Codigo", runtime::Decimal(0), 6, 0, "999999");
  code.check = [&](FormSession& f) {
    if (f.last_key() == Key::Up || f.number("code") > 0) return true;
    fx.screen.show_error(kTitle, "Este Valor tem que ser Maior que zero...");
    return false;
  };
  def.fields.push_back(code);
  def.fields.push_back(Field::text("name", "Nome", "", 10, "@!"));
  def.buttons.push_back({.caption = "&Continuar", .action = [](FormSession& f) { f.confirm(); }});
  def.buttons.push_back({.caption = "ESC - Sair", .action = [](FormSession& f) { f.cancel(); }});
  FormSession form(def);

  fx.then([&](QWidget& w) {
    auto* d = qobject_cast<FormDialog*>(&w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "Procurar Item Pelo CODIGO");
    QTest::keyClick(d, Qt::Key_Return);  // zero: refused with the check's box
    EXPECT_EQ(form.focused_field(), 0u);
    QTest::keyClicks(d, "42");
    EXPECT_EQ(d->input(0)->shownText().toStdString(), "42    ");
    QTest::keyClick(d, Qt::Key_Return);
    QTest::keyClicks(d, "jo");
    QTest::sendKeyEvent(QTest::Click, d, Qt::Key_Atilde, QString::fromUtf8("\u00E3"), Qt::NoModifier);
    QTest::keyClicks(d, "o");  // the accented letter is kept as Windows-1252
    QTest::keyClick(d, Qt::Key_C, Qt::AltModifier);
  });
  fx.then(enter_on_box(kTitle, "Este Valor tem que ser Maior que zero..."));
  EXPECT_EQ(fx.screen.run_form(form), FormOutcome::Confirmed);
  EXPECT_EQ(form.number("code"), runtime::Decimal(42));
  EXPECT_EQ(form.text("name"), "JO\xC3O      ");
}

TEST(QtForms, EscClosesAsCancelledAndTheCloseCheckMayRefuse) {
  QtFixture fx;
  FormSpec def;
  def.title = "M622";
  def.fields.push_back(Field::text("code", "Codigo", "", 5, "!!!!!"));
  int asked = 0;
  def.can_close = [&](FormSession&) { return ++asked > 1; };
  FormSession form(def);
  fx.then([&](QWidget& w) {
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(fx.screen.run_form(form), FormOutcome::Cancelled);
  EXPECT_EQ(asked, 2);
}

TEST(QtForms, FieldsOfOneLineStandSideBySideAndTheLookupButtonPressesF2) {
  QtFixture fx;
  FormSpec def;
  def.title = "M419 - Inclusao de Contabilista";
  Field number = Field::text("C811", "Nr", "", 6);
  number.label_align = Align::Right;
  def.fields.push_back(number);
  Field complement = Field::text("C810", "Complemento", "", 20);
  complement.line = 0;
  def.fields.push_back(complement);
  Field state = Field::text("C018", "Estado do contribuinte", "", 2, "!!");
  int looked = 0;
  state.on_f2 = [&](FormSession& f) {
    ++looked;
    f.set_value("C018", Text("MG"));
  };
  def.fields.push_back(state);
  FormSession form(def);
  fx.then([&](QWidget& w) {
    auto* d = qobject_cast<FormDialog*>(&w);
    ASSERT_NE(d, nullptr);
    d->layout()->activate();
    EXPECT_EQ(d->input(1)->geometry().top(), d->input(0)->geometry().top());
    EXPECT_GT(d->input(1)->geometry().left(), d->input(0)->geometry().right());
    EXPECT_GT(d->input(2)->geometry().top(), d->input(0)->geometry().top());
    // The short label stands right in the labels' column, next to its input.
    EXPECT_GT(d->label(0)->geometry().left(), d->label(2)->geometry().left());
    EXPECT_GE(d->label(0)->geometry().right(), d->label(2)->geometry().right() - 2);
    EXPECT_FALSE(d->lookup(0)->isVisibleTo(d));
    ASSERT_TRUE(d->lookup(2)->isVisibleTo(d));
    d->lookup(2)->click();  // the focus goes to the input, then its lookup runs
    EXPECT_EQ(form.focused_field(), 2u);
    EXPECT_EQ(d->input(2)->shownText().toStdString(), "MG");
    QTest::keyClick(d, Qt::Key_Escape);
  });
  fx.screen.run_form(form);
  EXPECT_EQ(looked, 1);
}

TEST(QtBrowses, PageStripesFooterAndHotLetters) {
  QtFixture fx;
  std::vector<std::string> rows{"Arroz", "Feijao", "Sal", "Acucar"};
  ListCursor cursor([&] { return long(rows.size()); });
  BrowseSpec def;
  def.title = "Itens do Cupom em Aberto";
  def.page_rows = 6;
  def.columns.push_back({.heading = "Item", .value = [&] { return rows[cursor.position()]; }});
  def.columns.push_back({.heading = "Valor", .value = [] { return Text("1,00"); }, .align = Align::Right,
                          .footer = [] { return Text("4,00"); }});
  std::vector<std::string> ran;
  def.buttons.push_back({.caption = "&Incluir", .action = [&](BrowseSession&) { ran.push_back(rows[cursor.position()]); }});
  def.buttons.push_back({.caption = "&Fechar", .action = [](BrowseSession& b) { b.close(); }});
  BrowseSession browse(def, cursor);
  fx.then([&](QWidget& w) {
    auto* d = qobject_cast<BrowseDialog*>(&w);
    ASSERT_NE(d, nullptr);
    QTableWidget* t = d->table();
    EXPECT_EQ(t->item(0, 0)->text().toStdString(), "Arroz");
    EXPECT_EQ(t->item(3, 0)->text().toStdString(), "Acucar");
    EXPECT_EQ(t->item(4, 0)->text().toStdString(), "");
    EXPECT_EQ(t->item(0, 0)->background().color(), QColor::fromRgb(Colour::from_bgr(16768185).rgb));  // current
    EXPECT_EQ(t->item(1, 0)->background().color(), QColor(Qt::white));
    EXPECT_EQ(t->item(2, 0)->background().color(), QColor(192, 192, 192));
    EXPECT_EQ(d->footer()->item(0, 1)->text().toStdString(), "4,00");
    QTest::keyClick(d, Qt::Key_Down);
    EXPECT_EQ(t->item(1, 0)->background().color(), QColor::fromRgb(Colour::from_bgr(16768185).rgb));
    QTest::keyClick(d, Qt::Key_X);  // claimed by no button: nothing
    QTest::keyClick(d, Qt::Key_I);
    QTest::keyClick(d, Qt::Key_F);
  });
  fx.screen.run_browse(browse);
  EXPECT_FALSE(browse.open());
  EXPECT_EQ(ran, (std::vector<std::string>{"Feijao"}));
}

TEST(QtBrowses, FrozenColumnsStayWhenTheOthersScroll) {
  QtFixture fx;
  std::vector<std::string> rows{"Arroz", "Feijao"};
  ListCursor cursor([&] { return long(rows.size()); });
  BrowseSpec def;
  def.title = "Tentativas";
  def.frozen = 1;
  def.geometry = Rect{0, 0, 300, 200};
  def.columns.push_back({.heading = "Data", .value = [&] { return rows[cursor.position()]; }, .width = 10});
  for (int i = 0; i < 8; ++i)
    def.columns.push_back({.heading = "Coluna larga", .value = [] { return Text("conteudo"); }, .width = 30});
  BrowseSession browse(def, cursor);
  bool checked = false;
  fx.then([&](QWidget& w) {
    auto* d = qobject_cast<BrowseDialog*>(&w);
    ASSERT_NE(d, nullptr);
    QTableView* f = d->frozen();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isColumnHidden(0));
    EXPECT_TRUE(f->isColumnHidden(1));
    EXPECT_EQ(f->model()->index(1, 0).data().toString().toStdString(), "Feijao");
    const QRect before = f->geometry();
    EXPECT_EQ(before.width(), d->table()->columnWidth(0));
    d->table()->horizontalScrollBar()->setValue(d->table()->horizontalScrollBar()->maximum());
    EXPECT_GT(d->table()->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(f->geometry(), before);  // the frozen column did not move
    EXPECT_EQ(f->columnViewportPosition(0), 0);
    checked = true;
    QTest::keyClick(d, Qt::Key_Escape);
  });
  fx.screen.run_browse(browse);
  EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace zelto::screen::qt
