#pragma once
// A browse over a work area of the table engine: the browse moves the
// table's own position in its current order (filter and the deleted rule
// included), so button actions act on the record the operator sees.

#include "platform/screen/browse_cursor.hpp"
#include "platform/xbase/table.hpp"

namespace zelto::screen {

class TableCursor : public BrowseCursor {
 public:
  explicit TableCursor(xbase::Table& table) : table_(table) {}

  void go_top() override { table_.go_top(); }
  void go_bottom() override { table_.go_bottom(); }
  long skip(long n) override;
  bool empty() const override;
  bool seek(const Text& key, bool soft) override;
  Bookmark bookmark() const override { return table_.recno(); }
  void go_to(Bookmark mark) override;

 private:
  xbase::Table& table_;
};

}  // namespace zelto::screen
