#pragma once
// A progress meter in its own small window, repainted as it moves.

#include <QWidget>

#include "platform/screen/progress.hpp"

class QLabel;
class QProgressBar;

namespace zelto::screen::qt {

class QtProgress : public Progress {
 public:
  QtProgress(const Text& title, long total, QWidget* parent);
  ~QtProgress() override;
  void set_text(const Text& text) override;
  void set_total(long total) override;
  void set_value(long value) override;
  QWidget& window() { return *window_; }

 private:
  void repaint_now();
  QWidget* window_;
  QLabel* label_;
  QProgressBar* bar_;
};

}  // namespace zelto::screen::qt
