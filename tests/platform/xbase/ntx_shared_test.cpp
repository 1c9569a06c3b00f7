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

  // The writer reports every hundred changes and goes on at once, so the
  // reads below fall among its writes.
  int progress[2];
  ASSERT_EQ(pipe(progress), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(progress[0]);
    int status = 0;
    try {
      auto writer = NtxIndex::open(open_file_storage(path), true);
      for (int i = 0; i < 900; ++i) {
        if (i < 600) {
          writer->insert(key(2 * i + 1), static_cast<uint32_t>(5000 + i));
        } else if (!writer->remove(key(4 * (i - 600)), static_cast<uint32_t>(2 * (i - 600) + 1))) {
          status = 2;
        }
        if (i % 100 == 99 && write(progress[1], "x", 1) != 1) status = 3;
      }
    } catch (...) {
      status = 1;
    }
    _exit(status);
  }
  close(progress[1]);

  // Every read while the other process writes sees a whole, ordered tree.
  int reads = 0, status = 0;
  char byte;
  while (read(progress[0], &byte, 1) == 1) {
    auto entries = index->check();
    EXPECT_GE(entries.size(), 1700u);
    EXPECT_LE(entries.size(), 2600u);
    EXPECT_TRUE(index->seek(key(0)));
    ++reads;
  }
  close(progress[0]);
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(reads, 9);

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

TEST(NtxShared, AReadHoldKeepsWritersOutForOnePass) {
  test::TempDir dir;
  const auto path = dir / "m206a.ntx";
  auto index = NtxIndex::create(open_file_storage(path, {true, true}), "C012", 13, 0, false, false, true);
  for (int i = 0; i < 300; ++i) index->insert(key(i), static_cast<uint32_t>(i + 1));
  auto other = NtxIndex::open(open_file_storage(path), true);
  other->set_lock_wait(30);
  index->set_lock_wait(30);
  {
    NtxIndex::ReadHold hold(*index);
    NtxIndex::ReadHold nested(*index);
    size_t walked = 0;
    for (auto e = index->first(); e && walked <= 300; e = index->next(*e)) ++walked;
    EXPECT_EQ(walked, 300u);
    EXPECT_TRUE(other->seek(key(5)));  // readers share the pass
    EXPECT_THROW(other->insert(key(400), 400), Error);
    index->insert(key(401), 401);  // this handle writes, then holds shared again
    EXPECT_THROW(other->insert(key(402), 402), Error);
  }
  other->insert(key(403), 403);
  EXPECT_EQ(index->check().size(), 302u);
  EXPECT_EQ(index->seek(key(403)), (IndexEntry{key(403), 403}));
}

}  // namespace
}  // namespace zelto::xbase
