// Field layout, the bytes of a new table's header, and records read and
// written through a table held in memory.

#include <gtest/gtest.h>

#include <ctime>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/dbf_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::all_bytes;
using test::record_of;

std::vector<FieldDef> sale_fields() {
  return {{"code", FieldType::Character, 13, 0},  {"SEAL", FieldType::Character, 1200, 0},
          {"PRICE", FieldType::Numeric, 12, 2},   {"WHEN", FieldType::Date, 8, 0},
          {"OK", FieldType::Logical, 1, 0},       {"NOTE", FieldType::Memo, 10, 0}};
}

const unsigned char* at(const std::string& bytes, size_t pos) {
  return reinterpret_cast<const unsigned char*>(bytes.data()) + pos;
}

TEST(DbfLayout, OffsetsAndLengthsFollowTheFields) {
  Layout l = make_layout(sale_fields());
  std::vector<uint32_t> offsets;
  for (const auto& f : l.fields) offsets.push_back(f.offset);
  EXPECT_EQ(offsets, (std::vector<uint32_t>{1, 14, 1214, 1226, 1234, 1235}));
  EXPECT_EQ(l.fields[0].name, "CODE");
  EXPECT_EQ(l.record_length, 1245);
  EXPECT_EQ(l.header_length, 32 + 6 * 32 + 1);
}

TEST(DbfLayout, RefusesFieldListsNoTableCanHave) {
  const FieldDef c{"A", FieldType::Character, 10, 0};
  const std::vector<std::pair<const char*, std::vector<FieldDef>>> cases = {
      {"no fields", {}},
      {"duplicate name, other case", {c, {"a", FieldType::Numeric, 5, 0}}},
      {"name starting with a digit", {{"1A", FieldType::Character, 5, 0}}},
      {"name with a hyphen", {{"A-B", FieldType::Character, 5, 0}}},
      {"name of 11 characters", {{"ABCDEFGHIJK", FieldType::Character, 5, 0}}},
      {"empty name", {{"", FieldType::Character, 5, 0}}},
      {"too many decimals", {{"N", FieldType::Numeric, 4, 3}}},
      {"date of 6 bytes", {{"D", FieldType::Date, 6, 0}}},
      {"record over 65535 bytes",
       {{"X", FieldType::Character, 65535, 0}, {"Y", FieldType::Character, 1, 0}}},
  };
  for (const auto& [label, fields] : cases) {
    try {
      make_layout(fields);
      ADD_FAILURE() << label << ": accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), ErrorKind::BadField) << label << ": " << e.what();
    }
  }
}

TEST(DbfLayout, NewTableHeaderHasTheDbaseBytes) {
  auto table = DbfFile::create(make_memory_storage("sale.dbf"), sale_fields(), true);
  const std::string b = all_bytes(table->storage());
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);

  ASSERT_EQ(b.size(), 225u + 1);
  EXPECT_EQ(*at(b, 0), 0x83);  // memo fields present
  EXPECT_EQ(*at(b, 1), today.tm_year);
  EXPECT_EQ(*at(b, 2), today.tm_mon + 1);
  EXPECT_EQ(*at(b, 3), today.tm_mday);
  EXPECT_EQ(get_u32(at(b, 4)), 0u);
  EXPECT_EQ(get_u16(at(b, 8)), 225);
  EXPECT_EQ(get_u16(at(b, 10)), 1245);
  EXPECT_EQ(b.substr(32, 11), std::string("CODE\0\0\0\0\0\0\0", 11));
  EXPECT_EQ(b[32 + 11], 'C');
  // SEAL: 1200 = 4 * 256 + 176, the high byte in the decimals place.
  EXPECT_EQ(b[64 + 11], 'C');
  EXPECT_EQ(*at(b, 64 + 16), 176);
  EXPECT_EQ(*at(b, 64 + 17), 4);
  EXPECT_EQ(*at(b, 96 + 16), 12);
  EXPECT_EQ(*at(b, 96 + 17), 2);
  EXPECT_EQ(b[192 + 11], 'M');
  EXPECT_EQ(*at(b, 224), 0x0D);
  EXPECT_EQ(*at(b, 225), 0x1A);

  auto plain = DbfFile::create(make_memory_storage("p.dbf"), {{"A", FieldType::Character, 1, 0}}, true);
  EXPECT_EQ(all_bytes(plain->storage())[0], 0x03);
}

TEST(DbfLayout, RecordsRoundTripAndEndWithTheMark) {
  auto table = DbfFile::create(make_memory_storage("sale.dbf"), sale_fields(), true);
  const auto& f = table->fields();
  const std::string seal = std::string(1199, 's') + "!";
  const std::string r1 = record_of(f, {std::string("789100", 6), seal, Decimal::from_units(-1234, 2),
                                       *Date::ymd(2026, 12, 11), true, std::string("         7")});
  const std::string r2 = record_of(f, {std::string("a\0b", 3), std::string(), Decimal(5), Date{}, false,
                                       std::string(10, ' ')},
                                   true);
  EXPECT_EQ(table->append_record(r1), 1u);
  EXPECT_EQ(table->append_record(r2), 2u);
  EXPECT_EQ(table->record_count(), 2u);
  EXPECT_EQ(table->read_record(1), r1);
  EXPECT_EQ(table->read_record(2), r2);
  EXPECT_EQ(table->read_record(2).substr(f[0].offset, 3), std::string("a\0b", 3));

  const std::string b = all_bytes(table->storage());
  EXPECT_EQ(b.size(), 225u + 2 * 1245 + 1);
  EXPECT_EQ(b.back(), 0x1A);
  EXPECT_EQ(get_u32(at(b, 4)), 2u);

  EXPECT_EQ(table->field_index("price"), 2);
  EXPECT_EQ(table->field_index("Seal"), 1);
  EXPECT_EQ(table->field_index("PRICE2"), -1);

  std::string changed = r1;
  changed[0] = '*';
  table->write_record(1, changed);
  EXPECT_EQ(table->read_record(1), changed);

  auto expect_usage = [](const char* label, auto&& call) {
    try {
      call();
      ADD_FAILURE() << label << ": accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), ErrorKind::Usage) << label;
    }
  };
  expect_usage("read record 0", [&] { table->read_record(0); });
  expect_usage("read past the end", [&] { table->read_record(3); });
  expect_usage("write past the end", [&] { table->write_record(3, r1); });
  expect_usage("short record", [&] { table->write_record(1, r1.substr(1)); });
  expect_usage("bad flag", [&] { table->append_record("X" + r1.substr(1)); });

  table->truncate_records(1);
  const std::string cut = all_bytes(table->storage());
  EXPECT_EQ(cut.size(), 225u + 1245 + 1);
  EXPECT_EQ(cut.back(), 0x1A);
  EXPECT_EQ(get_u32(at(cut, 4)), 1u);
  EXPECT_EQ(table->record_count(), 1u);

  // Read back from the bytes alone: the long field's length survives.
  auto again = DbfFile::open(test::memory_with(cut), false, {});
  EXPECT_EQ(again->fields()[1].length, 1200);
  EXPECT_EQ(again->fields()[2].decimals, 2);
  EXPECT_EQ(again->read_record(1), changed);
}

}  // namespace
}  // namespace zelto::xbase
