#pragma once
// What a browse needs of a table: moving about in its current order, one
// row at a time. A browse never loads a table; it reads only the rows it
// shows, through this cursor, and the columns read the current row.

#include <cstdint>

#include "platform/screen/types.hpp"

namespace zelto::screen {

class BrowseCursor {
 public:
  using Bookmark = std::int64_t;  // a record number for the table engine

  virtual ~BrowseCursor() = default;
  virtual void go_top() = 0;
  virtual void go_bottom() = 0;
  // Moves up to n rows (back when negative), never past the first or the
  // last row, and answers how far it moved (negative going back).
  virtual long skip(long n) = 0;
  // No rows at all in the current order (scope or filter included).
  virtual bool empty() const = 0;
  // Positions on the first row whose key begins with `key` (or, when soft,
  // the first row after it); false when none was found.
  virtual bool seek(const Text& key, bool soft) = 0;
  virtual Bookmark bookmark() const = 0;
  virtual void go_to(Bookmark mark) = 0;
};

}  // namespace zelto::screen
