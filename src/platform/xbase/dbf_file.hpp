#pragma once
// One dBase III table file (.dbf): its header and field list, its records,
// and the byte-range locks other programs on the same folder understand.
//
// Locks (offsets in the .dbf):
//   record N        1 byte at 1,000,000,000 + N
//   append          1 byte at 1,000,000,000
//   whole file      1,000,000,000 bytes from 1,000,000,001
//   open mode       1 byte at 3,000,000,000: held shared by every handle that
//                   opens the table shared, exclusive by one that opens it
//                   exclusive, so exclusive use excludes other processes.
// Locks belong to the handle (open file description): two handles exclude
// each other even in one process, and closing one keeps the other's locks.
// Exclusive tables and memory storages grant every lock without asking the
// system, since nobody else can reach them.
//
// Writes are ordered so that a process killed at any point leaves a table
// that opens: a record (and the 0x1A after it) is written before the header
// count that admits it, so the worst case is a header behind the file, which
// open repairs.

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xbase/field.hpp"
#include "platform/xbase/storage.hpp"

namespace zelto::xbase {

inline constexpr uint64_t kLockBase = 1'000'000'000ULL;
inline constexpr uint64_t kFileLockLength = 1'000'000'000ULL;
inline constexpr uint64_t kOpenModeLockOffset = 3'000'000'000ULL;

// Messages about repairs made while reading files ("the header of m206.dbf
// said 10 records, the file holds 12; repaired").
using Notice = std::function<void(const std::string&)>;

class DbfFile {
 public:
  // Opens an existing table. A header whose record count disagrees with the
  // file size is repaired (under the append lock) and reported; bytes after
  // the last whole record (a write cut short) are reported, not counted, and
  // overwritten by the next append. A header that cannot be a table throws
  // Error(Damaged). With exclusive = true the open fails with Error(InUse)
  // while any other handle has the table open; a shared open fails with
  // Error(InUse) while another holds it exclusively. `notice` may be empty.
  static std::unique_ptr<DbfFile> open(std::unique_ptr<Storage> storage, bool exclusive, const Notice& notice);
  // Writes a new empty table (header, field list, 0x0D, 0x1A) and opens it.
  // The writing happens under the exclusive open lock, so it fails with
  // Error(InUse) rather than empty a table another handle has open.
  static std::unique_ptr<DbfFile> create(std::unique_ptr<Storage> storage, std::vector<FieldDef> fields,
                                         bool exclusive);
  ~DbfFile();

  // Field offsets count from the start of the record, the deletion flag being
  // byte 0, so record.substr(f.offset, f.length) is the field.
  const std::vector<FieldDef>& fields() const { return fields_; }
  int field_index(std::string_view name) const;  // case-insensitive; -1 when absent
  uint16_t header_length() const { return header_length_; }
  uint16_t record_length() const { return record_length_; }
  bool has_memo() const;
  bool exclusive() const { return exclusive_; }
  uint8_t version_byte() const { return version_; }  // kept as the file has it
  Storage& storage() { return *storage_; }

  // Records counted from the file size (other programs may have appended).
  uint32_t record_count();

  // A whole record: the deletion flag byte (' ' or '*') and the field bytes.
  // Reading past the last record (or record 0) throws Error(Usage).
  std::string read_record(uint32_t recno);
  void read_record(uint32_t recno, std::string& out);
  // Overwrites an existing record (record_length() bytes, flag ' ' or '*',
  // else Error(Usage)). On a shared file table the caller must hold the
  // record's lock or the file lock, else Error(LockRequired).
  void write_record(uint32_t recno, std::string_view record);

  // Adds a record at the end under the append lock (waiting for it, up to
  // `wait_ms`, then Error(Locked)): recounts from the file size, locks the
  // new record (shared tables), writes it and the 0x1A end mark, updates the
  // header's count and date. Returns the new record number; the record stays
  // locked until unlock_record.
  uint32_t append_record(std::string_view record, int wait_ms = 10000);

  // Keeps the first `count` records and drops the rest (pack and zap write
  // the kept records first). Exclusive tables and memory storages only, else
  // Error(Usage).
  void truncate_records(uint32_t count);
  // Writes the header's count (and today's date as the last update).
  void write_header_count(uint32_t count);

  // Non-blocking; false when another handle holds a conflicting lock.
  // Record locks taken with lock_record survive unlock_file, and a record
  // unlocked while the file lock is held stays covered by it until
  // unlock_file. Record 0 is not a record: Error(Usage).
  bool lock_record(uint32_t recno);
  void unlock_record(uint32_t recno);
  bool record_locked(uint32_t recno) const;  // by this handle
  bool lock_file();
  void unlock_file();
  bool file_locked() const { return file_locked_; }
  bool lock_append();
  void unlock_append();

  void sync() { storage_->sync(); }

 private:
  DbfFile() = default;
  void read_header();
  void take_open_lock();
  void check_record_area(const Notice& notice);
  void check_recno(uint32_t recno);
  void check_record_bytes(std::string_view record) const;
  uint64_t record_offset(uint32_t recno) const;
  bool locks_granted() const;
  std::string name() const;

  std::unique_ptr<Storage> storage_;
  std::vector<FieldDef> fields_;
  uint8_t version_ = 0x03;
  uint16_t header_length_ = 0;
  uint16_t record_length_ = 0;
  bool exclusive_ = false;
  uint32_t known_count_ = 0;  // records seen so far; the file only grows while shared
  std::set<uint32_t> locked_records_;
  bool file_locked_ = false;
  bool append_locked_ = false;
};

// Lays out a field list for a new table: offsets filled in, the header
// length (32 + 32 per field + the 0x0D) and the record length. Throws
// Error(BadField) for an invalid or duplicate field (names compared without
// case), a name that is not a letter followed by letters, digits or '_', or
// a record longer than 65535 bytes. Names come back upper case.
struct Layout {
  std::vector<FieldDef> fields;
  uint16_t header_length = 0;
  uint16_t record_length = 0;
};
Layout make_layout(std::vector<FieldDef> fields);

}  // namespace zelto::xbase
