#pragma once
// Holds the operator's keyboard and mouse input back while a printer
// command runs, with the wait cursor.

#include <QObject>

namespace zelto::screen::qt {

class InputBlocker : public QObject {
  Q_OBJECT

 public:
  InputBlocker();
  ~InputBlocker() override;
  void set_blocked(bool blocked);
  bool blocked() const { return blocked_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool blocked_ = false;
};

}  // namespace zelto::screen::qt
