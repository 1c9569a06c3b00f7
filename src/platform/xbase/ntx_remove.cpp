// Taking an entry out. An entry on an inner page is replaced by the one just
// before it, which always lies in a leaf; a page left with fewer than half
// its room borrows from a neighbour or merges with it through the parent,
// so that no page but the root is ever left empty.

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {

using ntx::Page;

bool NtxIndex::Impl::remove(std::string_view key, uint32_t recno) {
  check_key(key);
  Lock lock(*this, LockKind::Exclusive);
  drop_cursor();
  try {
    const auto* k = reinterpret_cast<const unsigned char*>(key.data());
    ntx::Path path;
    uint32_t offset = header.root;
    for (int depth = 0;; ++depth) {
      if (depth >= ntx::kMaxDepth) damaged(offset, "lies deeper than any index goes (the pages form a cycle)");
      auto page = load(offset);
      int lo = 0, hi = page->count();
      while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (page->compare(geo, mid, k, recno) < 0) {
          lo = mid + 1;
        } else {
          hi = mid;
        }
      }
      path.push_back({page, lo});
      if (lo < page->count() && page->compare(geo, lo, k, recno) == 0) break;
      if (page->leaf()) return false;
      offset = page->child(lo);
    }

    Page& holder = *path.back().page;
    const int at = path.back().index;
    if (holder.leaf()) {
      holder.erase(geo, at);
      write(holder);
    } else {
      // The entry just before it: the last one of the rightmost leaf under
      // its left child.
      offset = holder.child(at);
      for (;;) {
        if (path.size() >= static_cast<size_t>(ntx::kMaxDepth))
          damaged(offset, "lies deeper than any index goes (the pages form a cycle)");
        auto page = load(offset);
        path.push_back({page, page->count()});
        if (page->leaf()) break;
        offset = page->child(page->count());
      }
      Page& leaf = *path.back().page;
      const int n = leaf.count();
      if (n == 0) damaged(leaf.offset, "is an empty page below the root");
      std::memcpy(holder.item(at) + 4, leaf.item(n - 1) + 4, static_cast<size_t>(geo.key_size) + 4);
      leaf.erase(geo, n - 1);
      write(leaf);
      write(holder);
    }
    rebalance(path);
    write_counters();
    return true;
  } catch (...) {
    forget();
    throw;
  }
}

void NtxIndex::Impl::rebalance(ntx::Path& path) {
  const auto isz = static_cast<size_t>(geo.item_size);
  for (size_t d = path.size(); d-- > 0;) {
    Page& page = *path[d].page;
    if (d == 0) {
      if (page.count() == 0 && !page.leaf()) {
        header.root = page.child(0);
        if (!shared) spare.push_back(page.offset);
      }
      return;
    }
    if (page.count() >= geo.min_items()) return;
    Page& parent = *path[d - 1].page;
    const int ci = path[d - 1].index;
    if (parent.count() == 0) continue;  // no neighbour here; the parent's own turn mends it

    const int sep = ci > 0 ? ci - 1 : ci;
    std::shared_ptr<Page> other = load(parent.child(ci > 0 ? ci - 1 : ci + 1));
    Page& left = ci > 0 ? *other : page;
    Page& right = ci > 0 ? page : *other;
    if (left.leaf() != right.leaf()) damaged(other->offset, "is a leaf beside an inner page");

    // Left entries, the separator (taking left's rightmost child), right entries.
    const int nl = left.count(), nr = right.count();
    const int total = nl + 1 + nr;
    std::vector<unsigned char> all(static_cast<size_t>(total) * isz);
    left.copy_items(geo, 0, nl, all.data());
    unsigned char* middle = all.data() + static_cast<size_t>(nl) * isz;
    std::memcpy(middle, parent.item(sep), isz);
    put_u32(middle, left.child(nl));
    right.copy_items(geo, 0, nr, middle + isz);
    const uint32_t right_child = right.child(nr);

    if (total <= geo.max_items) {
      // The parent keeps pointing at the right page through the entry after
      // the separator, so everything goes there.
      right.fill(geo, all.data(), total, right_child);
      parent.erase(geo, sep);
      write(right);
      write(parent);
      if (!shared) spare.push_back(left.offset);
      continue;
    }
    const int low = total / 2;
    const unsigned char* pivot = all.data() + static_cast<size_t>(low) * isz;
    left.fill(geo, all.data(), low, get_u32(pivot));
    right.fill(geo, pivot + isz, total - low - 1, right_child);
    std::memcpy(parent.item(sep) + 4, pivot + 4, isz - 4);
    parent.set_child(sep, left.offset);
    write(left);
    write(right);
    write(parent);
    return;
  }
}

}  // namespace zelto::xbase
