#pragma once
// The memo file (.dbt) beside a table with M fields: 512-byte blocks, block
// 0 holding the next free block number; a memo starts at its block and ends
// with 0x1A 0x1A.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/storage.hpp"

namespace zelto::xbase {

inline constexpr uint32_t kMemoBlockSize = 512;
// Longer texts are refused on write and a chain running past it without an
// end mark is damage, so a broken file cannot make us allocate gigabytes.
inline constexpr size_t kMaxMemoLength = 16u << 20;

class MemoFile {
 public:
  // A file shorter than its 4-byte header throws Error(Damaged).
  static std::unique_ptr<MemoFile> open(std::unique_ptr<Storage> storage, const Notice& notice);
  // Writes the header block (next free block 1) over whatever was there.
  static std::unique_ptr<MemoFile> create(std::unique_ptr<Storage> storage);

  // The text at `block` (0: no memo, gives ""). A block past the end of the
  // file throws Error(Damaged); text with no terminator before the end of
  // the file is returned up to the end and reported as damaged through the
  // notice given at open; a chain longer than kMaxMemoLength without an end
  // mark throws Error(Damaged).
  std::string read(uint32_t block);
  // Writes `text` for a field whose memo is at `old_block` (0 for none):
  // in place when it fits the old memo's blocks, otherwise at the next free
  // block, moving the header's next-free number on. Returns the block to
  // store in the field (0 for an empty text). Shared files take the lock
  // byte at 1,000,000,000 of the .dbt while they allocate (waiting up to
  // `wait_ms`, then Error(Locked)). New blocks never go below the end of
  // the file, whatever the header says, so a stale header cannot overwrite
  // another memo. Text holding the byte 0x1A (the end mark) or longer than
  // kMaxMemoLength throws Error(BadField).
  uint32_t write(std::string_view text, uint32_t old_block, int wait_ms = 10000);

  Storage& storage() { return *storage_; }

 private:
  MemoFile() = default;
  struct Extent {
    uint64_t length = 0;      // text bytes before the end mark
    bool terminated = false;  // false: the file ended first
  };
  Extent scan(uint32_t block, std::string* text);
  uint32_t allocate(std::string_view text, int wait_ms);

  std::unique_ptr<Storage> storage_;
  Notice notice_;
};

// The 10 bytes of an M field: the block right-aligned, blanks for none.
std::string format_memo_block(uint32_t block);
// The block an M field's bytes name: 0 for blanks (or NULs); anything that
// is not a block number throws Error(Damaged).
uint32_t parse_memo_block(std::string_view field_bytes);

}  // namespace zelto::xbase
