#include "platform/xbase/ntx_page.hpp"

#include <bitset>
#include <vector>

namespace zelto::xbase::ntx {

void Page::insert(const Geometry& g, int i, const unsigned char* item_bytes) {
  const int n = count();
  unsigned char* table = bytes + 2;
  const uint16_t free_slot = item_pos(n + 1);
  std::memmove(table + 2 * (i + 1), table + 2 * i, static_cast<size_t>(2 * (n + 1 - i)));
  put_u16(table + 2 * i, free_slot);
  std::memcpy(bytes + free_slot, item_bytes, static_cast<size_t>(g.item_size));
  put_u16(bytes, static_cast<uint16_t>(n + 1));
}

void Page::erase(const Geometry&, int i) {
  const int n = count();
  unsigned char* table = bytes + 2;
  const uint16_t slot = item_pos(i);
  std::memmove(table + 2 * i, table + 2 * (i + 1), static_cast<size_t>(2 * (n - i)));
  put_u16(table + 2 * n, slot);
  put_u16(bytes, static_cast<uint16_t>(n - 1));
}

void Page::fill(const Geometry& g, const unsigned char* items, int n, uint32_t right) {
  std::memset(bytes, 0, kPageSize);
  put_u16(bytes, static_cast<uint16_t>(n));
  for (int s = 0; s <= g.max_items; ++s) put_u16(bytes + 2 + 2 * s, static_cast<uint16_t>(g.slot_offset(s)));
  if (n > 0) std::memcpy(bytes + g.first_slot(), items, static_cast<size_t>(n) * static_cast<size_t>(g.item_size));
  put_u32(bytes + g.slot_offset(n), right);
}

void Page::copy_items(const Geometry& g, int from, int n, unsigned char* out) const {
  for (int i = 0; i < n; ++i)
    std::memcpy(out + static_cast<size_t>(i) * static_cast<size_t>(g.item_size), item(from + i),
                static_cast<size_t>(g.item_size));
}

std::string validate_page(const Geometry& g, Page& p, uint64_t file_size) {
  const int n = p.count();
  if (n > g.max_items)
    return "holds " + std::to_string(n) + " entries, more than the " + std::to_string(g.max_items) + " a page can";
  const int first = g.first_slot();
  const int last = static_cast<int>(kPageSize) - g.item_size;
  for (int i = 0; i <= n; ++i) {
    int pos = p.item_pos(i);
    if (pos < first || pos > last) return "entry " + std::to_string(i) + " lies outside the page";
  }

  // Other writers may leave the free part of the offsets table unset; the
  // slots are put back in order so that insertions find a free one.
  std::bitset<kPageSize> seen;
  bool permutation = true;
  for (int s = 0; s <= g.max_items && permutation; ++s) {
    int pos = p.item_pos(s);
    int rel = pos - first;
    if (pos < first || pos > last || rel % g.item_size != 0 || seen[static_cast<size_t>(rel / g.item_size)]) {
      permutation = false;
    } else {
      seen[static_cast<size_t>(rel / g.item_size)] = true;
    }
  }
  if (!permutation) {
    std::vector<unsigned char> items(static_cast<size_t>(n + 1) * static_cast<size_t>(g.item_size));
    p.copy_items(g, 0, n + 1, items.data());
    uint32_t right = get_u32(items.data() + static_cast<size_t>(n) * static_cast<size_t>(g.item_size));
    p.fill(g, items.data(), n, right);
  }

  const bool leaf = p.child(0) == 0;
  for (int i = 0; i <= n; ++i) {
    uint32_t c = p.child(i);
    if (leaf) {
      if (c != 0) return "mixes leaf entries and child pages";
      continue;
    }
    if (c == 0) return "mixes leaf entries and child pages";
    if (c % kPageSize != 0) return "child page offset " + std::to_string(c) + " is not on a page boundary";
    if (uint64_t{c} + kPageSize > file_size) return "child page offset " + std::to_string(c) + " is past the end";
  }
  for (int i = 1; i < n; ++i)
    if (p.compare(g, i - 1, p.key(i), p.recno(i)) >= 0) return "entries out of order at " + std::to_string(i);
  return {};
}

}  // namespace zelto::xbase::ntx
