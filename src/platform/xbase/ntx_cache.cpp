#include "platform/xbase/ntx_cache.hpp"

#include <algorithm>
#include <vector>

namespace zelto::xbase::ntx {

void PageCache::put(std::shared_ptr<Page> page) {
  if (slots_.size() >= capacity_) evict();
  uint32_t offset = page->offset;
  slots_[offset] = Slot{std::move(page), ++clock_};
}

// Drops the least recently used half at once, so that the cost of finding
// them is spread over many loads.
void PageCache::evict() {
  std::vector<uint64_t> uses;
  uses.reserve(slots_.size());
  for (const auto& [offset, slot] : slots_) uses.push_back(slot.used);
  if (uses.empty()) return;
  auto mid = uses.begin() + static_cast<std::ptrdiff_t>((uses.size() - 1) / 2);
  std::nth_element(uses.begin(), mid, uses.end());
  const uint64_t cutoff = *mid;
  for (auto it = slots_.begin(); it != slots_.end();) {
    if (it->second.used <= cutoff) {
      it = slots_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace zelto::xbase::ntx
