#include "ui/bevel.hpp"

namespace zelto::ui {

void draw_edge(QPainter& p, const QRect& r, Edge edge, const QPalette& palette) {
  const QColor light = palette.color(QPalette::Light);
  const QColor dark = palette.color(QPalette::Dark);
  const QColor top_left = edge == Edge::Sunken ? dark : light;
  const QColor bottom_right = edge == Edge::Sunken ? light : dark;
  const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
  p.save();
  p.setPen(top_left);
  p.drawLine(l, t, rt, t);
  p.drawLine(l, t, l, b);
  p.setPen(bottom_right);
  p.drawLine(l, b, rt, b);
  p.drawLine(rt, t, rt, b);
  p.restore();
}

void draw_etched_box(QPainter& p, const QRect& r, const QPalette& palette) {
  draw_edge(p, r, Edge::Sunken, palette);
  draw_edge(p, r.adjusted(1, 1, -1, -1), Edge::Raised, palette);
}

}  // namespace zelto::ui
