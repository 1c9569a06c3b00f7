#pragma once
// The bytes under a table, memo or index: a file on disk shared with other
// processes, or a block of memory for temporary tables that vanish when
// closed. Byte-range locks are open-file-description locks (F_OFD_SETLK),
// so two handles exclude each other even inside one process and closing one
// handle never drops the locks of another.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace zelto::xbase {

enum class LockKind { Shared, Exclusive };

class Storage {
 public:
  virtual ~Storage() = default;

  // Reads up to len bytes at offset; returns how many were read (fewer at the end).
  virtual size_t read_at(uint64_t offset, void* buffer, size_t len) = 0;
  virtual void write_at(uint64_t offset, const void* data, size_t len) = 0;
  virtual uint64_t size() = 0;
  virtual void truncate(uint64_t size) = 0;
  virtual void sync() = 0;

  // Non-blocking: false when another handle holds a conflicting lock.
  virtual bool try_lock(uint64_t offset, uint64_t len, LockKind kind) = 0;
  virtual void unlock(uint64_t offset, uint64_t len) = 0;

  virtual bool in_memory() const = 0;
  // The file's path, or the memory storage's name; used in messages.
  virtual const std::string& name() const = 0;
};

struct FileOpen {
  bool write = true;
  bool create = false;    // create the file when it is missing
  bool truncate = false;  // empty it at once (the table writer empties a .dbf itself, under its lock)
};

// Throws Error(NotFound) when the file is missing and not created, Error(Io)
// for other failures.
std::unique_ptr<Storage> open_file_storage(const std::filesystem::path& path, FileOpen how = {});
std::unique_ptr<Storage> make_memory_storage(const std::string& name);

// Reads exactly len bytes or throws Error(Damaged) naming the storage.
void read_exact(Storage& s, uint64_t offset, void* buffer, size_t len);

// Little-endian helpers for the file headers.
inline uint16_t get_u16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t get_u32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
inline void put_u16(unsigned char* p, uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}
inline void put_u32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace zelto::xbase
