#pragma once
// One 1024-byte page of an .ntx file, kept as its raw bytes: u16 count n,
// u16 offsets[max + 1] giving each item's place, then the item slots
// (u32 child page, u32 record number, key bytes). Entry order follows the
// offsets table; offsets[n] holds only the rightmost child.
//
// The offsets table is kept a permutation of the item slots, as the other
// programs sharing the file expect: the slot after the last entry is the
// one the next insertion takes.

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/xbase/storage.hpp"

namespace zelto::xbase::ntx {

inline constexpr uint32_t kPageSize = 1024;
inline constexpr int kMaxKeySize = 256;

struct Geometry {
  int key_size = 0;
  int item_size = 0;  // key_size + 8
  int max_items = 0;
  bool descend = false;

  int first_slot() const { return 2 + 2 * (max_items + 1); }
  int slot_offset(int slot) const { return first_slot() + slot * item_size; }
  // Fewest entries a page other than the root keeps after a deletion.
  int min_items() const { return max_items / 2 > 0 ? max_items / 2 : 1; }
};

// Key bytes compared unsigned; an index with the descend flag runs backwards.
inline int compare_keys(const Geometry& g, const unsigned char* a, const unsigned char* b, size_t len) {
  int c = std::memcmp(a, b, len);
  return g.descend ? -c : c;
}

struct Page {
  uint32_t offset = 0;
  alignas(8) unsigned char bytes[kPageSize];

  int count() const { return get_u16(bytes); }
  uint16_t item_pos(int i) const { return get_u16(bytes + 2 + 2 * i); }
  const unsigned char* item(int i) const { return bytes + item_pos(i); }
  unsigned char* item(int i) { return bytes + item_pos(i); }
  uint32_t child(int i) const { return get_u32(item(i)); }
  uint32_t recno(int i) const { return get_u32(item(i) + 4); }
  const unsigned char* key(int i) const { return item(i) + 8; }
  bool leaf() const { return child(0) == 0; }

  void set_child(int i, uint32_t c) { put_u32(item(i), c); }
  // Entry i of this page against (key, recno): <0, 0, >0 in index order.
  int compare(const Geometry& g, int i, const unsigned char* k, uint32_t r) const {
    int c = compare_keys(g, key(i), k, static_cast<size_t>(g.key_size));
    if (c != 0) return c;
    return recno(i) < r ? -1 : (recno(i) > r ? 1 : 0);
  }

  // Puts an item (child, recno, key) at position i (0..n); needs n < max.
  void insert(const Geometry& g, int i, const unsigned char* item_bytes);
  // Takes out entry i with its left child pointer; the rightmost child stays.
  void erase(const Geometry& g, int i);
  // Writes `n` items (item_size bytes each, back to back) and the rightmost
  // child as a fresh page with its slots in order.
  void fill(const Geometry& g, const unsigned char* items, int n, uint32_t right);
  // Copies entries [from, from + n) as raw items to `out`.
  void copy_items(const Geometry& g, int from, int n, unsigned char* out) const;
};

// Checks a page just read: count, offsets inside the page, children
// all zero (leaf) or all on page boundaries inside the file, entries in
// order. A table of offsets that is not a permutation of the slots is
// rewritten into one (the entries kept). Returns an empty text when the
// page is sound, else what is wrong with it.
std::string validate_page(const Geometry& g, Page& p, uint64_t file_size);

}  // namespace zelto::xbase::ntx
