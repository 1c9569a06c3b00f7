#pragma once
// One application object for the Qt tests, the bundled font, and what a
// test looks for in a rendered image: where the ink lies, which colours.

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QRect>

namespace zelto::testing {

inline QApplication& qt_app() {
  static int argc = 1;
  static char name[] = "zelto-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// DejaVu Sans from the tests' own folder, so that glyphs and metrics are the
// same on every machine.
inline QFont test_font(int pixel_size = 14) {
  qt_app();
  static const int id = QFontDatabase::addApplicationFont(ZELTO_TEST_FONT);
  QFont f(QFontDatabase::applicationFontFamilies(id).value(0));
  f.setPixelSize(pixel_size);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

// Pixels whose colour is near `colour` (antialiasing blends the edges).
inline bool near(QRgb a, QColor colour, int tolerance = 40) {
  return std::abs(qRed(a) - colour.red()) <= tolerance && std::abs(qGreen(a) - colour.green()) <= tolerance &&
         std::abs(qBlue(a) - colour.blue()) <= tolerance;
}

inline int count_colour(const QImage& img, QColor colour, QRect within = {}, int tolerance = 40) {
  const QRect r = within.isNull() ? img.rect() : within.intersected(img.rect());
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (near(img.pixel(x, y), colour, tolerance)) ++n;
  return n;
}

// The bounding box of the pixels near `colour`.
inline QRect ink_box(const QImage& img, QColor colour, QRect within = {}, int tolerance = 40) {
  const QRect r = within.isNull() ? img.rect() : within.intersected(img.rect());
  QRect box;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (near(img.pixel(x, y), colour, tolerance)) box = box.united(QRect(x, y, 1, 1));
  return box;
}

}  // namespace zelto::testing
