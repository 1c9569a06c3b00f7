// Adding an entry: always into a leaf; a full page splits around its middle
// entry, which moves up to the parent, and a split root gives a new root.

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {

using ntx::Page;

void NtxIndex::Impl::insert(std::string_view key, uint32_t recno) {
  check_key(key);
  Lock lock(*this, LockKind::Exclusive);
  drop_cursor();
  try {
    if (header.unique) {
      // A unique order keeps the first record of each key only.
      auto hit = seek(key, false);
      drop_cursor();
      if (hit && hit->key == key) return;
    }
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
      if (lo < page->count() && page->compare(geo, lo, k, recno) == 0) return;  // already there
      path.push_back({page, lo});
      if (page->leaf()) break;
      offset = page->child(lo);
    }
    std::vector<unsigned char> item(static_cast<size_t>(geo.item_size));
    put_u32(item.data(), 0);
    put_u32(item.data() + 4, recno);
    std::memcpy(item.data() + 8, key.data(), key.size());
    insert_up(path, std::move(item));
    write_counters();
  } catch (...) {
    forget();
    throw;
  }
}

// The page that splits keeps its offset and the upper half, so the parent's
// pointer to it stays right; the lower half goes to a new page that the
// middle entry points to.
void NtxIndex::Impl::insert_up(ntx::Path& path, std::vector<unsigned char> item) {
  const auto isz = static_cast<size_t>(geo.item_size);
  for (size_t level = path.size(); level-- > 0;) {
    Page& page = *path[level].page;
    const int at = path[level].index;
    const int n = page.count();
    if (n < geo.max_items) {
      page.insert(geo, at, item.data());
      write(page);
      return;
    }
    std::vector<unsigned char> all(static_cast<size_t>(n + 1) * isz);
    page.copy_items(geo, 0, at, all.data());
    std::memcpy(all.data() + static_cast<size_t>(at) * isz, item.data(), isz);
    page.copy_items(geo, at, n - at, all.data() + static_cast<size_t>(at + 1) * isz);
    const uint32_t right = page.child(n);
    const int low = (n + 1) / 2;
    const unsigned char* middle = all.data() + static_cast<size_t>(low) * isz;

    auto left = new_page();
    left->fill(geo, all.data(), low, get_u32(middle));
    page.fill(geo, middle + isz, n - low, right);
    write(*left);
    write(page);
    std::memcpy(item.data(), middle, isz);
    put_u32(item.data(), left->offset);
  }
  auto root = new_page();
  root->fill(geo, item.data(), 1, header.root);
  write(*root);
  header.root = root->offset;
}

}  // namespace zelto::xbase
