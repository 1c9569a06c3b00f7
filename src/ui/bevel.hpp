#pragma once
// The 3D edges of the text controls, in the palette's light and dark
// colours: inset, raised and the etched box.

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace zelto::ui {

enum class Edge { Sunken, Raised };

// A one-pixel edge around `r` (right and bottom edges inside it).
void draw_edge(QPainter& p, const QRect& r, Edge edge, const QPalette& palette);
// A sunken box over the whole rectangle and a raised one a pixel inside.
void draw_etched_box(QPainter& p, const QRect& r, const QPalette& palette);

}  // namespace zelto::ui
