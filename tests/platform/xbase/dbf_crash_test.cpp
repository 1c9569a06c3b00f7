// A process killed in the middle of adding records: the table must open,
// count what it holds, and keep every record whose append had returned.

#include <gtest/gtest.h>
#include <signal.h>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/dbf_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::Notices;
using test::record_of;

// Records of a few pages each, so a kill can land inside one write.
const std::vector<FieldDef> kFields = {{"ID", FieldType::Numeric, 8, 0, 1},
                                       {"SEAL", FieldType::Character, 1200, 0, 9},
                                       {"BODY", FieldType::Character, 9000, 0, 1209}};

std::string rec(uint32_t id) {
  std::string body(9000, ' ');
  for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>('a' + (id * 7 + i) % 26);
  return record_of(kFields, {Decimal(static_cast<long long>(id)), "seal " + std::to_string(id), body});
}

bool read_all(int fd, void* buf, size_t len) {
  auto* p = static_cast<char*>(buf);
  while (len > 0) {
    const ssize_t n = ::read(fd, p, len);
    if (n <= 0) return false;
    p += n;
    len -= static_cast<size_t>(n);
  }
  return true;
}

TEST(DbfCrash, KilledWhileAppendingKeepsEveryCommittedRecord) {
  for (uint32_t kill_after : {1u, 37u, 300u}) {
    SCOPED_TRACE("killed after " + std::to_string(kill_after) + " appends");
    test::TempDir dir;
    const auto path = dir / "crash.dbf";
    DbfFile::create(open_file_storage(path, FileOpen{true, true}), kFields, false);

    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    const pid_t child = test::start_child([&] {
      ::close(pipe_fds[0]);
      auto t = DbfFile::open(open_file_storage(path), false, {});
      for (uint32_t i = 1;; ++i) {
        const uint32_t recno = t->append_record(rec(i));
        t->unlock_record(recno);
        if (recno != i || ::write(pipe_fds[1], &recno, sizeof recno) != sizeof recno) return 1;
      }
    });
    ::close(pipe_fds[1]);
    uint32_t committed = 0, recno = 0;
    while (committed < kill_after && read_all(pipe_fds[0], &recno, sizeof recno)) committed = recno;
    ::kill(child, SIGKILL);
    EXPECT_EQ(test::wait_child(child), 128 + SIGKILL);
    while (read_all(pipe_fds[0], &recno, sizeof recno)) committed = recno;  // reported before the kill
    ::close(pipe_fds[0]);
    ASSERT_GE(committed, kill_after);

    Notices notices;
    auto t = DbfFile::open(open_file_storage(path), false, notices.sink());
    for (const auto& m : notices.messages) EXPECT_NE(m.find("crash.dbf"), std::string::npos) << m;
    const uint32_t count = t->record_count();
    EXPECT_GE(count, committed);
    EXPECT_LE(count, committed + 1);  // at most the one being written when killed
    unsigned char header_count[4];
    read_exact(t->storage(), 4, header_count, 4);
    EXPECT_EQ(get_u32(header_count), count) << "header not repaired";
    for (uint32_t r = 1; r <= count; ++r) ASSERT_EQ(t->read_record(r), rec(r)) << "record " << r;

    EXPECT_EQ(t->append_record(rec(count + 1)), count + 1);
    EXPECT_EQ(t->storage().size(), t->header_length() + uint64_t{count + 1} * t->record_length() + 1);
  }
}

}  // namespace
}  // namespace zelto::xbase
