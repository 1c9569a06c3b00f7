#include "platform/screen/qt/qt_progress.hpp"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "platform/screen/qt/qt_text.hpp"

namespace zelto::screen::qt {

QtProgress::QtProgress(const Text& title, long total, QWidget* parent)
    : window_(new QWidget(parent, Qt::Dialog)), label_(new QLabel(window_)), bar_(new QProgressBar(window_)) {
  window_->setWindowTitle(to_qt(title));
  auto* layout = new QVBoxLayout(window_);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  bar_->setRange(0, static_cast<int>(std::max(total, 0L)));
  window_->resize(360, 90);
  window_->show();
  repaint_now();
}

QtProgress::~QtProgress() { delete window_; }

void QtProgress::repaint_now() {
  // The pass runs on the one user-interface thread: let the meter paint.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtProgress::set_text(const Text& text) {
  label_->setText(to_qt(text));
  repaint_now();
}

void QtProgress::set_total(long total) { bar_->setRange(0, static_cast<int>(std::max(total, 0L))); }

void QtProgress::set_value(long value) {
  bar_->setValue(static_cast<int>(value));
  repaint_now();
}

}  // namespace zelto::screen::qt
