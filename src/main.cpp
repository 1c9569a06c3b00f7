// zeltoecf: the checkout program. It runs in its data folder, the current
// folder, and reads no command line: the start-up, the login window, and
// after the login the main frame until the orderly end.

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "app/main_frame.hpp"
#include "app/startup.hpp"
#include "core/run_guard.hpp"
#include "platform/os/clock.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/screen/driver_error.hpp"
#include "platform/screen/qt/event_loop_sleeper.hpp"
#include "platform/screen/qt/qt_screen.hpp"
#include "platform/screen/qt/window_view.hpp"

namespace {

using namespace zelto;

// Every operation runs guarded where it is dispatched; a failure that gets
// past one anyway is caught here, on its way out of the window system's
// event handling, and treated the same way.
class CheckoutApplication : public QApplication {
 public:
  using QApplication::QApplication;
  std::function<void(const char*)> on_failure;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      if (on_failure) on_failure(e.what());
    } catch (...) {
      if (on_failure) on_failure("falha desconhecida");
    }
    return true;
  }
};

// The start window cannot be closed by itself, the frame only once the
// orderly end lets it.
class CloseGuard : public QObject {
 public:
  explicit CloseGuard(const core::Globals& g) : g_(g) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    auto* view = qobject_cast<screen::qt::WindowView*>(watched);
    if (!view) return false;
    const std::string& name = view->window().name();
    const bool refused = name == app::kStartWindow || (name == app::kFrameWindow && !app::frame_may_close(g_));
    if (refused) event->ignore();
    return refused;
  }

 private:
  const core::Globals& g_;
};

}  // namespace

int main(int argc, char** argv) {
  // The window system gets the program's name only: no option reaches it.
  int qt_argc = argc > 0 ? 1 : 0;
  CheckoutApplication application(qt_argc, argv);

  screen::qt::EventLoopSleeper sleeper;
  screen::qt::QtScreen qt_screen(sleeper);
  os::SystemClock clock([&sleeper](std::chrono::milliseconds d) { sleeper.sleep(d); });
  core::Globals g;
  core::RunControl run;
  xbase::Workspace db({".", true, [&qt_screen](const std::string& notice) {
                         qt_screen.show_timed("Zelto Sistemas ", runtime::utf8_to_cp1252(notice),
                                              std::chrono::seconds(4));
                       }});
  core::Services services;
  core::Ctx ctx{g, db, qt_screen, clock, run, services};

  application.on_failure = [&ctx](const char* what) { core::report_failure(ctx, "evento da janela", what); };
  CloseGuard close_guard(g);
  application.installEventFilter(&close_guard);

  app::StartupHost host;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    host.screen_area = screen::Rect{area.x(), area.y(), area.width(), area.height()};
  }
  host.run_until_end = [&] {
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (run.end_requested || !qt_screen.window(app::kFrameWindow)) application.quit();
    });
    watch.start(100);
    application.exec();
  };

  app::MAIN(ctx, host);
  return 0;
}
