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

#include <cstdint>
#include <functional>
#include <memory>
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
  // file size is repaired (under the append lock) and reported; a header
  // that cannot be a table throws Error(Damaged). With exclusive = true the
  // open fails with Error(InUse) while any other handle has the table open;
  // a shared open fails with Error(InUse) while another holds it exclusively.
  static std::unique_ptr<DbfFile> open(std::unique_ptr<Storage> storage, bool exclusive, const Notice& notice);
  // Writes a new empty table (header, field list, 0x0D, 0x1A) and opens it.
  static std::unique_ptr<DbfFile> create(std::unique_ptr<Storage> storage, std::vector<FieldDef> fields,
                                         bool exclusive);
  ~DbfFile();

  const std::vector<FieldDef>& fields() const { return fields_; }
  int field_index(std::string_view name) const;  // case-insensitive; -1 when absent
  uint16_t header_length() const { return header_length_; }
  uint16_t record_length() const { return record_length_; }
  bool has_memo() const;
  bool exclusive() const { return exclusive_; }
  Storage& storage() { return *storage_; }

  // Records counted from the file size (other programs may have appended).
  uint32_t record_count();

  // A whole record: the deletion flag byte (' ' or '*') and the field bytes.
  // Reading past the last record throws Error(Usage).
  std::string read_record(uint32_t recno);
  void read_record(uint32_t recno, std::string& out);
  void write_record(uint32_t recno, std::string_view record);

  // Adds a record at the end under the append lock (waiting for it, up to
  // `wait_ms`, then Error(Locked)): recounts from the file size, locks the
  // new record (shared tables), writes it and the 0x1A end mark, updates the
  // header's count and date. Returns the new record number; the record stays
  // locked until unlock_record.
  uint32_t append_record(std::string_view record, int wait_ms = 10000);

  // Keeps the first `count` records and drops the rest (pack and zap write
  // the kept records first). Exclusive tables only.
  void truncate_records(uint32_t count);
  // Writes the header's count (and today's date as the last update).
  void write_header_count(uint32_t count);

  bool lock_record(uint32_t recno);
  void unlock_record(uint32_t recno);
  bool lock_file();
  void unlock_file();
  bool lock_append();
  void unlock_append();

  void sync() { storage_->sync(); }

 private:
  DbfFile() = default;
  void read_header(const Notice& notice);
  void take_open_lock();

  std::unique_ptr<Storage> storage_;
  std::vector<FieldDef> fields_;
  uint16_t header_length_ = 0;
  uint16_t record_length_ = 0;
  bool exclusive_ = false;
};

// Builds the 32-byte descriptors of a field list with offsets filled in, and
// the resulting header and record lengths; throws Error(BadField) for an
// invalid or duplicate field.
struct Layout {
  std::vector<FieldDef> fields;
  uint16_t header_length = 0;
  uint16_t record_length = 0;
};
Layout make_layout(std::vector<FieldDef> fields);

}  // namespace zelto::xbase
