// Our tables read by independent readers (Python's dbfread and dbf), and
// tables written by an independent writer (Python's dbf) read by us.

#include <gtest/gtest.h>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/memo_file.hpp"
#include "platform/xbase/dbf_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::Notices;
using test::run_python;

std::vector<FieldDef> sale_fields() {
  return {{"NAME", FieldType::Character, 12, 0}, {"SEAL", FieldType::Character, 1200, 0},
          {"PRICE", FieldType::Numeric, 12, 2},  {"QTY", FieldType::Numeric, 6, 0},
          {"SOLD", FieldType::Date, 8, 0},       {"PAID", FieldType::Logical, 1, 0},
          {"NOTE", FieldType::Memo, 10, 0}};
}

std::string hex(std::string_view bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

const std::string kName1 = std::string("Caf\xE9 \0x", 7);  // Windows-1252 and a NUL inside
const std::string kSeal1 = std::string(1199, 'a') + "Z";
const std::string kNote1 = "first line\r\nsecond";
const std::string kNote3 = std::string(1500, 'n') + "end";

TEST(DbfInterop, IndependentReadersReadOurTables) {
  test::TempDir dir;
  {
    auto t = DbfFile::create(open_file_storage(dir / "sale.dbf", FileOpen{true, true}), sale_fields(), false);
    auto memo = MemoFile::create(open_file_storage(dir / "sale.dbt", FileOpen{true, true}));
    auto rec = [&](const std::string& name, const std::string& seal, Decimal price, Decimal qty, Date sold, bool paid,
                   const std::string& note, bool deleted) {
      std::string r = test::record_of(
          t->fields(), {name, seal, price, qty, sold, paid, format_memo_block(memo->write(note, 0))}, deleted);
      t->unlock_record(t->append_record(r));
    };
    rec(kName1, kSeal1, Decimal::from_units(-123456, 2), Decimal(-42), *Date::ymd(2026, 12, 11), true, kNote1, false);
    rec("gone", "s", Decimal::from_units(5, 1), Decimal(0), Date{}, false, "", true);
    rec("", "", Decimal::from_units(9999999999, 2), Decimal(999999), *Date::ymd(1999, 1, 31), false, kNote3, false);
  }

  const std::string script = R"(
import dbf
from dbfread import DBF
path = ')" + (dir / "sale.dbf").string() + R"('
def show(v):
    if isinstance(v, str): return 'S:' + v.encode('cp1252').hex()
    if isinstance(v, bool) or v is None: return repr(v)
    if isinstance(v, (int, float)): return type(v).__name__ + ':' + repr(v)
    return 'D:' + v.isoformat()
t = DBF(path, encoding='cp1252', char_decode_errors='strict')
h = t.header
print('header', h.dbversion, h.numrecords, h.headerlen, h.recordlen)
for f in t.fields: print('field', f.name, f.type, f.length, f.decimal_count)
for r in t: print('live', ' '.join(show(v) for v in r.values()))
for r in t.deleted: print('deleted', ' '.join(show(v) for v in r.values()))
c = dbf.Table(path, dbf_type='clp', codepage='cp1252')
c.open()
print('dbf', len(c), c.record_length, [dbf.is_deleted(r) for r in c], [len(r.seal) for r in c], c[2].note == 'n' * 1500 + 'end')
)";
  std::string expected =
      "header 131 3 " + std::to_string(32 + 7 * 32 + 1) + " " + std::to_string(1 + 12 + 1200 + 12 + 6 + 8 + 1 + 10) +
      "\n"
      "field NAME C 12 0\nfield SEAL C 1200 0\nfield PRICE N 12 2\nfield QTY N 6 0\n"
      "field SOLD D 8 0\nfield PAID L 1 0\nfield NOTE M 10 0\n";
  // dbfread drops trailing blanks and NULs of C fields, not the NUL inside.
  expected += "live S:" + hex(kName1) + " S:" + hex(kSeal1) + " float:-1234.56 int:-42 D:2026-12-11 True S:" +
              hex(kNote1) + "\n";
  expected += "live S: S: float:99999999.99 int:999999 D:1999-01-31 False S:" + hex(kNote3) + "\n";
  expected += "deleted S:" + hex("gone") + " S:73 float:0.5 int:0 None False None\n";
  expected += "dbf 3 1250 [False, True, False] [1200, 1200, 1200] True\n";

  int status = -1;
  const std::string out = run_python(dir, script, status);
  EXPECT_EQ(status, 0) << out;
  EXPECT_EQ(out, expected);
}

TEST(DbfInterop, WeReadTablesAnIndependentWriterMade) {
  test::TempDir dir;
  const std::string script = R"(
import dbf, datetime
t = dbf.Table(')" + (dir / "back.dbf").string() +
                             R"(', 'NAME C(12); SEAL C(1200); PRICE N(12,2); QTY N(6,0); SOLD D; PAID L; NOTE M',
              dbf_type='clp', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('Caf\u00e9', 'a' * 1199 + 'Z', -1234.56, -42, datetime.date(2026, 12, 11), True, 'first line\r\nsecond'))
t.append(('gone', 's', 0.5, 0, None, False, ''))
t.append(('x', '', 99999999.99, 999999, datetime.date(1999, 1, 31), None, 'n' * 1500 + 'end'))
dbf.delete(t[1])
t.close()
print('written')
)";
  int status = -1;
  const std::string out = run_python(dir, script, status);
  ASSERT_EQ(status, 0) << out;
  ASSERT_EQ(out, "written\n");

  Notices notices;
  auto t = DbfFile::open(open_file_storage(dir / "back.dbf"), false, notices.sink());
  auto memo = MemoFile::open(open_file_storage(dir / "back.dbt"), notices.sink());
  EXPECT_TRUE(notices.messages.empty()) << notices.joined();
  EXPECT_EQ(t->version_byte(), 0x83);
  ASSERT_EQ(t->fields().size(), 7u);
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(t->fields()[i].name, sale_fields()[i].name);
    EXPECT_EQ(t->fields()[i].type, sale_fields()[i].type);
    EXPECT_EQ(t->fields()[i].length, sale_fields()[i].length);
    EXPECT_EQ(t->fields()[i].decimals, sale_fields()[i].decimals);
  }
  ASSERT_EQ(t->record_count(), 3u);

  auto values = [&](uint32_t recno) {
    const std::string r = t->read_record(recno);
    std::vector<Value> v;
    for (const FieldDef& f : t->fields()) {
      const std::string_view bytes = std::string_view(r).substr(f.offset, static_cast<size_t>(f.length));
      v.push_back(f.type == FieldType::Memo ? Value(memo->read(parse_memo_block(bytes))) : decode_field(f, bytes));
    }
    return std::make_pair(r[0], v);
  };
  auto pad = [](std::string s, size_t n) {
    s.resize(n, ' ');
    return s;
  };
  using V = std::vector<Value>;
  const std::vector<std::pair<char, V>> expected = {
      {' ', V{pad("Caf\xE9", 12), kSeal1, Decimal::from_units(-123456, 2), Decimal(-42), *Date::ymd(2026, 12, 11), true,
              kNote1}},
      {'*', V{pad("gone", 12), pad("s", 1200), Decimal::from_units(5, 1), Decimal(0), Date{}, false, std::string()}},
      // The writer's unknown logical ('?') reads as false.
      {' ', V{pad("x", 12), pad("", 1200), Decimal::from_units(9999999999, 2), Decimal(999999), *Date::ymd(1999, 1, 31),
              false, kNote3}},
  };
  for (uint32_t r = 1; r <= 3; ++r) EXPECT_EQ(values(r), expected[r - 1]) << "record " << r;

  // Adding a record to their table keeps it theirs: the other reader still
  // sees every record.
  auto more = t->fields();
  t->unlock_record(t->append_record(test::record_of(
      more, {std::string("new"), std::string("b"), Decimal(1), Decimal(2), Date{}, true, format_memo_block(0)})));
  const std::string check = R"(
import dbf
c = dbf.Table(')" + (dir / "back.dbf").string() + R"(', dbf_type='clp', codepage='cp1252')
c.open()
print(len(c), [r.name.strip().encode('cp1252').hex() for r in c], c[0].note == 'first line\r\nsecond')
)";
  EXPECT_EQ(run_python(dir, check, status), "4 ['" + hex("Caf\xE9") + "', '" + hex("gone") + "', '" + hex("x") + "', '" +
                                                hex("new") + "'] True\n");
}

}  // namespace
}  // namespace zelto::xbase
