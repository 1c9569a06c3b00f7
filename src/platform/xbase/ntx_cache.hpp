#pragma once
// Pages of one index kept in memory between operations, up to a bound.
// Pages are shared so that an operation holding a path keeps its pages
// even when the cache lets them go.

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/xbase/ntx_page.hpp"

namespace zelto::xbase::ntx {

class PageCache {
 public:
  explicit PageCache(size_t capacity) : capacity_(capacity) {}

  std::shared_ptr<Page> find(uint32_t offset) {
    auto it = slots_.find(offset);
    if (it == slots_.end()) return nullptr;
    it->second.used = ++clock_;
    return it->second.page;
  }
  void put(std::shared_ptr<Page> page);
  void clear() { slots_.clear(); }
  size_t size() const { return slots_.size(); }

 private:
  struct Slot {
    std::shared_ptr<Page> page;
    uint64_t used = 0;
  };
  void evict();

  size_t capacity_;
  uint64_t clock_ = 0;
  std::unordered_map<uint32_t, Slot> slots_;
};

}  // namespace zelto::xbase::ntx
