// Tables damaged by crashes, copies and other writers: what can be mended is
// mended and reported, what cannot be a table is refused by name, and no
// input makes us read out of bounds.

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/dbf_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::all_bytes;
using test::memory_with;
using test::Notices;
using test::record_of;

const char* const kName = "m206.dbf";
// NAME C(10), QTY N(5): header 97 bytes, records 16 bytes.
constexpr size_t kHeader = 97;
constexpr size_t kRecord = 16;

std::string rec(int i) {
  return record_of({{"NAME", FieldType::Character, 10, 0, 1}, {"QTY", FieldType::Numeric, 5, 0, 11}},
                   {"item" + std::to_string(i), Decimal(i)});
}

// Three records and the end mark: 97 + 48 + 1 bytes.
std::string three_records() {
  auto t = DbfFile::create(make_memory_storage(kName),
                           {{"NAME", FieldType::Character, 10, 0}, {"QTY", FieldType::Numeric, 5, 0}}, true);
  for (int i = 1; i <= 3; ++i) t->append_record(rec(i));
  return all_bytes(t->storage());
}

void put16(std::string& b, size_t at, uint16_t v) { put_u16(reinterpret_cast<unsigned char*>(&b[at]), v); }
void put32(std::string& b, size_t at, uint32_t v) { put_u32(reinterpret_cast<unsigned char*>(&b[at]), v); }
uint32_t count_in_header(Storage& s) {
  unsigned char c[4];
  read_exact(s, 4, c, 4);
  return get_u32(c);
}

struct Case {
  const char* label;
  std::function<void(std::string&)> damage;
  // Empty: refused with Error(Damaged). Otherwise the records it opens with
  // and the words every notice must hold ("" for no notice at all).
  std::optional<uint32_t> records;
  std::vector<std::string> notice_words;
};

TEST(DbfDamage, EachHeaderIsMendedOrRefusedByName) {
  const std::vector<Case> cases = {
      {"header count behind the file", [](std::string& b) { put32(b, 4, 2); }, 3, {kName, "said 2", "holds 3", "repaired"}},
      {"header count ahead of the file", [](std::string& b) { put32(b, 4, 9); }, 3, {kName, "said 9", "holds 3", "repaired"}},
      {"no end mark", [](std::string& b) { b.pop_back(); }, 3, {}},
      {"part of a fourth record",
       [](std::string& b) {
         b.pop_back();
         b += rec(4).substr(0, 7);
       },
       3, {kName, "7 bytes after record 3"}},
      {"lone flag byte where the end mark goes", [](std::string& b) { b.back() = ' '; }, 3, {kName, "1 byte after record 3"}},
      {"version byte of another writer", [](std::string& b) { b[0] = 0x04; }, 3, {}},
      {"lower-case names with junk after the NUL",
       [](std::string& b) {
         b.replace(32, 11, std::string("name\0xyz\0\0\0\0", 11));
         b[64 + 1] = 't';
       },
       3, {}},
      {"0x00 after the 0x0D, header one longer",
       [](std::string& b) {
         b.insert(kHeader, 1, '\0');
         put16(b, 8, kHeader + 1);
       },
       3, {}},
      {"empty file", [](std::string& b) { b.clear(); }, {}, {}},
      {"shorter than the fixed header", [](std::string& b) { b.resize(20); }, {}, {}},
      {"cut inside the field list", [](std::string& b) { b.resize(60); }, {}, {}},
      {"header length too small for a field", [](std::string& b) { put16(b, 8, 40); }, {}, {}},
      {"header length cutting the second field", [](std::string& b) { put16(b, 8, 80); }, {}, {}},
      {"header length with no room for the 0x0D", [](std::string& b) { put16(b, 8, 96); }, {}, {}},
      {"header length past the end of the file", [](std::string& b) { put16(b, 8, 500); }, {}, {}},
      {"0x0D missing", [](std::string& b) { b[96] = 'A'; }, {}, {}},
      {"record length one too long", [](std::string& b) { put16(b, 10, kRecord + 1); }, {}, {}},
      {"record length zero", [](std::string& b) { put16(b, 10, 0); }, {}, {}},
      {"garbage type", [](std::string& b) { b[32 + 11] = 'X'; }, {}, {}},
      {"type byte zero", [](std::string& b) { b[64 + 11] = 0; }, {}, {}},
      {"character field of length 0", [](std::string& b) { b[32 + 16] = 0; }, {}, {}},
      {"numeric with decimals beyond its width", [](std::string& b) { b[64 + 17] = 5; }, {}, {}},
      {"name with control bytes", [](std::string& b) { b[33] = 0x07; }, {}, {}},
      {"name missing", [](std::string& b) { b[32] = 0; }, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::string bytes = three_records();
    c.damage(bytes);
    Notices notices;
    try {
      auto t = DbfFile::open(memory_with(bytes, kName), false, notices.sink());
      ASSERT_TRUE(c.records.has_value()) << "opened";
      EXPECT_EQ(t->record_count(), *c.records);
      EXPECT_EQ(count_in_header(t->storage()), *c.records);
      for (uint32_t r = 1; r <= *c.records; ++r) EXPECT_EQ(t->read_record(r).substr(11), rec(int(r)).substr(11));
      EXPECT_EQ(t->field_index("qty"), 1);
      if (c.notice_words.empty()) {
        EXPECT_TRUE(notices.messages.empty()) << notices.joined();
      } else {
        ASSERT_EQ(notices.messages.size(), 1u) << notices.joined();
        for (const auto& w : c.notice_words) EXPECT_NE(notices.messages[0].find(w), std::string::npos) << w;
      }
    } catch (const Error& e) {
      EXPECT_FALSE(c.records.has_value()) << e.what();
      EXPECT_EQ(e.kind(), ErrorKind::Damaged) << e.what();
      EXPECT_NE(std::string(e.what()).find(kName), std::string::npos) << e.what();
    }
  }
}

TEST(DbfDamage, PartialRecordIsReplacedByTheNextAppend) {
  std::string bytes = three_records();
  bytes.pop_back();
  bytes += rec(4).substr(0, 9);
  Notices notices;
  auto t = DbfFile::open(memory_with(bytes, kName), false, notices.sink());
  EXPECT_EQ(notices.messages.size(), 1u);
  EXPECT_EQ(t->append_record(rec(5)), 4u);
  const std::string after = all_bytes(t->storage());
  EXPECT_EQ(after.size(), kHeader + 4 * kRecord + 1);
  EXPECT_EQ(after.substr(kHeader + 3 * kRecord), rec(5) + "\x1A");
  EXPECT_EQ(t->read_record(3), rec(3));
  EXPECT_EQ(count_in_header(t->storage()), 4u);
}

// Random damage to the header and the end of the file: every outcome is a
// table that reads or an Error, never a crash or a read out of bounds (the
// sanitizer build watches that).
TEST(DbfDamage, RandomDamageNeverCrashes) {
  const std::string good = three_records();
  std::mt19937 rng(20261211);
  int opened = 0, refused = 0;
  for (int round = 0; round < 4000; ++round) {
    std::string b = good;
    const int hits = 1 + int(rng() % 4);
    for (int h = 0; h < hits; ++h) {
      const size_t at = rng() % (kHeader + 4);
      b[at] = static_cast<char>(rng() % 3 == 0 ? rng() % 256 : (uint8_t(b[at]) ^ (1u << (rng() % 8))));
    }
    if (rng() % 4 == 0) b.resize(rng() % b.size());
    try {
      auto t = DbfFile::open(memory_with(b, kName), false, {});
      const uint32_t n = t->record_count();
      std::string r;
      for (uint32_t i = 1; i <= n; ++i) {
        t->read_record(i, r);
        for (const FieldDef& f : t->fields()) {
          ASSERT_LE(f.offset + f.length, r.size());
          if (f.type != FieldType::Memo) decode_field(f, std::string_view(r).substr(f.offset, f.length));
        }
      }
      t->append_record(std::string(t->record_length(), ' '));
      EXPECT_EQ(t->record_count(), n + 1);
      ++opened;
    } catch (const Error& e) {
      EXPECT_TRUE(e.kind() == ErrorKind::Damaged) << e.what();
      ++refused;
    }
  }
  // Both outcomes happen, or the damage is not reaching the checks.
  EXPECT_GT(opened, 100);
  EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace zelto::xbase
