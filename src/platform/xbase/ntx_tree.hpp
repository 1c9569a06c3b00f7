#pragma once
// The working state behind NtxIndex: page cache, lock handling, header
// refresh and the tree algorithms, split over ntx_*.cpp by concern.

#include <optional>
#include <string>
#include <vector>

#include "platform/xbase/error.hpp"
#include "platform/xbase/ntx_cache.hpp"
#include "platform/xbase/ntx_header.hpp"
#include "platform/xbase/ntx_index.hpp"

namespace zelto::xbase {

namespace ntx {
inline constexpr uint64_t kLockOffset = 1'000'000'000ULL;
// A tree of 1024-byte pages over a file of at most 4 GiB never gets this
// deep; a walk that does is going round a cycle.
inline constexpr int kMaxDepth = 40;
inline constexpr size_t kCachePages = 2048;  // 2 MiB at most per open index

struct Step {
  std::shared_ptr<Page> page;
  int index = 0;  // the child taken, or on the last step the entry itself
};
using Path = std::vector<Step>;
}  // namespace ntx

struct NtxIndex::Impl {
  Impl(Storage& s, NtxHeader& h, bool is_shared)
      : storage(s), header(h), shared(is_shared), geo(ntx::geometry(h)), cache(ntx::kCachePages) {}

  Storage& storage;
  NtxHeader& header;
  bool shared;
  ntx::Geometry geo;
  ntx::PageCache cache;
  uint64_t file_size = 0;
  int lock_wait_ms = 2000;
  int holds = 0;  // open ReadHolds: the shared lock is held between calls
  // Pages this handle took out of the tree. Nobody else can be using them,
  // but no published free-list layout is safe to hand them to other
  // programs, so they are only reused while this handle has the file alone.
  std::vector<uint32_t> spare;
  // Where the last entry handed out lies, so that stepping from it needs no
  // search. Dropped on every write and whenever the cache is dropped.
  ntx::Path cursor;
  std::optional<IndexEntry> cursor_entry;

  class Lock {
   public:
    Lock(Impl& t, LockKind kind);
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    Impl& t_;
    bool held_ = false;
    bool raised_ = false;  // exclusive inside a ReadHold, back to shared at the end
  };

  // Waits up to lock_wait_ms for the lock byte, then Error(Locked).
  void acquire(LockKind kind);

  [[noreturn]] void damaged(uint32_t page, const std::string& what) const;
  void forget();  // drops cached pages and the cursor
  void refresh_header();
  void reload_header();

  std::shared_ptr<ntx::Page> load(uint32_t offset);
  void write(const ntx::Page& p);
  std::shared_ptr<ntx::Page> new_page();
  void write_counters();  // version raised, root and free page
  void check_key(std::string_view key) const;

  IndexEntry entry(const ntx::Page& p, int i) const {
    return IndexEntry{std::string(reinterpret_cast<const char*>(p.key(i)), static_cast<size_t>(geo.key_size)),
                      p.recno(i)};
  }

  // Searches (ntx_search.cpp). `before` tells whether entry i of a page
  // comes before the target; it must hold for a prefix of the order.
  enum class Want { FirstNotBefore, LastBefore };
  template <class Before>
  std::optional<IndexEntry> find(Before before, Want want);
  std::optional<IndexEntry> seek(std::string_view prefix, bool last);
  std::optional<IndexEntry> step(bool forward);
  std::optional<IndexEntry> climb(bool forward);
  void drop_cursor() {
    cursor.clear();
    cursor_entry.reset();
  }

  // Changes (ntx_insert.cpp, ntx_remove.cpp, ntx_build.cpp).
  void insert(std::string_view key, uint32_t recno);
  void insert_up(ntx::Path& path, std::vector<unsigned char> item);
  bool remove(std::string_view key, uint32_t recno);
  void rebalance(ntx::Path& path);
  void build(std::vector<IndexEntry>& entries);

  std::vector<IndexEntry> check();  // ntx_check.cpp
};

}  // namespace zelto::xbase
