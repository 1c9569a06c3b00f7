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

class MemoFile {
 public:
  static std::unique_ptr<MemoFile> open(std::unique_ptr<Storage> storage, const Notice& notice);
  static std::unique_ptr<MemoFile> create(std::unique_ptr<Storage> storage);

  // The text at `block` (0: no memo, gives ""). A block past the end of the
  // file throws Error(Damaged); text with no terminator before the end of
  // the file is returned up to the end and reported as damaged through the
  // notice given at open.
  std::string read(uint32_t block);
  // Writes `text` for a field whose memo is at `old_block` (0 for none):
  // in place when it fits the old memo's blocks, otherwise at the next free
  // block, moving the header's next-free number on. Returns the block to
  // store in the field (0 for an empty text). Shared files take the lock
  // byte at 1,000,000,000 of the .dbt while they allocate.
  uint32_t write(std::string_view text, uint32_t old_block);

  Storage& storage() { return *storage_; }

 private:
  MemoFile() = default;
  std::unique_ptr<Storage> storage_;
  Notice notice_;
};

}  // namespace zelto::xbase
