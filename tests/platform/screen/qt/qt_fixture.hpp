#pragma once
// A real-window screen for tests: a sleeper that only records, and the
// modal windows handed one by one to the handlers a test queues.

#include <QMessageBox>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

#include "platform/screen/qt/qt_screen.hpp"
#include "ui/qt_test_support.hpp"

namespace zelto::screen::qt {

struct RecordingSleeper : Sleeper {
  std::vector<long> waits;
  void sleep(std::chrono::milliseconds d) override {
    QCoreApplication::processEvents();  // lets a shown window be handed to the test
    waits.push_back(static_cast<long>(d.count()));
  }
};

struct AppFirst {
  AppFirst() { QApplication::setFont(zelto::testing::test_font(13)); }
};

struct QtFixture : AppFirst {
  RecordingSleeper sleeper;
  QtScreen screen{sleeper};
  std::deque<std::function<void(QWidget&)>> handlers;
  std::vector<std::string> unexpected;

  QtFixture() {
    screen.set_modal_hook([this](QWidget& w) {
      if (handlers.empty()) {
        unexpected.push_back(w.metaObject()->className());
        if (auto* d = qobject_cast<QDialog*>(&w)) d->reject();
        else w.close();
        return;
      }
      auto h = std::move(handlers.front());
      handlers.pop_front();
      h(w);
    });
  }
  ~QtFixture() { EXPECT_TRUE(unexpected.empty()) << unexpected.front(); }
  void then(std::function<void(QWidget&)> h) { handlers.push_back(std::move(h)); }
};

// Presses Enter on a message box, after checking what it shows.
inline std::function<void(QWidget&)> enter_on_box(std::string title, std::string text) {
  return [title, text](QWidget& w) {
    auto* box = qobject_cast<QMessageBox*>(&w);
    ASSERT_NE(box, nullptr) << w.metaObject()->className();
    EXPECT_EQ(box->windowTitle().toStdString(), title);
    EXPECT_EQ(box->text().toStdString(), text);
    QTest::keyClick(box, Qt::Key_Return);
  };
}

}  // namespace zelto::screen::qt
