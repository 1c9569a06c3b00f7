#include "ui/trsay.hpp"

#include <QPainter>

namespace zelto::ui {

TRSay::TRSay(const QString& text, QWidget* parent, bool shaded, bool raised)
    : QLabel(text, parent), shaded_(shaded), raised_(raised) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground);
}

void TRSay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  const QRect r = contentsRect();
  const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
  auto draw = [&](int dx, int dy, const QColor& colour) {
    p.setPen(colour);
    p.drawText(r.translated(dx, dy), flags, text());
  };
  const QColor ink = palette().color(foregroundRole());
  if (raised_) {
    draw(-1, -1, palette().color(QPalette::Light));
    draw(1, 1, palette().color(QPalette::Dark));
  } else if (shaded_) {
    draw(2, 2, palette().color(QPalette::Dark));
  }
  draw(0, 0, ink);
}

}  // namespace zelto::ui
