#include "platform/xbase/dbf_file.hpp"

#include <algorithm>
#include <limits>

#include "platform/xbase/dbf_header.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/lock_wait.hpp"

namespace zelto::xbase {
namespace {

constexpr uint64_t kAppendLockOffset = kLockBase;
constexpr uint64_t kFileLockOffset = kLockBase + 1;
// Record N's lock byte must stay inside the file lock's range.
constexpr uint32_t kMaxRecords = static_cast<uint32_t>(kFileLockLength);

// Releases a lock taken for the length of one call, however the call ends.
class Release {
 public:
  template <class F>
  explicit Release(F f) : release_(std::move(f)) {}
  ~Release() {
    if (release_) release_();
  }
  void dismiss() { release_ = nullptr; }
  Release(const Release&) = delete;
  Release& operator=(const Release&) = delete;

 private:
  std::function<void()> release_;
};

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    if (up(a[i]) != up(b[i])) return false;
  }
  return true;
}

}  // namespace

DbfFile::~DbfFile() = default;

std::string DbfFile::name() const { return storage_->name(); }

bool DbfFile::locks_granted() const { return exclusive_ || storage_->in_memory(); }

void DbfFile::take_open_lock() {
  if (storage_->in_memory()) return;
  const LockKind kind = exclusive_ ? LockKind::Exclusive : LockKind::Shared;
  if (!storage_->try_lock(kOpenModeLockOffset, 1, kind)) {
    throw Error(ErrorKind::InUse, exclusive_ ? name() + " is in use by another program; it cannot be opened exclusively"
                                             : name() + " is in use by another program, which has it exclusively");
  }
}

void DbfFile::read_header() {
  DbfHeader h = read_dbf_header(*storage_);
  version_ = h.version;
  header_length_ = h.header_length;
  record_length_ = h.record_length;
  fields_ = std::move(h.fields);
}

std::unique_ptr<DbfFile> DbfFile::open(std::unique_ptr<Storage> storage, bool exclusive, const Notice& notice) {
  std::unique_ptr<DbfFile> f(new DbfFile);
  f->storage_ = std::move(storage);
  f->exclusive_ = exclusive;
  f->take_open_lock();
  f->read_header();
  f->check_record_area(notice);
  return f;
}

// Compares the header's count and the file's tail with what the file size
// says. Done under the append lock: without it another program's append in
// progress would look like damage. When the lock is busy that program is
// about to set the header itself, so there is nothing to do.
void DbfFile::check_record_area(const Notice& notice) {
  auto tell = [&](const std::string& message) {
    if (notice) notice(message);
  };
  bool locked = locks_granted();
  if (!locked) {
    try {
      locked = storage_->try_lock(kAppendLockOffset, 1, LockKind::Exclusive);
    } catch (const Error&) {
      locked = false;  // a read-only handle cannot take a write lock; it repairs nothing either
    }
  }
  if (!locked) {
    record_count();
    return;
  }
  Release release([&] {
    if (!locks_granted()) storage_->unlock(kAppendLockOffset, 1);
  });

  const uint64_t size = storage_->size();
  const uint64_t area = size > header_length_ ? size - header_length_ : 0;
  const uint64_t whole = std::min<uint64_t>(area / record_length_, kMaxRecords);
  const auto count = static_cast<uint32_t>(whole);
  const uint64_t rest = area - whole * record_length_;
  known_count_ = count;
  bool end_mark_only = false;
  if (rest == 1) {
    unsigned char last = 0;
    end_mark_only = storage_->read_at(size - 1, &last, 1) == 1 && last == kDbfEndMark;
  }
  if (rest > 0 && !end_mark_only) {
    tell(name() + " ends with " + std::to_string(rest) + (rest == 1 ? " byte" : " bytes") + " after record " +
         std::to_string(count) +
         ", part of a record whose writing was interrupted; they are not counted and the next new record "
         "replaces them");
  }

  unsigned char stored[4];
  read_exact(*storage_, kDbfCountOffset, stored, sizeof stored);
  const uint32_t said = get_u32(stored);
  if (said != count) {
    const std::string what = "the header of " + name() + " said " + std::to_string(said) + " records, the file holds " +
                             std::to_string(count);
    try {
      write_header_count(count);
      tell(what + "; repaired");
    } catch (const Error& e) {
      tell(what + "; could not repair it: " + e.what());
    }
  }
}

std::unique_ptr<DbfFile> DbfFile::create(std::unique_ptr<Storage> storage, std::vector<FieldDef> fields,
                                         bool exclusive) {
  Layout layout = make_layout(std::move(fields));
  std::unique_ptr<DbfFile> f(new DbfFile);
  f->storage_ = std::move(storage);
  // Written under the exclusive open lock even for a shared table, so that
  // a table somebody has open is never emptied under them.
  f->exclusive_ = true;
  f->take_open_lock();
  std::string bytes = build_dbf_header(layout);
  bytes.push_back(static_cast<char>(kDbfEndMark));
  f->storage_->truncate(0);
  f->storage_->write_at(0, bytes.data(), bytes.size());
  f->version_ = static_cast<uint8_t>(bytes[0]);
  f->header_length_ = layout.header_length;
  f->record_length_ = layout.record_length;
  f->fields_ = std::move(layout.fields);
  f->known_count_ = 0;
  if (!exclusive && !f->storage_->in_memory()) {
    // Turning our exclusive lock into a shared one is a single atomic change.
    f->storage_->try_lock(kOpenModeLockOffset, 1, LockKind::Shared);
  }
  f->exclusive_ = exclusive;
  return f;
}

int DbfFile::field_index(std::string_view name) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (equal_ignoring_case(fields_[i].name, name)) return static_cast<int>(i);
  return -1;
}

bool DbfFile::has_memo() const {
  return std::any_of(fields_.begin(), fields_.end(), [](const FieldDef& f) { return f.type == FieldType::Memo; });
}

uint32_t DbfFile::record_count() {
  const uint64_t size = storage_->size();
  uint64_t count = size > header_length_ ? (size - header_length_) / record_length_ : 0;
  known_count_ = static_cast<uint32_t>(std::min<uint64_t>(count, std::numeric_limits<uint32_t>::max()));
  return known_count_;
}

void DbfFile::check_recno(uint32_t recno) {
  if (recno == 0 || (recno > known_count_ && recno > record_count()))
    throw Error(ErrorKind::Usage, "record " + std::to_string(recno) + " is past the end of " + name() + " (" +
                                      std::to_string(known_count_) + " records)");
}

void DbfFile::check_record_bytes(std::string_view record) const {
  if (record.size() != record_length_)
    throw Error(ErrorKind::Usage, "a record of " + name() + " has " + std::to_string(record_length_) + " bytes, not " +
                                      std::to_string(record.size()));
  if (record[0] != ' ' && record[0] != '*')
    throw Error(ErrorKind::Usage, "a record of " + name() + " starts with ' ' or '*'");
}

uint64_t DbfFile::record_offset(uint32_t recno) const {
  return header_length_ + uint64_t{recno - 1} * record_length_;
}

std::string DbfFile::read_record(uint32_t recno) {
  std::string out;
  read_record(recno, out);
  return out;
}

void DbfFile::read_record(uint32_t recno, std::string& out) {
  check_recno(recno);
  out.resize(record_length_);
  if (storage_->read_at(record_offset(recno), out.data(), record_length_) != record_length_)
    throw Error(ErrorKind::Damaged, name() + " lost record " + std::to_string(recno) + " while it was being read");
}

void DbfFile::write_record(uint32_t recno, std::string_view record) {
  check_record_bytes(record);
  check_recno(recno);
  if (!record_locked(recno))
    throw Error(ErrorKind::LockRequired,
                "record " + std::to_string(recno) + " of " + name() + " must be locked before it is written");
  storage_->write_at(record_offset(recno), record.data(), record.size());
}

uint32_t DbfFile::append_record(std::string_view record, int wait_ms) {
  check_record_bytes(record);
  const bool take = !append_locked_;
  if (take && !wait_for_lock(wait_ms, [&] { return lock_append(); })) {
    throw Error(ErrorKind::Locked, "cannot add a record to " + name() +
                                       ": another program holds its append lock (waited " + std::to_string(wait_ms) +
                                       " ms)");
  }
  Release release([&] {
    if (take) unlock_append();
  });

  const uint32_t count = record_count();
  if (count >= kMaxRecords) throw Error(ErrorKind::Usage, name() + " cannot hold more records");
  const uint32_t recno = count + 1;
  const bool had_lock = record_locked(recno);
  if (!lock_record(recno))
    throw Error(ErrorKind::Locked, "record " + std::to_string(recno) + " of " + name() + " is locked by another program");
  Release unlock_new([&] {
    if (!had_lock) unlock_record(recno);
  });

  // The record and the end mark go first and the header after, so a crash
  // in between leaves a header behind the file, which open repairs.
  std::string bytes;
  bytes.reserve(record.size() + 1);
  bytes.append(record);
  bytes.push_back(static_cast<char>(kDbfEndMark));
  storage_->write_at(record_offset(recno), bytes.data(), bytes.size());
  known_count_ = recno;
  write_header_count(recno);
  unlock_new.dismiss();
  return recno;
}

void DbfFile::truncate_records(uint32_t count) {
  if (!locks_granted())
    throw Error(ErrorKind::Usage, name() + " must be open exclusively to drop records");
  if (count > record_count())
    throw Error(ErrorKind::Usage, name() + " has only " + std::to_string(known_count_) + " records, cannot keep " +
                                      std::to_string(count));
  // Cut first, then the end mark, then the header: a crash between them
  // leaves a header ahead of the file, which open repairs.
  const uint64_t end = header_length_ + uint64_t{count} * record_length_;
  storage_->truncate(end);
  const auto mark = static_cast<char>(kDbfEndMark);
  storage_->write_at(end, &mark, 1);
  known_count_ = count;
  write_header_count(count);
}

void DbfFile::write_header_count(uint32_t count) {
  unsigned char bytes[7];
  put_date_and_count(bytes, count);
  storage_->write_at(kDbfDateOffset, bytes, sizeof bytes);
}

bool DbfFile::lock_record(uint32_t recno) {
  if (recno == 0) throw Error(ErrorKind::Usage, "record 0 of " + name() + " cannot be locked");
  if (locks_granted() || locked_records_.count(recno)) return true;
  if (!storage_->try_lock(kLockBase + recno, 1, LockKind::Exclusive)) return false;
  locked_records_.insert(recno);
  return true;
}

void DbfFile::unlock_record(uint32_t recno) {
  if (locks_granted() || locked_records_.erase(recno) == 0) return;
  // Under the file lock the byte stays ours until unlock_file.
  if (!file_locked_) storage_->unlock(kLockBase + recno, 1);
}

bool DbfFile::record_locked(uint32_t recno) const {
  return locks_granted() || file_locked_ || locked_records_.count(recno) > 0;
}

bool DbfFile::lock_file() {
  if (file_locked_) return true;
  if (!locks_granted() && !storage_->try_lock(kFileLockOffset, kFileLockLength, LockKind::Exclusive)) return false;
  file_locked_ = true;
  return true;
}

void DbfFile::unlock_file() {
  if (!file_locked_) return;
  file_locked_ = false;
  if (locks_granted()) return;
  // Release the range around the records locked one by one, so that they
  // are never free, not even for a moment.
  uint64_t from = kFileLockOffset;
  const uint64_t end = kFileLockOffset + kFileLockLength;
  for (uint32_t recno : locked_records_) {
    const uint64_t at = kLockBase + recno;
    if (at >= end) break;
    if (at > from) storage_->unlock(from, at - from);
    from = at + 1;
  }
  if (from < end) storage_->unlock(from, end - from);
}

bool DbfFile::lock_append() {
  if (append_locked_) return true;
  if (!locks_granted() && !storage_->try_lock(kAppendLockOffset, 1, LockKind::Exclusive)) return false;
  append_locked_ = true;
  return true;
}

void DbfFile::unlock_append() {
  if (!append_locked_) return;
  append_locked_ = false;
  if (!locks_granted()) storage_->unlock(kAppendLockOffset, 1);
}

}  // namespace zelto::xbase
