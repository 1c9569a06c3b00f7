// Reading the tree: searches by a monotone test, and stepping from the last
// entry handed out along the path that led to it.

#include <algorithm>

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {

using ntx::Page;

template <class Before>
std::optional<IndexEntry> NtxIndex::Impl::find(Before before, Want want) {
  ntx::Path path = std::move(cursor);  // its room is reused
  path.clear();
  cursor_entry.reset();
  int found_level = -1;
  int found_index = 0;
  uint32_t offset = header.root;
  for (int depth = 0;; ++depth) {
    if (depth >= ntx::kMaxDepth) damaged(offset, "lies deeper than any index goes (the pages form a cycle)");
    auto page = load(offset);
    int lo = 0, hi = page->count();
    while (lo < hi) {
      int mid = (lo + hi) / 2;
      if (before(*page, mid)) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
    // Entries of the subtree under child(lo) lie between entries lo-1 and
    // lo of this page, so the answer is there or is one of these two.
    if (want == Want::FirstNotBefore && lo < page->count()) {
      found_level = depth;
      found_index = lo;
    } else if (want == Want::LastBefore && lo > 0) {
      found_level = depth;
      found_index = lo - 1;
    }
    bool leaf = page->leaf();
    path.push_back({page, lo});
    if (leaf) break;
    offset = path.back().page->child(lo);
  }
  if (found_level < 0) {
    drop_cursor();
    return std::nullopt;
  }
  path.resize(static_cast<size_t>(found_level) + 1);
  path.back().index = found_index;
  cursor = std::move(path);
  cursor_entry = entry(*cursor.back().page, found_index);
  return cursor_entry;
}

std::optional<IndexEntry> NtxIndex::Impl::seek(std::string_view prefix, bool last) {
  const size_t len = std::min(prefix.size(), static_cast<size_t>(geo.key_size));
  const auto* p = reinterpret_cast<const unsigned char*>(prefix.data());
  const bool longer = prefix.size() > len;
  // A prefix longer than the key is past every key it begins with.
  auto cut = [&](const Page& page, int i) {
    int c = ntx::compare_keys(geo, page.key(i), p, len);
    return c != 0 ? c : (longer ? -1 : 0);
  };
  if (last) return find([&](const Page& page, int i) { return cut(page, i) <= 0; }, Want::LastBefore);
  return find([&](const Page& page, int i) { return cut(page, i) < 0; }, Want::FirstNotBefore);
}

// One entry on from the cursor: down to the nearest leaf when the cursor is
// on an inner page, otherwise along the leaf and up to the first parent
// entry not yet passed.
std::optional<IndexEntry> NtxIndex::Impl::step(bool forward) {
  ntx::Step& top = cursor.back();
  auto page = top.page;
  const int i = top.index;
  if (page->leaf()) {
    if (forward ? i + 1 < page->count() : i > 0) {
      top.index = forward ? i + 1 : i - 1;
      cursor_entry = entry(*page, top.index);
      return cursor_entry;
    }
    return climb(forward);
  }
  top.index = forward ? i + 1 : i;
  uint32_t offset = page->child(top.index);
  for (;;) {
    if (cursor.size() >= static_cast<size_t>(ntx::kMaxDepth))
      damaged(offset, "lies deeper than any index goes (the pages form a cycle)");
    auto child = load(offset);
    const int n = child->count();
    cursor.push_back({child, forward ? 0 : n});
    if (child->leaf()) {
      if (n == 0) return climb(forward);
      cursor.back().index = forward ? 0 : n - 1;
      cursor_entry = entry(*child, cursor.back().index);
      return cursor_entry;
    }
    offset = child->child(forward ? 0 : n);
  }
}

std::optional<IndexEntry> NtxIndex::Impl::climb(bool forward) {
  cursor.pop_back();
  while (!cursor.empty()) {
    ntx::Step& s = cursor.back();
    if (forward ? s.index < s.page->count() : s.index > 0) {
      if (!forward) --s.index;
      cursor_entry = entry(*s.page, s.index);
      return cursor_entry;
    }
    cursor.pop_back();
  }
  drop_cursor();
  return std::nullopt;
}

std::optional<IndexEntry> NtxIndex::first() {
  Impl::Lock lock(*impl_, LockKind::Shared);
  return impl_->find([](const Page&, int) { return false; }, Impl::Want::FirstNotBefore);
}

std::optional<IndexEntry> NtxIndex::last() {
  Impl::Lock lock(*impl_, LockKind::Shared);
  return impl_->find([](const Page&, int) { return true; }, Impl::Want::LastBefore);
}

std::optional<IndexEntry> NtxIndex::seek(std::string_view prefix, bool last) {
  Impl::Lock lock(*impl_, LockKind::Shared);
  return impl_->seek(prefix, last);
}

std::optional<IndexEntry> NtxIndex::next(const IndexEntry& from) {
  impl_->check_key(from.key);
  Impl::Lock lock(*impl_, LockKind::Shared);
  if (impl_->cursor_entry && *impl_->cursor_entry == from) return impl_->step(true);
  const auto* k = reinterpret_cast<const unsigned char*>(from.key.data());
  return impl_->find([&](const Page& p, int i) { return p.compare(impl_->geo, i, k, from.recno) <= 0; },
                     Impl::Want::FirstNotBefore);
}

std::optional<IndexEntry> NtxIndex::prev(const IndexEntry& from) {
  impl_->check_key(from.key);
  Impl::Lock lock(*impl_, LockKind::Shared);
  if (impl_->cursor_entry && *impl_->cursor_entry == from) return impl_->step(false);
  const auto* k = reinterpret_cast<const unsigned char*>(from.key.data());
  return impl_->find([&](const Page& p, int i) { return p.compare(impl_->geo, i, k, from.recno) < 0; },
                     Impl::Want::LastBefore);
}

}  // namespace zelto::xbase
