#pragma once
// The life of one browse window: where the current row is, which rows a
// page shows, keys, hot keys and buttons. Both backends drive this one
// state machine and draw the page it reads.
//
// The cursor's current row is the browse's current row, so that a button
// acts on the record the operator sees highlighted.

#include <cstdint>
#include <vector>

#include "platform/screen/browse.hpp"
#include "platform/screen/browse_cursor.hpp"
#include "platform/screen/keys.hpp"

namespace zelto::screen {

struct BrowseRow {
  std::vector<Text> cells;
  bool current = false;
  bool odd = false;  // position in the order, counted from the top, is odd
};

class BrowseSession {
 public:
  BrowseSession(BrowseSpec def, BrowseCursor& cursor);

  const BrowseSpec& definition() const { return spec_; }
  BrowseCursor& cursor() { return cursor_; }
  bool open() const { return open_; }
  std::uint64_t revision() const { return revision_; }

  // The rows of the page around the current row; the cursor is left where
  // it was.
  std::vector<BrowseRow> page();
  std::vector<Text> current_cells() const;
  std::vector<Text> footer() const;  // empty when no column has a total
  int current_line() const { return line_; }  // row of the page that is current

  // Up, Down, PageUp, PageDown, Home (first row), End (last row), Esc.
  void press(Key key);
  // A letter: the first button whose caption claims it runs; otherwise the
  // browse ignores the letter. False when no button claimed it.
  bool type(char letter);
  void press_button(std::size_t i);
  // The cursor was moved or the table changed under the browse.
  void refresh();
  void close();

 private:
  void moved(long by);
  BrowseSpec spec_;
  BrowseCursor& cursor_;
  int line_ = 0;
  // Position of the current row counted from the top when known, for the
  // stripes: re-based at the top and bottom.
  long ordinal_ = 1;
  bool open_ = true;
  std::uint64_t revision_ = 0;
};

}  // namespace zelto::screen
