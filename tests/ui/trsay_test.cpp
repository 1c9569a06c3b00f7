#include "ui/trsay.hpp"

#include <gtest/gtest.h>

#include "ui/qt_test_support.hpp"

namespace zelto::ui {
namespace {

using testing::ink_box;

const QColor kInk(0, 0, 160);
const QColor kLight(255, 255, 255);
const QColor kDark(96, 96, 96);

QImage render(bool shaded, bool raised) {
  QWidget parent;
  QPalette pal;
  pal.setColor(QPalette::Window, QColor(0, 160, 0));
  pal.setColor(QPalette::WindowText, kInk);
  pal.setColor(QPalette::Light, kLight);
  pal.setColor(QPalette::Dark, kDark);
  parent.setPalette(pal);
  parent.setAutoFillBackground(true);
  parent.resize(120, 40);
  auto* say = new TRSay("Login", &parent, shaded, raised);
  QFont font = testing::test_font(20);
  font.setStyleStrategy(QFont::NoAntialias);  // whole pixels: the copies' offsets are exact
  say->setFont(font);
  say->setGeometry(10, 5, 100, 30);
  return parent.grab().toImage();
}

TEST(TRSay, RaisedAndShadedCopiesLieAroundTheText) {
  testing::qt_app();
  const QRect plain = ink_box(render(false, false), kInk, {}, 10);
  ASSERT_FALSE(plain.isNull());
  EXPECT_TRUE(ink_box(render(false, false), kDark, {}, 10).isNull());

  const QImage raised = render(false, true);
  EXPECT_EQ(ink_box(raised, kLight, {}, 10).topLeft(), plain.topLeft() - QPoint(1, 1));
  EXPECT_EQ(ink_box(raised, kDark, {}, 10).bottomRight(), plain.bottomRight() + QPoint(1, 1));

  const QImage shaded = render(true, false);
  EXPECT_TRUE(ink_box(shaded, kLight, {}, 10).isNull());
  EXPECT_EQ(ink_box(shaded, kDark, {}, 10).bottomRight(), plain.bottomRight() + QPoint(2, 2));
  // The parent's background shows around the caption.
  EXPECT_EQ(QColor(shaded.pixel(108, 32)), QColor(0, 160, 0));
}

}  // namespace
}  // namespace zelto::ui
