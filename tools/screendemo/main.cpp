// zeltoecf-screendemo: every text control and every kind of box of the
// screen layer in one window. With --screenshot FILE it saves a picture of
// the window and exits; with --press KEY as well (F2 ... F10) it presses the
// key first and saves the box, form, list or menu that opens instead.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include <QDialog>

#include "demo_window.hpp"
#include "platform/screen/qt/event_loop_sleeper.hpp"
#include "platform/screen/qt/window_view.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const char* screenshot = nullptr;
  const char* press = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
    if (std::strcmp(argv[i], "--press") == 0) press = argv[i + 1];
  }

  zelto::screen::qt::EventLoopSleeper sleeper;
  zelto::screen::qt::QtScreen screen(sleeper);
  zelto::demo::build_demo_window(screen);
  screen.set_message("F2 a F11: caixas, formulario, lista, progresso e menu");

  bool saved = false;
  if (screenshot && press) {
    screen.set_modal_hook([&](QWidget& modal) {
      QTimer::singleShot(200, &modal, [&saved, &modal, screenshot] {
        saved = modal.grab().save(QString::fromLocal8Bit(screenshot), "PNG");
        if (auto* d = qobject_cast<QDialog*>(&modal)) d->reject();
        else modal.close();
      });
    });
    QTimer::singleShot(300, [&] {
      const auto key = zelto::screen::key_from_name(press);
      if (key) screen.window("frame")->press(*key);
      if (!saved) std::fprintf(stderr, "nothing was shown to save for %s\n", press);
      app.exit(saved ? 0 : 1);
    });
  } else if (screenshot) {
    QTimer::singleShot(300, [&] {
      QWidget* view = screen.view("frame");
      saved = view && view->grab().save(QString::fromLocal8Bit(screenshot), "PNG");
      if (!saved) std::fprintf(stderr, "could not save %s\n", screenshot);
      app.exit(saved ? 0 : 1);
    });
  } else {
    // The run ends when the frame closes (F11).
    QTimer* watch = new QTimer(&app);
    QObject::connect(watch, &QTimer::timeout, [&] {
      if (!screen.window("frame")) app.quit();
    });
    watch->start(200);
  }
  return app.exec();
}
