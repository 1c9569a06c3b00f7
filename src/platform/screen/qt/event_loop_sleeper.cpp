#include "platform/screen/qt/event_loop_sleeper.hpp"

#include <QEventLoop>
#include <QTimer>

namespace zelto::screen::qt {

void EventLoopSleeper::sleep(std::chrono::milliseconds duration) {
  QEventLoop loop;
  QTimer::singleShot(duration, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zelto::screen::qt
