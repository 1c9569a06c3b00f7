// A full walk of the tree from the file itself, for the reindex decision
// and the tools: every page read afresh and checked, every page reached
// once, all leaves at one depth, and all entries in order across pages.

#include <unordered_set>

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {
std::vector<IndexEntry> NtxIndex::Impl::check() {
  Lock lock(*this, LockKind::Shared);
  forget();
  file_size = storage.size();
  std::vector<IndexEntry> entries;
  std::unordered_set<uint32_t> seen;
  int leaf_depth = -1;

  auto walk = [&](auto& self, uint32_t offset, int depth) -> void {
    if (depth >= ntx::kMaxDepth) damaged(offset, "lies deeper than any index goes (the pages form a cycle)");
    if (!seen.insert(offset).second) damaged(offset, "is reached twice (the pages form a cycle)");
    auto page = load(offset);
    const int n = page->count();
    if (depth > 0 && n == 0) damaged(offset, "is an empty page below the root");
    if (page->leaf()) {
      if (leaf_depth < 0) leaf_depth = depth;
      if (leaf_depth != depth) damaged(offset, "is a leaf at another depth than the others");
    }
    for (int i = 0; i <= n; ++i) {
      if (!page->leaf()) self(self, page->child(i), depth + 1);
      if (i == n) break;
      if (!entries.empty()) {
        const IndexEntry& last = entries.back();
        if (page->compare(geo, i, reinterpret_cast<const unsigned char*>(last.key.data()), last.recno) <= 0)
          damaged(offset, "holds entry " + std::to_string(i) + " out of order with the entries before it");
      }
      entries.push_back(entry(*page, i));
    }
  };
  walk(walk, header.root, 0);
  return entries;
}

}  // namespace zelto::xbase
