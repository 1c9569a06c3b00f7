#include "registry/dialog_frame.hpp"

namespace zelto::registry {
namespace {

// A character cell of the standard font, as the browse windows measure.
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

}  // namespace

screen::FormSpec G_TELA(const Text& title, int r1, int c1, int r2, int c2) {
  return G_DIALOG("-= ZeltoECF =- " + title, r1 * kCellHeight, c1 * kCellWidth, r2 * kCellHeight, c2 * kCellWidth);
}

screen::FormSpec G_DIALOG(const Text& title, int top, int left, int bottom, int right) {
  screen::FormSpec layout;
  layout.title = title;
  layout.geometry = screen::Rect{left, top, right - left, bottom - top};
  return layout;
}

}  // namespace zelto::registry
