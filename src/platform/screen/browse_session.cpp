#include "platform/screen/browse_session.hpp"

#include <algorithm>

#include "platform/screen/hot_key.hpp"

namespace zelto::screen {

BrowseSession::BrowseSession(BrowseSpec def, BrowseCursor& cursor) : spec_(std::move(def)), cursor_(cursor) {
  if (spec_.page_rows < 1) spec_.page_rows = 1;
}

std::vector<Text> BrowseSession::current_cells() const {
  std::vector<Text> cells;
  if (cursor_.empty()) return cells;
  for (const auto& c : spec_.columns) cells.push_back(c.value ? c.value() : Text());
  return cells;
}

std::vector<Text> BrowseSession::footer() const {
  const bool any = std::any_of(spec_.columns.begin(), spec_.columns.end(), [](const Column& c) { return bool(c.footer); });
  std::vector<Text> out;
  if (!any) return out;
  for (const auto& c : spec_.columns) out.push_back(c.footer ? c.footer() : Text());
  return out;
}

std::vector<BrowseRow> BrowseSession::page() {
  std::vector<BrowseRow> rows;
  if (cursor_.empty()) return rows;
  const BrowseCursor::Bookmark here = cursor_.bookmark();
  // The page's top: back from the current row by its line, or less at the
  // first row.
  const long back = -cursor_.skip(-line_);
  line_ = static_cast<int>(back);
  long ordinal = ordinal_ - back;
  for (int i = 0; i < spec_.page_rows; ++i) {
    BrowseRow row;
    row.cells = current_cells();
    row.current = i == line_;
    row.odd = (ordinal % 2 + 2) % 2 == 1;
    rows.push_back(std::move(row));
    if (cursor_.skip(1) == 0) break;
    ++ordinal;
  }
  cursor_.go_to(here);
  return rows;
}

void BrowseSession::moved(long by) {
  ordinal_ += by;
  line_ = std::clamp<long>(line_ + by, 0, spec_.page_rows - 1);
  ++revision_;
}

void BrowseSession::press(Key key) {
  if (!open_) return;
  switch (key) {
    case Key::Down: moved(cursor_.skip(1)); break;
    case Key::Up: moved(cursor_.skip(-1)); break;
    case Key::PageDown: moved(cursor_.skip(spec_.page_rows - 1)); break;
    case Key::PageUp: moved(cursor_.skip(-(spec_.page_rows - 1))); break;
    case Key::Home:
      cursor_.go_top();
      line_ = 0;
      ordinal_ = 1;
      ++revision_;
      break;
    case Key::End:
      cursor_.go_bottom();
      line_ = spec_.page_rows - 1;
      ordinal_ = 1;
      ++revision_;
      break;
    case Key::Esc: close(); break;
    default: break;
  }
}

bool BrowseSession::type(char letter) {
  if (!open_) return false;
  for (std::size_t i = 0; i < spec_.buttons.size(); ++i) {
    if (spec_.buttons[i].enabled && claims_hot_key(spec_.buttons[i].caption, letter)) {
      press_button(i);
      return true;
    }
  }
  return false;
}

void BrowseSession::press_button(std::size_t i) {
  if (!open_) return;
  const BrowseButton& b = spec_.buttons.at(i);
  if (!b.enabled) return;
  auto action = b.action;
  if (action) action(*this);
  ++revision_;
}

void BrowseSession::refresh() { ++revision_; }

void BrowseSession::close() {
  open_ = false;
  ++revision_;
}

}  // namespace zelto::screen
