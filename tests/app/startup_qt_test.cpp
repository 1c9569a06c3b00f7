// The main frame on the real screen: its title and status line, F11 and the
// end question, and a failure of a key's operation on its way out.

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>

#include "app/main_frame.hpp"
#include "app/startup.hpp"
#include "core/run_guard.hpp"
#include "platform/screen/qt/qt_fixture.hpp"
#include "platform/screen/qt/window_view.hpp"
#include "startup_fixture.hpp"
#include "store/open_catalogue.hpp"
#include "support/temp_dir.hpp"

namespace zelto::app {
namespace {

struct QtFrame : screen::qt::QtFixture {
  testing::TempDir dir;
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, {}}};
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};
  StartupHost host;
  testing::InDataFolder here{dir.path()};

  QtFrame() {
    testing::make_data_folder(dir.path());
    g.VUSU = "ANA";
    EXPECT_TRUE(store::G_ABREAR(ctx).ok());
  }
  screen::qt::WindowView& frame() {
    auto* v = screen.view(kFrameWindow);
    EXPECT_NE(v, nullptr);
    return *v;
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

TEST(QtFrame, F11AsksAndTheFrameClosesAtTheOrderlyEnd) {
  QtFrame fx;
  fx.then(answer("Deseja Finalizar a Execucao do ZeltoECF ?     ", false));
  fx.then(answer("Deseja Finalizar a Execucao do ZeltoECF ?     ", true));
  bool looped = false;
  fx.host.run_until_end = [&] {
    looped = true;
    screen::qt::WindowView& frame = fx.frame();
    EXPECT_EQ(frame.windowTitle().toStdString(), "ZeltoECF - Zelto Sistemas - Versao 7.901H");
    bool status_shown = false;
    for (QLabel* label : frame.findChildren<QLabel*>())
      status_shown |= label->text().startsWith("ZeltoECF 7.901H   Usuario.: ANA");
    EXPECT_TRUE(status_shown);
    // The keys go to the sales window inside the frame, which has the focus.
    screen::qt::WindowView* sales = fx.screen.view(kSalesWindow);
    ASSERT_NE(sales, nullptr);
    EXPECT_EQ(frame.focusWidget(), sales);
    QTest::keyClick(sales, Qt::Key_F11);  // "no": the run goes on
    EXPECT_FALSE(fx.run.end_requested);
    QTest::keyClick(sales, Qt::Key_F11);
    EXPECT_TRUE(fx.run.end_requested);
    EXPECT_TRUE(frame_may_close(fx.g));
  };
  OLD_MAIN(fx.ctx, fx.host);
  EXPECT_TRUE(looped);
  EXPECT_EQ(fx.run.reason, "FECHA_SISTEMA");
  EXPECT_EQ(fx.screen.view(kFrameWindow), nullptr);
}

TEST(QtFrame, AFailedKeyIsShownAndTheFrameStays) {
  QtFrame fx;
  fx.then(screen::qt::enter_on_box(" -= ZeltoECF =- ",
                                   "Ocorreu um erro e a operacao foi interrompida: tabela danificada"));
  fx.host.run_until_end = [&] {
    fx.screen.window(kFrameWindow)->bind_key(screen::Key::F9, core::guarded(fx.ctx, "F9", [] {
      throw std::runtime_error("tabela danificada");
    }));
    QTest::keyClick(&fx.frame(), Qt::Key_F9);
    EXPECT_NE(fx.screen.view(kFrameWindow), nullptr);
  };
  OLD_MAIN(fx.ctx, fx.host);
  EXPECT_FALSE(fx.run.end_requested);
  EXPECT_TRUE(std::filesystem::exists(fx.dir / "error.log"));
}

}  // namespace
}  // namespace zelto::app
