// The reindex path: entries sorted once, then pages written bottom-up in
// one pass, in the order they are completed, so the file is written
// sequentially. Page counts per level are settled first so that every page
// is nearly full and none but a lone root is short.

#include <algorithm>

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {
namespace {

using ntx::Geometry;
using ntx::kPageSize;

class BulkWriter {
 public:
  BulkWriter(Storage& storage, const Geometry& g, size_t entries) : storage_(storage), geo_(g) {
    std::memset(blank_, 0, kPageSize);
    for (int s = 0; s <= g.max_items; ++s) put_u16(blank_ + 2 + 2 * s, static_cast<uint16_t>(g.slot_offset(s)));
    // Keys per level: each page holds up to max entries, and between two
    // pages of a level one entry goes up to the level above.
    size_t keys = entries;
    const size_t room = static_cast<size_t>(g.max_items) + 1;
    for (;;) {
      Level level;
      level.pages = keys == 0 ? 1 : (keys + room) / room;
      const size_t kept = keys - (level.pages - 1);
      level.base = kept / level.pages;
      level.extra = kept % level.pages;
      std::memcpy(level.page, blank_, kPageSize);
      levels_.push_back(level);
      if (level.pages == 1) break;
      keys = level.pages - 1;
    }
  }

  void add(uint32_t recno, const char* key) { add(0, 0, recno, reinterpret_cast<const unsigned char*>(key)); }

  // Completes every level; returns the root's offset and the file's end.
  std::pair<uint32_t, uint64_t> finish() {
    close(0, 0);
    flush();
    return {root_, next_};
  }

 private:
  struct Level {
    size_t pages = 0, base = 0, extra = 0;
    size_t index = 0;  // page being filled
    int used = 0;
    unsigned char page[kPageSize];
  };

  void add(size_t l, uint32_t child, uint32_t recno, const unsigned char* key) {
    Level& level = levels_[l];
    const size_t target = level.base + (level.index < level.extra ? 1 : 0);
    if (static_cast<size_t>(level.used) < target) {
      unsigned char* item = level.page + geo_.slot_offset(level.used);
      put_u32(item, child);
      put_u32(item + 4, recno);
      std::memcpy(item + 8, key, static_cast<size_t>(geo_.key_size));
      ++level.used;
      return;
    }
    // This entry separates the page just completed from the next one.
    uint32_t done = emit(level, child);
    add(l + 1, done, recno, key);
  }

  void close(size_t l, uint32_t child) {
    uint32_t done = emit(levels_[l], child);
    if (l + 1 == levels_.size()) {
      root_ = done;
    } else {
      close(l + 1, done);
    }
  }

  uint32_t emit(Level& level, uint32_t right) {
    put_u16(level.page, static_cast<uint16_t>(level.used));
    put_u32(level.page + geo_.slot_offset(level.used), right);
    if (next_ + kPageSize > UINT32_MAX) throw Error(ErrorKind::Io, storage_.name() + ": index file would pass 4 GiB");
    const auto offset = static_cast<uint32_t>(next_);
    out_.insert(out_.end(), level.page, level.page + kPageSize);
    next_ += kPageSize;
    if (out_.size() >= kFlushBytes) flush();
    std::memcpy(level.page, blank_, kPageSize);
    level.used = 0;
    ++level.index;
    return offset;
  }

  void flush() {
    if (out_.empty()) return;
    storage_.write_at(written_, out_.data(), out_.size());
    written_ += out_.size();
    out_.clear();
  }

  static constexpr size_t kFlushBytes = 1 << 20;
  Storage& storage_;
  const Geometry& geo_;
  unsigned char blank_[kPageSize];
  std::vector<Level> levels_;
  std::vector<unsigned char> out_;
  uint64_t next_ = kPageSize;
  uint64_t written_ = kPageSize;
  uint32_t root_ = 0;
};

}  // namespace

void NtxIndex::Impl::build(std::vector<IndexEntry>& entries) {
  for (const auto& e : entries) check_key(e.key);
  if (geo.descend) {
    std::sort(entries.begin(), entries.end(), [](const IndexEntry& a, const IndexEntry& b) {
      int c = a.key.compare(b.key);
      return c != 0 ? c > 0 : a.recno < b.recno;
    });
  } else {
    std::sort(entries.begin(), entries.end(), [](const IndexEntry& a, const IndexEntry& b) {
      int c = a.key.compare(b.key);
      return c != 0 ? c < 0 : a.recno < b.recno;
    });
  }
  auto end = header.unique
                 ? std::unique(entries.begin(), entries.end(),
                               [](const IndexEntry& a, const IndexEntry& b) { return a.key == b.key; })
                 : std::unique(entries.begin(), entries.end());
  entries.erase(end, entries.end());

  Lock lock(*this, LockKind::Exclusive);
  forget();
  spare.clear();
  try {
    storage.truncate(kPageSize);
    BulkWriter writer(storage, geo, entries.size());
    for (const auto& e : entries) writer.add(e.recno, e.key.data());
    auto [root, end_of_file] = writer.finish();
    header.root = root;
    header.free_page = 0;
    ++header.version;
    unsigned char b[ntx::kHeaderBytes];
    ntx::encode_header(header, b);
    storage.write_at(0, b, sizeof b);
    file_size = end_of_file;
  } catch (...) {
    forget();
    throw;
  }
}

}  // namespace zelto::xbase
