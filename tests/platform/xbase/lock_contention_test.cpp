// Byte-range locks between handles and between processes: record, file and
// append locks, exclusive opening, and handles that close while others
// keep their locks.

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/dbf_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::Notices;
using test::record_of;
using test::run_in_child;

const std::vector<FieldDef> kFields = {{"ID", FieldType::Numeric, 8, 0, 1}, {"TEXT", FieldType::Character, 40, 0, 9}};

std::string rec(int id, const std::string& text = "x") { return record_of(kFields, {Decimal(id), text}); }

class DbfLocks : public ::testing::Test {
 protected:
  void SetUp() override {
    auto t = DbfFile::create(open_file_storage(path_, FileOpen{true, true}), kFields, false);
    for (int i = 1; i <= 3; ++i) t->append_record(rec(i));
  }
  std::unique_ptr<DbfFile> open(bool exclusive, const Notice& notice = {}) {
    return DbfFile::open(open_file_storage(path_), exclusive, notice);
  }
  // In a child: the kind of error opening gives, or -1 when it opens.
  int child_open_result(bool exclusive) {
    return run_in_child([&] {
      try {
        open(exclusive);
        return 100;
      } catch (const Error& e) {
        const bool says_in_use = std::string(e.what()).find("in use by another program") != std::string::npos;
        return says_in_use ? static_cast<int>(e.kind()) : 101;
      }
    });
  }
  static constexpr int kOpens = 100;
  static constexpr int kInUse = static_cast<int>(ErrorKind::InUse);

  test::TempDir dir_;
  std::filesystem::path path_ = dir_ / "sale.dbf";
};

TEST_F(DbfLocks, TwoHandlesInOneProcessExcludeEachOther) {
  auto a = open(false);
  auto b = open(false);
  EXPECT_TRUE(a->lock_record(2));
  EXPECT_FALSE(b->lock_record(2));
  EXPECT_TRUE(b->lock_record(3));
  EXPECT_FALSE(a->lock_file());  // b holds record 3
  b->unlock_record(3);
  EXPECT_TRUE(a->lock_file());
  EXPECT_FALSE(b->lock_record(1));

  // Leaving the file lock keeps the record lock taken before it.
  a->unlock_file();
  EXPECT_FALSE(b->lock_record(2));
  EXPECT_TRUE(b->lock_record(1));

  // A record unlocked under the file lock stays covered until unlock_file.
  EXPECT_TRUE(a->lock_record(3));
  b->unlock_record(1);
  EXPECT_TRUE(a->lock_file());
  a->unlock_record(3);
  EXPECT_FALSE(b->lock_record(3));
  a->unlock_file();
  EXPECT_TRUE(b->lock_record(3));

  try {
    b->write_record(2, rec(20));
    FAIL() << "wrote a record locked by another handle";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::LockRequired);
  }
  b->write_record(3, rec(30));
  EXPECT_EQ(a->read_record(3), rec(30));

  EXPECT_TRUE(a->lock_append());
  EXPECT_FALSE(b->lock_append());
  try {
    b->append_record(rec(4), 30);
    FAIL() << "appended while another handle held the append lock";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Locked);
  }
  a->unlock_append();
  EXPECT_EQ(b->append_record(rec(4)), 4u);
  EXPECT_FALSE(a->lock_record(4));  // a new record stays locked by its writer
  EXPECT_EQ(a->record_count(), 4u);

  try {
    open(true);
    FAIL() << "opened exclusively while others have it";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::InUse);
  }
}

TEST_F(DbfLocks, ExclusiveOpeningExcludesOtherProcesses) {
  {
    auto mine = open(true);
    EXPECT_EQ(child_open_result(false), kInUse);
    EXPECT_EQ(child_open_result(true), kInUse);
  }
  EXPECT_EQ(child_open_result(true), kOpens);
  auto shared = open(false);
  EXPECT_EQ(child_open_result(true), kInUse);
  EXPECT_EQ(child_open_result(false), kOpens);
  EXPECT_THROW(DbfFile::create(open_file_storage(path_), kFields, false), Error);  // never emptied under us
  EXPECT_EQ(shared->record_count(), 3u);
}

TEST_F(DbfLocks, RecordAndAppendLocksHoldAcrossProcesses) {
  auto mine = open(false);
  ASSERT_TRUE(mine->lock_record(2));
  ASSERT_TRUE(mine->lock_append());
  const int seen = run_in_child([&] {
    auto other = open(false);
    int bits = 0;
    if (!other->lock_record(2)) bits |= 1;
    if (other->lock_record(3)) bits |= 2;
    if (!other->lock_file()) bits |= 4;
    try {
      other->append_record(rec(9), 50);
    } catch (const Error& e) {
      if (e.kind() == ErrorKind::Locked) bits |= 8;
    }
    return bits;
  });
  EXPECT_EQ(seen, 1 | 2 | 4 | 8);

  // A waiting append goes through once the lock is released.
  const pid_t waiter = test::start_child([&] { return static_cast<int>(open(false)->append_record(rec(4), 20000)); });
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  mine->unlock_append();
  EXPECT_EQ(test::wait_child(waiter), 4);
  EXPECT_EQ(mine->read_record(4), rec(4));
}

TEST_F(DbfLocks, ClosingOneHandleKeepsAnotherHandlesLocks) {
  auto keeper = open(false);
  ASSERT_TRUE(keeper->lock_record(3));
  {
    auto closer = open(false);
    ASSERT_TRUE(closer->lock_record(1));
    ASSERT_FALSE(closer->lock_record(3));
  }
  const int seen = run_in_child([&] {
    int bits = 0;
    auto other = open(false);
    if (!other->lock_record(3)) bits |= 1;  // still the keeper's
    if (other->lock_record(1)) bits |= 2;   // went with the closed handle
    try {
      open(true);
    } catch (const Error& e) {
      if (e.kind() == ErrorKind::InUse) bits |= 4;  // the keeper still has it open
    }
    return bits;
  });
  EXPECT_EQ(seen, 1 | 2 | 4);
}

TEST_F(DbfLocks, ProcessesAppendingAtOnceGetDistinctRecords) {
  constexpr int kEach = 150;
  test::StartingLine start;
  auto appender = [&](int base) {
    return [&, base] {
      auto t = open(false);
      start.wait();  // both have counted the records before either appends
      for (int i = 0; i < kEach; ++i) t->unlock_record(t->append_record(rec(base + i, "by " + std::to_string(base))));
      return 0;
    };
  };
  const pid_t a = test::start_child(appender(1000));
  const pid_t b = test::start_child(appender(2000));
  start.release();
  ASSERT_EQ(test::wait_child(a), 0);
  ASSERT_EQ(test::wait_child(b), 0);

  Notices notices;
  auto t = open(false, notices.sink());
  EXPECT_TRUE(notices.messages.empty()) << notices.joined();
  ASSERT_EQ(t->record_count(), 3u + 2 * kEach);
  std::set<std::string> seen;
  for (uint32_t r = 4; r <= t->record_count(); ++r) seen.insert(t->read_record(r));
  std::set<std::string> expected;
  for (int base : {1000, 2000})
    for (int i = 0; i < kEach; ++i) expected.insert(rec(base + i, "by " + std::to_string(base)));
  EXPECT_EQ(seen, expected);
}

// An append in progress elsewhere (the append lock held) is not damage: the
// header is left to the appender.
TEST_F(DbfLocks, OpenLeavesTheHeaderToAnAppendInProgress) {
  auto appender = open(false);
  ASSERT_TRUE(appender->lock_append());
  unsigned char behind[4];
  put_u32(behind, 2);
  appender->storage().write_at(4, behind, 4);

  Notices quiet;
  auto reader = open(false, quiet.sink());
  EXPECT_TRUE(quiet.messages.empty()) << quiet.joined();
  EXPECT_EQ(reader->record_count(), 3u);

  appender->unlock_append();
  Notices repaired;
  open(false, repaired.sink());
  ASSERT_EQ(repaired.messages.size(), 1u);
  EXPECT_NE(repaired.messages[0].find("sale.dbf said 2 records, the file holds 3"), std::string::npos)
      << repaired.messages[0];
}

}  // namespace
}  // namespace zelto::xbase
