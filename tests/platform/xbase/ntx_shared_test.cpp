// Two processes on one index file: the lock byte keeps a reader from seeing
// a half-written tree, and the version counter makes it drop stale pages.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "platform/xbase/error.hpp"
#include "platform/xbase/ntx_index.hpp"
#include "platform/xbase/ntx_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::test_key;
constexpr uint64_t kLockByte = 1'000'000'000ULL;

std::string key(int n) { return test_key(n, 13); }

TEST(NtxShared, AnotherProcessWritesWhileThisOneReads) {
  test::TempDir dir;
  const auto path = dir / "m206a.ntx";
  auto index = NtxIndex::create(open_file_storage(path, {true, true}), "C012", 13, 0, false, false, true);
  std::set<std::pair<std::string, uint32_t>> model;
  std::vector<IndexEntry> initial;
  for (int i = 0; i < 2000; ++i) initial.push_back({key(2 * i), static_cast<uint32_t>(i + 1)});
  index->build(initial);
  for (const auto& e : initial) model.insert({e.key, e.recno});
  // Cached pages and a cursor from before the other process writes.
  const auto anchor = index->seek(key(20));
  ASSERT_TRUE(anchor);
  ASSERT_EQ(index->check().size(), 2000u);
  const uint16_t version = index->header().version;

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    int status = 0;
    try {
      auto writer = NtxIndex::open(open_file_storage(path), true);
      for (int i = 0; i < 600; ++i) writer->insert(key(2 * i + 1), static_cast<uint32_t>(5000 + i));
      for (int i = 0; i < 300; ++i)
        if (!writer->remove(key(4 * i), static_cast<uint32_t>(2 * i + 1))) status = 2;
    } catch (...) {
      status = 1;
    }
    _exit(status);
  }

  // Every read while the other process writes sees a whole, ordered tree.
  int reads = 0, status = 0;
  for (;;) {
    pid_t done = waitpid(child, &status, WNOHANG);
    auto entries = index->check();
    EXPECT_GE(entries.size(), 1700u);
    EXPECT_LE(entries.size(), 2600u);
    ++reads;
    if (done == child) break;
  }
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_GT(reads, 1);

  for (int i = 0; i < 600; ++i) model.insert({key(2 * i + 1), static_cast<uint32_t>(5000 + i)});
  for (int i = 0; i < 300; ++i) model.erase({key(4 * i), static_cast<uint32_t>(2 * i + 1)});
  std::vector<IndexEntry> want;
  for (const auto& [k, r] : model) want.push_back({k, r});
  EXPECT_EQ(index->check(), want);
  EXPECT_EQ(index->header().version, static_cast<uint16_t>(version + 900));
  EXPECT_EQ(index->seek(key(1)), (IndexEntry{key(1), 5000}));
  auto it = model.upper_bound({anchor->key, anchor->recno});
  EXPECT_EQ(index->next(*anchor), (IndexEntry{it->first, it->second}));
}

TEST(NtxShared, AHeldLockIsWaitedForThenRefused) {
  test::TempDir dir;
  const auto path = dir / "m206a.ntx";
  auto index = NtxIndex::create(open_file_storage(path, {true, true}), "C012", 13, 0, false, false, true);
  index->insert(key(1), 1);
  index->set_lock_wait(30);
  auto other = open_file_storage(path);

  ASSERT_TRUE(other->try_lock(kLockByte, 1, LockKind::Shared));  // another reader
  EXPECT_TRUE(index->seek(key(1)));
  try {
    index->insert(key(2), 2);
    ADD_FAILURE() << "wrote under another program's read lock";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Locked);
    EXPECT_NE(std::string(e.what()).find("m206a.ntx"), std::string::npos);
  }
  other->unlock(kLockByte, 1);

  ASSERT_TRUE(other->try_lock(kLockByte, 1, LockKind::Exclusive));  // a writer
  try {
    index->seek(key(1));
    ADD_FAILURE() << "read under another program's write lock";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Locked);
  }
  // An index opened exclusive takes no locks at all.
  EXPECT_TRUE(NtxIndex::open(open_file_storage(path), false)->seek(key(1)));
  other->unlock(kLockByte, 1);

  index->insert(key(2), 2);
  EXPECT_EQ(index->check().size(), 2u);
}

}  // namespace
}  // namespace zelto::xbase
