#pragma once
// One index order in a Clipper .ntx file: a B-tree of 1024-byte pages whose
// items are (child page, record number, key bytes), read and written
// byte-compatibly with the other xBase programs sharing the folder.
//
// Entries are ordered by key bytes (unsigned), then by record number.
// Positions are entries themselves, so a caller can step from where it was
// even after another process changed the index.
//
// Shared indexes take the lock byte at 1,000,000,000 of the .ntx: shared to
// read, exclusive to write; after taking it the header is read again and
// cached pages are dropped when its version or root changed. Every write
// raises the version counter. A lock held elsewhere is waited for a little
// (set_lock_wait), then Error(Locked). Exclusive indexes take no locks.
//
// Pages taken out of the tree are not put on the file's free list (other
// programs' free-list layout is not known well enough to write); they are
// reused only while the index is open exclusive, and reindexing compacts.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xbase/storage.hpp"

namespace zelto::xbase {

struct IndexEntry {
  std::string key;
  uint32_t recno = 0;
  friend bool operator==(const IndexEntry&, const IndexEntry&) = default;
};

struct NtxHeader {
  uint16_t signature = 6;
  uint16_t version = 0;
  uint32_t root = 0;
  uint32_t free_page = 0;
  uint16_t item_size = 0;
  uint16_t key_size = 0;
  uint16_t key_decimals = 0;
  uint16_t max_items = 0;
  uint16_t half_page = 0;
  std::string expression;
  bool unique = false;
  bool descend = false;
  std::string for_condition;
};

class NtxIndex {
 public:
  // Reads and checks the header (signature, sizes, root inside the file);
  // throws Error(Damaged) naming the file when it cannot be an index.
  static std::unique_ptr<NtxIndex> open(std::unique_ptr<Storage> storage, bool shared);
  // A new empty index (header and an empty root page).
  static std::unique_ptr<NtxIndex> create(std::unique_ptr<Storage> storage, std::string_view expression,
                                          int key_size, int key_decimals, bool unique, bool descend, bool shared);

  const NtxHeader& header() const { return header_; }
  Storage& storage() { return *storage_; }

  // Replaces the whole content with these entries (any order; sorted here),
  // written bottom-up page by page: the reindex path.
  void build(std::vector<IndexEntry> entries);

  // Keys are exactly key_size bytes (else Error(Usage)). Error(Damaged)
  // when a page read on the way makes no sense. Inserting an entry already
  // present does nothing; a unique index keeps only the first record of
  // each key, so inserting a key it already holds does nothing either.
  void insert(std::string_view key, uint32_t recno);
  bool remove(std::string_view key, uint32_t recno);  // false when the entry is absent

  std::optional<IndexEntry> first();
  std::optional<IndexEntry> last();
  // The first entry whose key, cut to the length of `prefix`, is >= prefix
  // (with last = true: the last entry whose cut key is <= prefix). The
  // caller tells a hit from a soft position by comparing the prefix.
  std::optional<IndexEntry> seek(std::string_view prefix, bool last = false);
  std::optional<IndexEntry> next(const IndexEntry& from);
  std::optional<IndexEntry> prev(const IndexEntry& from);

  // Walks every page: structure, counts, order within and across pages.
  // Returns the entries in order, or throws Error(Damaged) saying what is wrong.
  std::vector<IndexEntry> check();

  // How long a lock held by another program is waited for (default 2000).
  void set_lock_wait(int milliseconds);

  // Keeps the shared lock across several calls (a seek and the skips after
  // it), so that each step need not lock and read the header again. Other
  // programs' writes wait meanwhile: hold it for one pass, not for long.
  // Writes inside a hold raise it to exclusive for their length. Nests.
  class ReadHold {
   public:
    explicit ReadHold(NtxIndex& index);
    ~ReadHold();
    ReadHold(const ReadHold&) = delete;
    ReadHold& operator=(const ReadHold&) = delete;

   private:
    NtxIndex& index_;
  };

  ~NtxIndex();

 private:
  NtxIndex() = default;
  std::unique_ptr<Storage> storage_;
  NtxHeader header_;
  bool shared_ = false;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The header for a new index with this key size: max items
// (1024 - 2) / (key size + 10) - 1, made even when above 2, and half of it.
NtxHeader new_header(std::string_view expression, int key_size, int key_decimals, bool unique, bool descend);

}  // namespace zelto::xbase
