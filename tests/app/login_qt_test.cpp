// The login window on the real screen: its labels are the shaded text
// controls, and keys typed into it reach the same checks as a script.

#include <QLabel>
#include <QPushButton>

#include "app/login.hpp"
#include "app/login_credentials.hpp"
#include "app/password.hpp"
#include "app/supervisor.hpp"
#include "platform/screen/qt/field_edit.hpp"
#include "platform/screen/qt/form_dialog.hpp"
#include "platform/screen/qt/qt_fixture.hpp"
#include "store/lookup.hpp"
#include "support/temp_dir.hpp"
#include "ui/tssay.hpp"

namespace zelto::app {
namespace {

using screen::qt::FormDialog;

struct QtLogin : screen::qt::QtFixture {
  testing::TempDir dir;
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, {}}};
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};
  int setups = 0;
  LoginSteps steps;

  QtLogin() {
    for (const char* alias : {"US", "UM"}) {
      const store::CatalogueEntry& row = *store::find_entry(alias);
      db.create(row.file(), store::field_defs(*row.table));
      db.use(row.file(), row.alias(), row.mode, store::order_specs(row));
    }
    xbase::Table& us = db.area("US");
    us.append_blank();
    us.put("C001", "GER");
    us.put("C003", SCRAMBLE_PASSWORD("ABC123"));
    us.put("C004", "A");
    us.unlock();
    steps.TESTANDO = [this](core::Ctx&, screen::Progress&) {
      ++setups;
      return true;
    };
  }
};

// The shaded look: an inset edge, dark along the top and left, light along
// the bottom and right.
void expect_shaded(ui::TSSay& say) {
  const QImage img = say.grab().toImage();
  const QPalette pal = say.palette();
  EXPECT_EQ(QColor(img.pixel(0, 0)).rgb(), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(QColor(img.pixel(img.width() - 1, img.height() - 1)).rgb(), pal.color(QPalette::Light).rgb());
}

TEST(QtLogin, ShadedLabelsAndTypedKeysReachTheChecks) {
  QtLogin fx;
  fx.then([&](QWidget& w) {
    auto* d = qobject_cast<FormDialog*>(&w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle().toStdString(), "LOGIN ZELTO SISTEMAS");
    const char* captions[] = {"Usuario...:", "Senha.....:"};
    for (std::size_t i = 0; i < 2; ++i) {
      auto* say = qobject_cast<ui::TSSay*>(d->label(i));
      ASSERT_NE(say, nullptr) << captions[i];
      EXPECT_EQ(say->caption(), captions[i]);
      EXPECT_GE(say->width(), say->fontMetrics().horizontalAdvance(QString::fromLatin1(captions[i])));
      expect_shaded(*say);
    }
    EXPECT_EQ(d->button(0)->text().toStdString(), "&Continuar");
    EXPECT_EQ(d->button(2)->text().toStdString(), "ESC - Sair");

    QTest::keyClicks(d, "ger");
    QTest::keyClick(d, Qt::Key_Return);
    QTest::keyClicks(d, "abc124");
    EXPECT_EQ(d->input(1)->shownText().toStdString(), "******");  // masked
    QTest::keyClick(d, Qt::Key_Return);  // refused: the box below, then back to the operator
    EXPECT_EQ(fx.setups, 0);
    EXPECT_TRUE(d->isVisible());
    QTest::keyClick(d, Qt::Key_Return);
    QTest::keyClicks(d, "abc123");
    QTest::keyClick(d, Qt::Key_Return);
  });
  fx.then(screen::qt::enter_on_box(" -= ZeltoECF =- ", kCredentialsRefused));
  EXPECT_TRUE(SENHA_USUARIO(fx.ctx, fx.steps));
  EXPECT_EQ(fx.setups, 1);
  EXPECT_EQ(fx.g.VUSU, "GER");
}

TEST(QtLogin, TheWindowStaysUntilTheOperatorChoosesToLeave) {
  QtLogin fx;
  fx.then([&](QWidget& w) {
    QTest::keyClick(&w, Qt::Key_Escape);  // "no": still there
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(&w, Qt::Key_Escape);
  });
  auto answer = [](bool yes) {
    return [yes](QWidget& w) {
      auto* box = qobject_cast<QMessageBox*>(&w);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text().toStdString(), "Deseja Finalizar a Execucao do Sistema Zelto ?     ");
      for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == (yes ? QMessageBox::YesRole : QMessageBox::NoRole)) b->click();
    };
  };
  fx.then(answer(false));
  fx.then(answer(true));
  EXPECT_FALSE(SENHA_USUARIO(fx.ctx, fx.steps));
  EXPECT_EQ(fx.setups, 0);
  EXPECT_EQ(fx.run.reason, "SAIR_ECF");
}

TEST(QtLogin, SupervisorFormKeepsPlainLabels) {
  QtLogin fx;
  fx.then([&](QWidget& w) {
    auto* d = qobject_cast<FormDialog*>(&w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(qobject_cast<ui::TSSay*>(d->label(0)), nullptr);
    EXPECT_NE(qobject_cast<QLabel*>(d->label(0)), nullptr);
    QTest::keyClick(d, Qt::Key_Escape);
  });
  EXPECT_FALSE(M11111AV(fx.ctx, "M74"));
}

}  // namespace
}  // namespace zelto::app
