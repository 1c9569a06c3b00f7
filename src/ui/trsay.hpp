#pragma once
// TRSay: a plain text whose caption is drawn raised (a light copy up and
// left, a dark one down and right) or shaded (a dark copy two pixels down
// and right), always over the parent's background.

#include <QLabel>

namespace zelto::ui {

class TRSay : public QLabel {
  Q_OBJECT

 public:
  TRSay(const QString& text, QWidget* parent, bool shaded, bool raised);

  bool shaded() const { return shaded_; }
  bool raised() const { return raised_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool shaded_;
  bool raised_;
};

}  // namespace zelto::ui
