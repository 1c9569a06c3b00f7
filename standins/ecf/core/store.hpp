#pragma once
// The printer's files in the data folder and how they are written: the
// fiscal memory replaced atomically (temporary file, fsync, rename) under
// an exclusive lock on a lock file of its own, so that two processes never
// interleave commands and a process killed mid-write leaves the previous
// memory whole.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ecf/core/memory.hpp"

namespace zelto::ecfsim {

namespace files {
inline constexpr const char* kMemory = "ecf_memoria.txt";
inline constexpr const char* kLock = "ecf_memoria.lck";
inline constexpr const char* kRoll = "ecf_bobina.txt";
inline constexpr const char* kFaults = "ecf_falhas.txt";
}  // namespace files

// Holds the printer: every command of every process runs inside one.
class PrinterLock {
 public:
  explicit PrinterLock(const std::filesystem::path& folder);  // waits; throws when the folder is unusable
  ~PrinterLock();
  PrinterLock(const PrinterLock&) = delete;
  PrinterLock& operator=(const PrinterLock&) = delete;

 private:
  int fd_ = -1;
};

// Points inside a write where a test can stop the process.
struct WriteHooks {
  std::function<void()> half_written;  // the temporary file holds half the text
};

// Replaces `path` with `text` atomically.
void write_file_atomically(const std::filesystem::path& path, const std::string& text, const WriteHooks& hooks = {});

struct Loaded {
  std::optional<FiscalMemory> memory;  // nothing: no printer here, or a memory that cannot be read
  std::string text;                    // as read, to skip writing when nothing changed
  std::string error;                   // why a memory present could not be read
};
Loaded load_memory(const std::filesystem::path& folder);
void save_memory(const std::filesystem::path& folder, const FiscalMemory& m, const WriteHooks& hooks = {});

// Lines printed, Windows-1252 inside, appended to the roll in UTF-8.
void append_roll(const std::filesystem::path& folder, const std::vector<std::string>& lines);
std::vector<std::string> read_roll(const std::filesystem::path& folder);  // UTF-8 lines

std::optional<std::string> read_text_file(const std::filesystem::path& path);

}  // namespace zelto::ecfsim
