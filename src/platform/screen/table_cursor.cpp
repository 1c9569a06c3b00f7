#include "platform/screen/table_cursor.hpp"

namespace zelto::screen {

long TableCursor::skip(long n) {
  long moved = 0;
  if (table_.eof()) {
    table_.go_bottom();
    if (table_.eof()) return 0;
  }
  for (; moved < n; ++moved) {
    table_.skip(1);
    if (table_.eof()) {
      table_.skip(-1);  // back onto the last row
      break;
    }
  }
  for (; moved > n; --moved) {
    table_.skip(-1);
    if (table_.bof()) break;  // the table stays on the first row
  }
  return moved;
}

bool TableCursor::empty() const {
  xbase::Position here = table_.position();
  table_.go_top();
  bool none = table_.eof();
  table_.restore(here);
  return none;
}

bool TableCursor::seek(const Text& key, bool soft) {
  xbase::Position here = table_.position();
  bool found = table_.seek(key, soft);
  if (table_.eof()) {
    // Nothing at or after the key: a soft seek ends on the last row, a
    // plain one leaves the browse where it was.
    if (soft) {
      table_.go_bottom();
    } else {
      table_.restore(here);
    }
  }
  return found;
}

void TableCursor::go_to(Bookmark mark) {
  table_.go_to(mark > 0 && mark <= 0xFFFFFFFFLL ? static_cast<uint32_t>(mark) : 0);
}

}  // namespace zelto::screen
