// Damaged headers and pages are reported as Error(Damaged) naming the file
// and the fault, never read out of bounds or followed round a cycle, and a
// rebuild mends them.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/xbase/error.hpp"
#include "platform/xbase/ntx_index.hpp"
#include "platform/xbase/ntx_test_support.hpp"

namespace zelto::xbase {
namespace {

using Bytes = std::vector<unsigned char>;

struct Tree {
  uint32_t root = 0, inner = 0, leaf = 0;  // the root, its first child, the leftmost leaf
};

uint32_t child0(const Bytes& b, uint32_t page) { return get_u32(&b[page + get_u16(&b[page + 2])]); }
unsigned char* item(Bytes& b, uint32_t page, int i) { return &b[page + get_u16(&b[page + 2 + 2 * i])]; }

Tree locate(const Bytes& b) {
  Tree t;
  t.root = get_u32(&b[4]);
  t.inner = child0(b, t.root);
  for (uint32_t p = t.root; p != 0; p = child0(b, p)) t.leaf = p;
  return t;
}

struct Case {
  const char* name;
  bool header;  // refused at open, else found by check()
  const char* says;
  std::function<void(Bytes&, const Tree&)> harm;
};

TEST(NtxDamage, HeadersAndPagesThatMakeNoSense) {
  test::TempDir dir;
  const auto path = dir / "m206a.ntx";
  std::vector<IndexEntry> entries;
  for (int i = 0; i < 1000; ++i) entries.push_back({test::test_key(i, 100), static_cast<uint32_t>(i + 1)});
  NtxIndex::create(open_file_storage(path, {true, true}), "C012", 100, 0, false, false, false)->build(entries);
  Bytes good;
  {
    auto s = open_file_storage(path);
    good.resize(s->size());
    s->read_at(0, good.data(), good.size());
  }
  const Tree tree = locate(good);
  ASSERT_NE(tree.inner, tree.leaf);  // three levels at least
  const auto size = static_cast<uint32_t>(good.size());

  const Case cases[] = {
      {"signature", true, "signature 7", [](Bytes& b, const Tree&) { put_u16(&b[0], 7); }},
      {"item size", true, "item size 50", [](Bytes& b, const Tree&) { put_u16(&b[12], 50); }},
      {"key size", true, "key size 0", [](Bytes& b, const Tree&) { put_u16(&b[14], 0); }},
      {"max items", true, "do not fit a page", [](Bytes& b, const Tree&) { put_u16(&b[18], 60); }},
      {"root unaligned", true, "root page offset 1500", [](Bytes& b, const Tree&) { put_u32(&b[4], 1500); }},
      {"root past end", true, "past the end", [&](Bytes& b, const Tree&) { put_u32(&b[4], size); }},
      {"cut short", true, "cut short", [](Bytes& b, const Tree&) { b.resize(300); }},
      {"count", false, "holds 9 entries", [](Bytes& b, const Tree& t) { put_u16(&b[t.root], 9); }},
      {"offset", false, "outside the page", [](Bytes& b, const Tree& t) { put_u16(&b[t.leaf + 2], 1020); }},
      {"child unaligned", false, "not on a page boundary",
       [](Bytes& b, const Tree& t) { put_u32(item(b, t.root, 0), t.inner + 1); }},
      {"child past end", false, "past the end",
       [&](Bytes& b, const Tree& t) { put_u32(item(b, t.inner, 1), size + 4096); }},
      {"mixed page", false, "mixes leaf entries and child pages",
       [](Bytes& b, const Tree& t) { put_u32(item(b, t.inner, 1), 0); }},
      {"order in a page", false, "entries out of order",
       [](Bytes& b, const Tree& t) {
         uint16_t a = get_u16(&b[t.leaf + 2]);
         put_u16(&b[t.leaf + 2], get_u16(&b[t.leaf + 4]));
         put_u16(&b[t.leaf + 4], a);
       }},
      {"order across pages", false, "out of order with the entries before it",
       [](Bytes& b, const Tree& t) {
         const int n = get_u16(&b[t.leaf]);
         std::memset(item(b, t.leaf, n - 1) + 8, 0xFF, 100);
       }},
      {"cycle", false, "reached twice", [](Bytes& b, const Tree& t) { put_u32(item(b, t.inner, 0), t.root); }},
      {"empty page", false, "empty page below the root", [](Bytes& b, const Tree& t) { put_u16(&b[t.leaf], 0); }},
      {"uneven leaves", false, "a leaf at another depth",
       [](Bytes& b, const Tree& t) { put_u32(item(b, t.root, 0), t.leaf); }},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = good;
    c.harm(bytes, tree);
    {
      auto s = open_file_storage(path, {true, true, true});
      s->write_at(0, bytes.data(), bytes.size());
    }
    auto says = [&](const std::function<void()>& run) {
      try {
        run();
        ADD_FAILURE() << "not reported";
      } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Damaged);
        std::string msg = e.what();
        EXPECT_NE(msg.find("m206a.ntx"), std::string::npos) << msg;
        EXPECT_NE(msg.find(c.says), std::string::npos) << msg;
      }
    };
    if (c.header) {
      says([&] { NtxIndex::open(open_file_storage(path), true); });
      continue;
    }
    auto index = NtxIndex::open(open_file_storage(path), true);
    says([&] { index->check(); });
    // Ordinary reads and writes either work or report the damage.
    auto tolerate = [](const std::function<void()>& run) {
      try {
        run();
      } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Damaged) << e.what();
      }
    };
    tolerate([&] {
      size_t steps = 0;
      for (auto e = index->first(); e && steps < 2000; e = index->next(*e)) ++steps;
    });
    tolerate([&] {
      size_t steps = 0;
      for (auto e = index->last(); e && steps < 2000; e = index->prev(*e)) ++steps;
    });
    for (int i = 0; i < 1000; i += 37) tolerate([&] { index->seek(test::test_key(i, 100)); });
    tolerate([&] { index->insert(test::test_key(5, 100), 9999); });
    tolerate([&] { index->remove(test::test_key(7, 100), 8); });
    // Reindexing mends it.
    index->build(entries);
    EXPECT_EQ(index->check().size(), entries.size());
  }
}

}  // namespace
}  // namespace zelto::xbase
