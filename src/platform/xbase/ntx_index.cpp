#include "platform/xbase/ntx_index.hpp"

#include "platform/xbase/ntx_tree.hpp"

namespace zelto::xbase {

using ntx::kPageSize;

std::unique_ptr<NtxIndex> NtxIndex::open(std::unique_ptr<Storage> storage, bool shared) {
  std::unique_ptr<NtxIndex> index(new NtxIndex());
  index->storage_ = std::move(storage);
  index->shared_ = shared && !index->storage_->in_memory();
  index->impl_ = std::make_unique<Impl>(*index->storage_, index->header_, index->shared_);
  Impl& t = *index->impl_;
  // The first header read happens under the lock like any other, so a
  // writer busy with the file is waited for.
  t.header.signature = 0;
  if (index->shared_) {
    Impl::Lock lock(t, LockKind::Shared);
  } else {
    t.reload_header();
  }
  return index;
}

std::unique_ptr<NtxIndex> NtxIndex::create(std::unique_ptr<Storage> storage, std::string_view expression,
                                           int key_size, int key_decimals, bool unique, bool descend, bool shared) {
  NtxHeader h = new_header(expression, key_size, key_decimals, unique, descend);
  std::unique_ptr<NtxIndex> index(new NtxIndex());
  index->storage_ = std::move(storage);
  index->shared_ = shared && !index->storage_->in_memory();
  index->header_ = h;
  index->impl_ = std::make_unique<Impl>(*index->storage_, index->header_, index->shared_);
  Impl& t = *index->impl_;
  if (index->shared_ && !index->storage_->try_lock(ntx::kLockOffset, 1, LockKind::Exclusive))
    throw Error(ErrorKind::Locked, index->storage_->name() + ": the index is locked by another program");
  try {
    unsigned char page[2 * kPageSize] = {};
    index->header_.version = 1;
    ntx::encode_header(index->header_, page);
    ntx::Page root;
    root.offset = kPageSize;
    root.fill(t.geo, nullptr, 0, 0);
    std::memcpy(page + kPageSize, root.bytes, kPageSize);
    index->storage_->truncate(0);
    index->storage_->write_at(0, page, sizeof page);
    t.file_size = sizeof page;
  } catch (...) {
    if (index->shared_) index->storage_->unlock(ntx::kLockOffset, 1);
    throw;
  }
  if (index->shared_) index->storage_->unlock(ntx::kLockOffset, 1);
  return index;
}

NtxIndex::~NtxIndex() = default;

void NtxIndex::build(std::vector<IndexEntry> entries) { impl_->build(entries); }
void NtxIndex::insert(std::string_view key, uint32_t recno) { impl_->insert(key, recno); }
bool NtxIndex::remove(std::string_view key, uint32_t recno) { return impl_->remove(key, recno); }
std::vector<IndexEntry> NtxIndex::check() { return impl_->check(); }
void NtxIndex::set_lock_wait(int milliseconds) { impl_->lock_wait_ms = milliseconds; }

NtxIndex::ReadHold::ReadHold(NtxIndex& index) : index_(index) {
  Impl& t = *index_.impl_;
  if (!t.shared) return;
  if (t.holds == 0) {
    t.acquire(LockKind::Shared);
    try {
      t.refresh_header();
    } catch (...) {
      t.storage.unlock(ntx::kLockOffset, 1);
      throw;
    }
  }
  ++t.holds;
}

NtxIndex::ReadHold::~ReadHold() {
  Impl& t = *index_.impl_;
  if (!t.shared) return;
  if (--t.holds == 0) t.storage.unlock(ntx::kLockOffset, 1);
}

}  // namespace zelto::xbase
