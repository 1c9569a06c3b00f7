#include "platform/screen/qt/input_blocker.hpp"

#include <QApplication>
#include <QEvent>

namespace zelto::screen::qt {

InputBlocker::InputBlocker() { qApp->installEventFilter(this); }

InputBlocker::~InputBlocker() {
  set_blocked(false);
  qApp->removeEventFilter(this);
}

void InputBlocker::set_blocked(bool blocked) {
  if (blocked == blocked_) return;
  blocked_ = blocked;
  if (blocked) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (!blocked_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::ShortcutOverride: case QEvent::Shortcut:
    case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace zelto::screen::qt
