#include "platform/screen/list_cursor.hpp"

#include <algorithm>

namespace zelto::screen {

long ListCursor::skip(long n) {
  const long last = std::max(size_() - 1, 0L);
  const long to = std::clamp(pos_ + n, 0L, last);
  const long moved = to - pos_;
  steps_ += moved < 0 ? -moved : moved;
  pos_ = to;
  return moved;
}

bool ListCursor::seek(const Text& key, bool soft) {
  if (!key_) return false;
  // Rows are in key order; the first whose key begins with `key` (or, soft,
  // the first after it).
  const long n = size_();
  for (long i = 0; i < n; ++i) {
    const Text k = key_(i);
    if (k.compare(0, key.size(), key) == 0) {
      pos_ = i;
      return true;
    }
    if (soft && k > key) {
      pos_ = i;
      return false;
    }
  }
  if (soft) go_bottom();
  return false;
}

}  // namespace zelto::screen
