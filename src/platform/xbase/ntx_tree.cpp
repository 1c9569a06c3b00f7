#include <chrono>
#include <thread>

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {

using ntx::kPageSize;
using ntx::Page;

void NtxIndex::Impl::acquire(LockKind kind) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(lock_wait_ms);
  auto pause = std::chrono::microseconds(200);
  while (!storage.try_lock(ntx::kLockOffset, 1, kind)) {
    if (Clock::now() >= deadline)
      throw Error(ErrorKind::Locked, storage.name() + ": the index is locked by another program");
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(20000));
  }
}

NtxIndex::Impl::Lock::Lock(Impl& t, LockKind kind) : t_(t) {
  if (!t_.shared) return;
  if (t_.holds > 0) {
    // Held shared since the hold began, so nobody has written meanwhile.
    if (kind == LockKind::Exclusive) {
      t_.acquire(LockKind::Exclusive);
      raised_ = true;
    }
    return;
  }
  t_.acquire(kind);
  held_ = true;
  try {
    t_.refresh_header();
  } catch (...) {
    t_.storage.unlock(ntx::kLockOffset, 1);
    held_ = false;
    throw;
  }
}

NtxIndex::Impl::Lock::~Lock() {
  if (raised_) t_.storage.try_lock(ntx::kLockOffset, 1, LockKind::Shared);
  if (held_) t_.storage.unlock(ntx::kLockOffset, 1);
}

void NtxIndex::Impl::damaged(uint32_t page, const std::string& what) const {
  throw Error(ErrorKind::Damaged, storage.name() + ": index page at offset " + std::to_string(page) + " " + what);
}

void NtxIndex::Impl::forget() {
  cache.clear();
  cursor.clear();
  cursor_entry.reset();
}

// Other programs raise the version on every write; an unchanged version
// and root mean every cached page is still what the file holds.
void NtxIndex::Impl::refresh_header() {
  unsigned char b[12];
  if (storage.read_at(0, b, sizeof b) != sizeof b)
    throw Error(ErrorKind::Damaged, storage.name() + ": index header is missing");
  if (get_u16(b + 2) == header.version && get_u32(b + 4) == header.root && get_u16(b) == header.signature) return;
  reload_header();
}

void NtxIndex::Impl::reload_header() {
  unsigned char b[ntx::kHeaderBytes];
  file_size = storage.size();
  if (storage.read_at(0, b, sizeof b) != sizeof b)
    throw Error(ErrorKind::Damaged, storage.name() + ": index header is cut short");
  header = ntx::decode_header(b, storage.name(), file_size);
  geo = ntx::geometry(header);
  forget();
}

std::shared_ptr<Page> NtxIndex::Impl::load(uint32_t offset) {
  if (auto p = cache.find(offset)) return p;
  if (offset < kPageSize || offset % kPageSize != 0) damaged(offset, "is not on a page boundary");
  if (uint64_t{offset} + kPageSize > file_size) {
    file_size = storage.size();
    if (uint64_t{offset} + kPageSize > file_size) damaged(offset, "is past the end of the file");
  }
  auto p = std::make_shared<Page>();
  p->offset = offset;
  if (storage.read_at(offset, p->bytes, kPageSize) != kPageSize) damaged(offset, "is cut short");
  std::string why = ntx::validate_page(geo, *p, file_size);
  if (!why.empty()) damaged(offset, why);
  cache.put(p);
  return p;
}

void NtxIndex::Impl::write(const Page& p) { storage.write_at(p.offset, p.bytes, kPageSize); }

std::shared_ptr<Page> NtxIndex::Impl::new_page() {
  auto p = std::make_shared<Page>();
  if (!shared && !spare.empty()) {
    p->offset = spare.back();
    spare.pop_back();
  } else {
    uint64_t end = (file_size + kPageSize - 1) / kPageSize * kPageSize;
    if (end + kPageSize > UINT32_MAX) throw Error(ErrorKind::Io, storage.name() + ": index file would pass 4 GiB");
    p->offset = static_cast<uint32_t>(end);
    file_size = end + kPageSize;
  }
  cache.put(p);
  return p;
}

void NtxIndex::Impl::write_counters() {
  ++header.version;
  unsigned char b[10];
  put_u16(b, header.version);
  put_u32(b + 2, header.root);
  put_u32(b + 6, header.free_page);
  storage.write_at(2, b, sizeof b);
}

void NtxIndex::Impl::check_key(std::string_view key) const {
  if (key.size() != static_cast<size_t>(geo.key_size))
    throw Error(ErrorKind::Usage, storage.name() + ": a key of " + std::to_string(key.size()) +
                                      " bytes for an index whose keys have " + std::to_string(geo.key_size));
}

}  // namespace zelto::xbase
