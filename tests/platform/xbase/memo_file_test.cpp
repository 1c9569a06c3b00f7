// The .dbt memo file: block allocation, rewriting in place, damaged chains,
// and two processes adding memos to one file.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "platform/xbase/error.hpp"
#include "platform/xbase/memo_file.hpp"
#include "platform/xbase/dbf_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::all_bytes;
using test::memory_with;
using test::Notices;

uint32_t next_free(Storage& s) {
  unsigned char b[4];
  read_exact(s, 0, b, 4);
  return get_u32(b);
}

std::string text_of(size_t n, char seed) {
  std::string t(n, ' ');
  for (size_t i = 0; i < n; ++i) t[i] = static_cast<char>('A' + (seed + i) % 26);
  return t;
}

TEST(MemoFile, BlocksAreAllocatedAfterTheLastMemo) {
  auto m = MemoFile::create(make_memory_storage("sale.dbt"));
  EXPECT_EQ(next_free(m->storage()), 1u);
  EXPECT_EQ(m->storage().size(), 512u);
  // 510 bytes and the two end marks fill one block exactly; 511 need two.
  const std::vector<std::pair<size_t, uint32_t>> sizes_and_blocks = {{5, 1}, {510, 2}, {511, 3}, {1500, 5}, {1, 8}};
  std::map<uint32_t, std::string> written;
  for (const auto& [size, block] : sizes_and_blocks) {
    const std::string t = text_of(size, static_cast<char>(block));
    EXPECT_EQ(m->write(t, 0), block) << size;
    written[block] = t;
  }
  EXPECT_EQ(next_free(m->storage()), 9u);
  EXPECT_EQ(m->storage().size(), 9u * 512);
  const std::string raw = all_bytes(m->storage());
  EXPECT_EQ(raw.substr(512, 7), written[1] + "\x1A\x1A");
  for (const auto& [block, t] : written) EXPECT_EQ(m->read(block), t) << block;
  EXPECT_EQ(m->read(0), "");
  EXPECT_EQ(m->write("", 3), 0u);
}

TEST(MemoFile, TextThatFitsItsBlocksStaysAndLongerTextMoves) {
  auto m = MemoFile::create(make_memory_storage("sale.dbt"));
  const uint32_t first = m->write(text_of(600, 1), 0);  // two blocks
  const uint32_t after = m->write("neighbour", 0);
  ASSERT_EQ(first, 1u);
  ASSERT_EQ(after, 3u);
  EXPECT_EQ(m->write(text_of(1022, 2), first), first);  // 1022 + 2 = the two blocks
  EXPECT_EQ(m->read(first), text_of(1022, 2));
  EXPECT_EQ(m->write("short", first), first);
  EXPECT_EQ(m->read(first), "short");
  // Now only the short text's own block is known to be its room.
  const uint32_t moved = m->write(text_of(900, 3), first);
  EXPECT_EQ(moved, 4u);
  EXPECT_EQ(next_free(m->storage()), 6u);
  EXPECT_EQ(m->read(moved), text_of(900, 3));
  EXPECT_EQ(m->read(after), "neighbour");
}

TEST(MemoFile, RefusesTextHoldingTheEndMark) {
  auto m = MemoFile::create(make_memory_storage("sale.dbt"));
  try {
    m->write(std::string("a\x1A" "b"), 0);
    FAIL() << "accepted";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::BadField);
  }
  // A 0x00 is ordinary data.
  const uint32_t b = m->write(std::string("x\0y", 3), 0);
  EXPECT_EQ(m->read(b), std::string("x\0y", 3));
}

// Files other programs wrote, or a crash cut short.
TEST(MemoFile, DamagedChainsAreReportedNotFollowedBlindly) {
  std::string two_memos(512, '\0');
  put_u32(reinterpret_cast<unsigned char*>(two_memos.data()), 3);
  two_memos += std::string("first\x1A\x1A", 7) + std::string(505, '\0');
  two_memos += "second without an end";

  Notices notices;
  auto m = MemoFile::open(memory_with(two_memos, "sale.dbt"), notices.sink());
  EXPECT_EQ(m->read(1), "first");
  EXPECT_TRUE(notices.messages.empty());
  EXPECT_EQ(m->read(2), "second without an end");
  ASSERT_EQ(notices.messages.size(), 1u);
  EXPECT_NE(notices.messages[0].find("sale.dbt"), std::string::npos);
  EXPECT_NE(notices.messages[0].find("no end mark"), std::string::npos);

  try {
    m->read(3);
    FAIL() << "block past the end accepted";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Damaged);
    EXPECT_NE(std::string(e.what()).find("sale.dbt"), std::string::npos);
  }
  // The unterminated memo's room is unknown, so its text is never rewritten
  // there, and the new memo goes after the end of the file.
  EXPECT_EQ(m->write("x", 2), 3u);
  EXPECT_EQ(m->read(1), "first");

  EXPECT_THROW(MemoFile::open(memory_with("\x01\x00", "tiny.dbt"), {}), Error);
}

TEST(MemoFile, AStaleOrWildHeaderNeverOverwritesAMemo) {
  // Header says block 1 is free, but a crash left a memo there after the
  // text was written and before the header was.
  auto m = MemoFile::create(make_memory_storage("sale.dbt"));
  const uint32_t kept = m->write("committed memo", 0);
  unsigned char one[4];
  put_u32(one, 1);
  m->storage().write_at(0, one, 4);
  EXPECT_EQ(m->write("new memo", 0), 2u);
  EXPECT_EQ(m->read(kept), "committed memo");
  EXPECT_EQ(next_free(m->storage()), 3u);

  // A header pointing far past the end would grow the file by gigabytes.
  unsigned char wild[4];
  put_u32(wild, 0x7FFFFFFF);
  m->storage().write_at(0, wild, 4);
  Notices notices;
  auto again = MemoFile::open(memory_with(all_bytes(m->storage()), "sale.dbt"), notices.sink());
  EXPECT_EQ(again->write("at the end", 0), 3u);
  EXPECT_EQ(notices.messages.size(), 1u);
}

TEST(MemoFile, LoneEndMarkOfAnotherWriterIsNotMistakenForRoom) {
  // A writer that ends memos with one 0x1A: the double mark after block 1 is
  // the next memo's. Rewriting block 1 in place with two blocks' worth of
  // text would destroy memo 2.
  std::string b(512, '\0');
  put_u32(reinterpret_cast<unsigned char*>(b.data()), 3);
  b += std::string("one\x1A", 4) + std::string(508, '\0');
  b += std::string("two\x1A\x1A", 5);
  auto m = MemoFile::open(memory_with(b, "other.dbt"), {});
  const uint32_t moved = m->write(text_of(600, 5), 1);
  EXPECT_NE(moved, 1u);
  EXPECT_EQ(m->read(2), "two");
}

TEST(MemoFile, AbsurdChainIsCappedAsDamage) {
  std::string b(512, '\0');
  put_u32(reinterpret_cast<unsigned char*>(b.data()), 2);
  b.resize(512 + kMaxMemoLength + 4096, 'z');
  auto m = MemoFile::open(memory_with(b, "huge.dbt"), {});
  try {
    m->read(1);
    FAIL() << "read a chain past the cap";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Damaged);
  }
  EXPECT_THROW(m->write(std::string(kMaxMemoLength + 1, 'a'), 0), Error);
}

TEST(MemoFile, FieldBytesNameTheBlock) {
  EXPECT_EQ(format_memo_block(0), "          ");
  EXPECT_EQ(format_memo_block(42), "        42");
  EXPECT_EQ(format_memo_block(4294967295u), "4294967295");
  const std::vector<std::pair<std::string, uint32_t>> good = {
      {"          ", 0}, {std::string(10, '\0'), 0}, {"        42", 42}, {"0000000042", 42}, {"4294967295", 4294967295u}};
  for (const auto& [bytes, block] : good) EXPECT_EQ(parse_memo_block(bytes), block) << bytes;
  for (const std::string bad : {"      4 2 ", "       -42", "4294967296", "   abc    "}) {
    EXPECT_THROW(parse_memo_block(bad), Error) << bad;
  }
}

// Two processes adding memos at once each take the .dbt's lock, read the
// next free block under it and never hand out the same block twice.
TEST(MemoFile, TwoProcessesNeverShareBlocks) {
  test::TempDir dir;
  const auto path = dir / "shared.dbt";
  MemoFile::create(open_file_storage(path, FileOpen{true, true}));
  constexpr int kEach = 120;
  test::StartingLine start;
  auto writer = [&](char tag) {
    return [&, tag] {
      auto m = MemoFile::open(open_file_storage(path), {});
      start.wait();
      std::string log;
      for (int i = 0; i < kEach; ++i) {
        const std::string t = std::string(1, tag) + text_of(100 + 37 * size_t(i), static_cast<char>(i));
        log += std::to_string(m->write(t, 0)) + "\n";
      }
      std::ofstream(dir / (std::string(1, tag) + ".log")) << log;
      return 0;
    };
  };
  const pid_t a = test::start_child(writer('a'));
  const pid_t b = test::start_child(writer('b'));
  start.release();
  ASSERT_EQ(test::wait_child(a), 0);
  ASSERT_EQ(test::wait_child(b), 0);

  auto m = MemoFile::open(open_file_storage(path), {});
  std::set<uint32_t> blocks;
  for (char tag : {'a', 'b'}) {
    std::ifstream log(dir / (std::string(1, tag) + ".log"));
    uint32_t block = 0;
    for (int i = 0; i < kEach; ++i) {
      ASSERT_TRUE(log >> block);
      EXPECT_TRUE(blocks.insert(block).second) << "block " << block << " given twice";
      EXPECT_EQ(m->read(block), std::string(1, tag) + text_of(100 + 37 * size_t(i), static_cast<char>(i)));
    }
  }
}

}  // namespace
}  // namespace zelto::xbase
