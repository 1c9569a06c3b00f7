#pragma once
// A browse cursor over rows held in memory (short lists the program builds
// itself, such as the columns of one row). Columns read row(position()).
// Tables go through the table engine's own cursor instead.

#include <functional>

#include "platform/screen/browse_cursor.hpp"

namespace zelto::screen {

class ListCursor : public BrowseCursor {
 public:
  // `size` rows; `key` gives the seek key of a row (the order's key).
  explicit ListCursor(std::function<long()> size, std::function<Text(long)> key = {})
      : size_(std::move(size)), key_(std::move(key)) {}

  long position() const { return pos_; }
  // How many times a row was stepped onto: a browse must read only what it shows.
  long steps() const { return steps_; }

  void go_top() override { pos_ = 0; }
  void go_bottom() override { pos_ = size_() > 0 ? size_() - 1 : 0; }
  long skip(long n) override;
  bool empty() const override { return size_() == 0; }
  bool seek(const Text& key, bool soft) override;
  Bookmark bookmark() const override { return pos_; }
  void go_to(Bookmark mark) override { pos_ = static_cast<long>(mark); }

 private:
  std::function<long()> size_;
  std::function<Text(long)> key_;
  long pos_ = 0;
  long steps_ = 0;
};

}  // namespace zelto::screen
