#include "platform/xbase/memo_file.hpp"

#include <algorithm>
#include <limits>

#include "platform/xbase/error.hpp"
#include "platform/xbase/lock_wait.hpp"

namespace zelto::xbase {
namespace {

constexpr uint64_t kAllocLockOffset = kLockBase;
constexpr size_t kHeaderBytes = 4;  // the next free block; the rest of block 0 is unused
constexpr char kEndMark = 0x1A;
constexpr std::string_view kTerminator("\x1A\x1A", 2);
constexpr size_t kReadChunk = 8 * kMemoBlockSize;
// A header may run ahead of the file by the memo whose writing a crash cut
// short; further ahead than the longest memo it is damaged.
constexpr uint64_t kMaxBlocksAhead = kMaxMemoLength / kMemoBlockSize + 1;

uint64_t blocks_for(uint64_t bytes) { return (bytes + kMemoBlockSize - 1) / kMemoBlockSize; }

}  // namespace

std::unique_ptr<MemoFile> MemoFile::open(std::unique_ptr<Storage> storage, const Notice& notice) {
  if (storage->size() < kHeaderBytes)
    throw Error(ErrorKind::Damaged, storage->name() + " is not a readable memo file: it has no header");
  std::unique_ptr<MemoFile> m(new MemoFile);
  m->storage_ = std::move(storage);
  m->notice_ = notice;
  return m;
}

std::unique_ptr<MemoFile> MemoFile::create(std::unique_ptr<Storage> storage) {
  std::string header(kMemoBlockSize, '\0');
  put_u32(reinterpret_cast<unsigned char*>(header.data()), 1);
  storage->truncate(0);
  storage->write_at(0, header.data(), header.size());
  std::unique_ptr<MemoFile> m(new MemoFile);
  m->storage_ = std::move(storage);
  return m;
}

MemoFile::Extent MemoFile::scan(uint32_t block, std::string* text) {
  std::string local;
  std::string& buf = text ? *text : local;
  buf.clear();
  if (block == 0) return {0, true};
  const uint64_t size = storage_->size();
  const uint64_t start = uint64_t{block} * kMemoBlockSize;
  if (start >= size)
    throw Error(ErrorKind::Damaged, "memo block " + std::to_string(block) + " of " + storage_->name() +
                                        " is past the end of the file (" + std::to_string(blocks_for(size)) +
                                        " blocks)");
  auto too_long = [&] {
    return Error(ErrorKind::Damaged, "memo at block " + std::to_string(block) + " of " + storage_->name() +
                                         " runs on for more than " + std::to_string(kMaxMemoLength) +
                                         " bytes without an end mark");
  };
  uint64_t pos = start;
  while (pos < size) {
    // One byte over the cap may still be the first end mark.
    if (buf.size() > kMaxMemoLength + 1) throw too_long();
    const size_t was = buf.size();
    const size_t want = static_cast<size_t>(std::min<uint64_t>(kReadChunk, size - pos));
    buf.resize(was + want);
    const size_t got = storage_->read_at(pos, buf.data() + was, want);
    buf.resize(was + got);
    if (got == 0) break;
    pos += got;
    // The terminator may straddle the previous chunk's end.
    const size_t found = buf.find(kTerminator, was > 0 ? was - 1 : 0);
    if (found != std::string::npos) {
      buf.resize(found);
      return {found, true};
    }
  }
  if (buf.size() > kMaxMemoLength) throw too_long();
  return {buf.size(), false};
}

std::string MemoFile::read(uint32_t block) {
  std::string text;
  const Extent e = scan(block, &text);
  if (!e.terminated && notice_) {
    notice_("memo at block " + std::to_string(block) + " of " + storage_->name() +
            " is damaged: it has no end mark; read up to the end of the file (" + std::to_string(text.size()) +
            " bytes)");
  }
  return text;
}

uint32_t MemoFile::write(std::string_view text, uint32_t old_block, int wait_ms) {
  if (text.find(kEndMark) != std::string_view::npos)
    throw Error(ErrorKind::BadField, "a memo of " + storage_->name() + " cannot hold the byte 0x1A, its end mark");
  if (text.size() > kMaxMemoLength)
    throw Error(ErrorKind::BadField, "a memo of " + storage_->name() + " holds at most " +
                                         std::to_string(kMaxMemoLength) + " bytes");
  if (text.empty()) return 0;

  if (old_block != 0) {
    Extent old;
    std::string old_text;
    try {
      old = scan(old_block, &old_text);
    } catch (const Error& e) {
      if (e.kind() != ErrorKind::Damaged) throw;
      old.terminated = false;  // a broken old memo is left alone; the new text goes to fresh blocks
    }
    // A lone 0x1A means a writer that ends memos with one mark: the double
    // mark found may then belong to the next memo, so its blocks are not ours.
    const bool own_blocks_known = old.terminated && old_text.find(kEndMark) == std::string::npos;
    const uint64_t room = blocks_for(old.length + kTerminator.size()) * kMemoBlockSize;
    if (own_blocks_known && text.size() + kTerminator.size() <= room) {
      std::string bytes(text);
      bytes.append(kTerminator);
      storage_->write_at(uint64_t{old_block} * kMemoBlockSize, bytes.data(), bytes.size());
      return old_block;
    }
  }
  return allocate(text, wait_ms);
}

uint32_t MemoFile::allocate(std::string_view text, int wait_ms) {
  const bool shared = !storage_->in_memory();
  if (shared && !wait_for_lock(wait_ms, [&] { return storage_->try_lock(kAllocLockOffset, 1, LockKind::Exclusive); }))
    throw Error(ErrorKind::Locked, "cannot add a memo to " + storage_->name() +
                                       ": another program holds its lock (waited " + std::to_string(wait_ms) + " ms)");
  struct Unlock {
    Storage& s;
    bool on;
    ~Unlock() {
      if (on) s.unlock(kAllocLockOffset, 1);
    }
  } unlock{*storage_, shared};

  // Read under the lock: another program may have just moved it on.
  unsigned char header[kHeaderBytes];
  read_exact(*storage_, 0, header, sizeof header);
  const uint64_t said = get_u32(header);
  const uint64_t end = std::max<uint64_t>(blocks_for(storage_->size()), 1);
  uint64_t start = std::max(said, end);
  if (said > end + kMaxBlocksAhead) {
    start = end;
    if (notice_)
      notice_("the header of " + storage_->name() + " gives the next free block as " + std::to_string(said) +
              ", far past the end of the file (" + std::to_string(end) + " blocks); new memos go at the end");
  }
  const uint64_t blocks = blocks_for(text.size() + kTerminator.size());
  if (start + blocks > std::numeric_limits<uint32_t>::max())
    throw Error(ErrorKind::Damaged, storage_->name() + " has no block numbers left for another memo");

  // The text goes first and the header after, so a crash in between leaves
  // at worst unused blocks, never a header pointing into a memo.
  std::string bytes(text);
  bytes.append(kTerminator);
  bytes.resize(blocks * kMemoBlockSize, '\0');
  storage_->write_at(start * kMemoBlockSize, bytes.data(), bytes.size());
  put_u32(header, static_cast<uint32_t>(start + blocks));
  storage_->write_at(0, header, sizeof header);
  return static_cast<uint32_t>(start);
}

std::string format_memo_block(uint32_t block) {
  if (block == 0) return std::string(10, ' ');
  std::string digits = std::to_string(block);
  return std::string(10 - digits.size(), ' ') + digits;
}

uint32_t parse_memo_block(std::string_view field_bytes) {
  auto blank = [](char c) { return c == ' ' || c == '\0'; };
  size_t from = 0, to = field_bytes.size();
  while (from < to && blank(field_bytes[from])) ++from;
  while (to > from && blank(field_bytes[to - 1])) --to;
  uint64_t block = 0;
  for (size_t i = from; i < to; ++i) {
    const char c = field_bytes[i];
    if (c < '0' || c > '9' || block > std::numeric_limits<uint32_t>::max() / 10)
      throw Error(ErrorKind::Damaged, "memo field holds \"" + std::string(field_bytes) + "\", not a block number");
    block = block * 10 + static_cast<uint64_t>(c - '0');
  }
  if (block > std::numeric_limits<uint32_t>::max())
    throw Error(ErrorKind::Damaged, "memo field holds \"" + std::string(field_bytes) + "\", not a block number");
  return static_cast<uint32_t>(block);
}

}  // namespace zelto::xbase
