// The reindex path against incremental insertion, the header it writes, and
// pages laid out the way other writers may lay them out.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>

#include "platform/xbase/error.hpp"
#include "platform/xbase/ntx_index.hpp"
#include "platform/xbase/ntx_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::read_raw;
using test::test_key;

std::vector<IndexEntry> shuffled_entries(int count, int key_size, unsigned seed) {
  std::vector<IndexEntry> out;
  std::mt19937 rng(seed);
  for (int i = 0; i < count; ++i)  // some keys twice, with other records
    out.push_back({test_key(static_cast<int>(rng() % static_cast<unsigned>(count + 1)), key_size),
                   static_cast<uint32_t>(i + 1)});
  std::shuffle(out.begin(), out.end(), rng);
  return out;
}

std::vector<IndexEntry> sorted(std::vector<IndexEntry> v) {
  std::sort(v.begin(), v.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return a.key != b.key ? a.key < b.key : a.recno < b.recno;
  });
  return v;
}

TEST(NtxBuild, MatchesIncrementalInsertsAtEverySize) {
  for (int key_size : {10, 100, 250}) {
    const int m = new_header("K", key_size, 0, false, false).max_items;
    for (int count : {0, 1, m, m + 1, 2 * m + 1, 2 * m + 2, (m + 1) * (m + 1) - 1, (m + 1) * (m + 1), 1500}) {
      SCOPED_TRACE("key size " + std::to_string(key_size) + ", " + std::to_string(count) + " entries");
      auto entries = shuffled_entries(count, key_size, static_cast<unsigned>(count));
      auto built = NtxIndex::create(make_memory_storage("b.ntx"), "K", key_size, 0, false, false, false);
      auto grown = NtxIndex::create(make_memory_storage("g.ntx"), "K", key_size, 0, false, false, false);
      built->build(entries);
      for (const auto& e : entries) grown->insert(e.key, e.recno);

      const auto want = sorted(entries);
      ASSERT_EQ(built->check(), want);
      ASSERT_EQ(grown->check(), want);
      auto raw = read_raw(built->storage());
      EXPECT_EQ(raw.entries, want);
      if (raw.depth > 1) {
        EXPECT_GE(raw.fewest_below, m / 2);
      }
      // Bulk-built pages are nearly full.
      if (count >= 10 * (m + 1)) {
        EXPECT_GE(count, raw.pages * m * 3 / 4);
      }
    }
  }
}

TEST(NtxBuild, BuiltTreeTakesChangesAndReopens) {
  test::TempDir dir;
  const auto path = dir / "m206a.ntx";
  auto entries = shuffled_entries(3000, 13, 3);
  std::set<std::pair<std::string, uint32_t>> model;
  for (const auto& e : entries) model.insert({e.key, e.recno});
  {
    auto index = NtxIndex::create(open_file_storage(path, {true, true}), "C012", 13, 0, false, false, true);
    // A rebuild replaces what was there, and the file shrinks to fit.
    index->build(shuffled_entries(6000, 13, 4));
    index->build(entries);
    EXPECT_EQ(index->storage().size(), 1024u * (1 + static_cast<uint64_t>(read_raw(index->storage()).pages)));
    std::mt19937 rng(9);
    for (int i = 0; i < 800; ++i) {
      std::string k = test_key(static_cast<int>(rng() % 4000), 13);
      auto r = static_cast<uint32_t>(rng() % 5000);
      if (i % 2) {
        index->insert(k, r);
        model.insert({k, r});
      } else {
        auto it = model.lower_bound({k, 0});
        if (it == model.end()) continue;
        EXPECT_TRUE(index->remove(it->first, it->second));
        model.erase(it);
      }
    }
  }
  auto index = NtxIndex::open(open_file_storage(path), true);
  EXPECT_EQ(index->header().expression, "C012");
  std::vector<IndexEntry> want;
  for (const auto& [k, r] : model) want.push_back({k, r});
  EXPECT_EQ(index->check(), want);
  for (size_t i = 0; i < want.size(); i += 97) {
    size_t first = i;  // a seek finds the first record of a key
    while (first > 0 && want[first - 1].key == want[i].key) --first;
    EXPECT_EQ(index->seek(want[i].key), want[first]);
  }
}

TEST(NtxHeader, NewHeadersFollowThePageArithmetic) {
  struct Case {
    int key_size, max_items, half;
  };
  for (const Case& c : {Case{1, 90, 45}, Case{8, 54, 27}, Case{10, 50, 25}, Case{13, 42, 21}, Case{250, 2, 1},
                        Case{256, 2, 1}}) {
    NtxHeader h = new_header("C012", c.key_size, 0, false, false);
    EXPECT_EQ(h.max_items, c.max_items) << c.key_size;
    EXPECT_EQ(h.half_page, c.half) << c.key_size;
    EXPECT_EQ(h.item_size, c.key_size + 8);
  }
}

TEST(NtxHeader, FileHeaderBytesAndVersionCounter) {
  auto index = NtxIndex::create(make_memory_storage("h.ntx"), "C030 + DToS( C262 )", 13, 2, true, true, false);
  unsigned char b[1024];
  ASSERT_EQ(index->storage().read_at(0, b, sizeof b), sizeof b);
  EXPECT_EQ(get_u16(b), 6);
  EXPECT_EQ(get_u32(b + 4), 1024u);  // the empty root
  EXPECT_EQ(get_u32(b + 8), 0u);
  EXPECT_EQ(get_u16(b + 12), 21);
  EXPECT_EQ(get_u16(b + 14), 13);
  EXPECT_EQ(get_u16(b + 16), 2);
  EXPECT_EQ(get_u16(b + 18), 42);
  EXPECT_EQ(get_u16(b + 20), 21);
  EXPECT_STREQ(reinterpret_cast<const char*>(b + 22), "C030 + DToS( C262 )");
  EXPECT_EQ(b[278], 1);
  EXPECT_EQ(b[280], 1);

  auto version = [&] {
    unsigned char v[2];
    index->storage().read_at(2, v, 2);
    return get_u16(v);
  };
  const uint16_t v0 = version();
  index->insert("ABCDEFGHIJKLM", 1);
  EXPECT_EQ(version(), v0 + 1);
  index->remove("ABCDEFGHIJKLM", 1);
  EXPECT_EQ(version(), v0 + 2);
  index->remove("ABCDEFGHIJKLM", 1);  // nothing to remove: nothing written
  EXPECT_EQ(version(), v0 + 2);
  index->build({});
  EXPECT_EQ(version(), v0 + 3);
}

// Writers may put entries in any slot and leave the free part of the offsets
// table unset; the order is the offsets table's, not the slots'.
TEST(NtxPages, ForeignSlotLayoutsAreReadAndUpdated) {
  test::TempDir dir;
  const auto path = dir / "f.ntx";
  auto entries = shuffled_entries(900, 20, 11);
  NtxIndex::create(open_file_storage(path, {true, true}), "K", 20, 0, false, false, false)->build(entries);
  {
    auto s = open_file_storage(path);
    const int max = new_header("K", 20, 0, false, false).max_items, item = 28;
    const int first_slot = 2 + 2 * (max + 1);
    std::vector<unsigned char> page(1024);
    int layout = 0;
    for (uint64_t off = 1024; off < s->size(); off += 1024, ++layout) {
      s->read_at(off, page.data(), 1024);
      const int n = get_u16(page.data());
      std::vector<unsigned char> copy(1024, 0xEE);
      std::memcpy(copy.data(), page.data(), 2);
      for (int i = 0; i <= n; ++i) {
        // Entry i goes to slot max - i: reversed against the order.
        const int to = first_slot + (max - i) * item;
        std::memcpy(&copy[static_cast<size_t>(to)], &page[get_u16(&page[2 + 2 * static_cast<size_t>(i)])],
                    static_cast<size_t>(item));
        put_u16(&copy[2 + 2 * static_cast<size_t>(i)], static_cast<uint16_t>(to));
      }
      for (int i = n + 1; i <= max; ++i)  // free part: unset on half the pages, a true permutation on the rest
        put_u16(&copy[2 + 2 * static_cast<size_t>(i)],
                static_cast<uint16_t>(layout % 2 ? 0 : first_slot + (max - i) * item));
      s->write_at(off, copy.data(), 1024);
    }
  }
  auto index = NtxIndex::open(open_file_storage(path), false);
  std::set<std::pair<std::string, uint32_t>> model;
  for (const auto& e : entries) model.insert({e.key, e.recno});
  ASSERT_EQ(index->check(), sorted(entries));
  std::mt19937 rng(2);
  for (int i = 0; i < 600; ++i) {
    std::string k = test_key(static_cast<int>(rng() % 1000), 20);
    if (i % 2) {
      index->insert(k, 7000 + static_cast<uint32_t>(i));
      model.insert({k, 7000 + static_cast<uint32_t>(i)});
    } else if (auto it = model.lower_bound({k, 0}); it != model.end()) {
      EXPECT_TRUE(index->remove(it->first, it->second));
      model.erase(it);
    }
  }
  std::vector<IndexEntry> want;
  for (const auto& [k, r] : model) want.push_back({k, r});
  EXPECT_EQ(index->check(), want);
  EXPECT_EQ(read_raw(index->storage()).entries, want);
}

}  // namespace
}  // namespace zelto::xbase
