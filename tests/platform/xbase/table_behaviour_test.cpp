// What the system's operations rely on from a work area: seeks of every key
// kind, the deleted rule, filters and relations, locks on shared tables,
// memo fields, temporary tables, and names found in any case.

#include <gtest/gtest.h>

#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/workspace.hpp"
#include "support/temp_dir.hpp"

namespace zelto::xbase {
namespace {

using runtime::Date;
using runtime::Decimal;

FieldDef C(const char* n, int len) { return {n, FieldType::Character, len, 0, 0}; }
FieldDef N(const char* n, int len, int dec) { return {n, FieldType::Numeric, len, dec, 0}; }
FieldDef D(const char* n) { return {n, FieldType::Date, 8, 0, 0}; }
FieldDef M(const char* n) { return {n, FieldType::Memo, 10, 0, 0}; }

class TableBehaviour : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::vector<std::string> notices;
  Workspace ws{{dir.path(), true, [this](const std::string& m) { notices.push_back(m); }}};

  // Receipt lines: establishment, ECF, receipt number, date, sequence, amount.
  Table& receipts(OpenMode mode = OpenMode::Exclusive) {
    if (!std::filesystem::exists(dir / "m337.dbf"))
      ws.create("M337", {C("C037", 2), C("C123", 3), C("C125", 8), D("C402"), C("C403", 8), N("C136", 8, 0),
                         N("C130", 12, 2)});
    return ws.use("M337.DBF", "PC", mode,
                  {{"M337A.NTX", "c037+c123+c125+dtos(c402)+c403"},
                   {"M337B.NTX", "c037+c123+c125+dtos(c402)+c403+Strzero(c136,8)"},
                   {"M337C.NTX", "C130"}});
  }

  static void add(Table& t, const char* coo, int day, int seq, const char* amount) {
    t.append_blank();
    t.put("C037", "01");
    t.put("C123", "001");
    t.put("C125", coo);
    t.put("C402", *Date::ymd(2026, 12, day));
    t.put("C403", "10:00:00");
    t.put("C136", seq);
    t.put("C130", Decimal::of(amount));
    t.unlock();
  }
};

TEST_F(TableBehaviour, SeeksByPrefixWholeKeySoftAndLast) {
  Table& t = receipts();
  add(t, "00000010", 11, 1, "10.00");
  add(t, "00000010", 11, 2, "-2.50");
  add(t, "00000012", 11, 1, "7.35");
  add(t, "00000013", 12, 1, "0.00");

  EXPECT_TRUE(t.seek("01001"));  // prefix of every key: the first one
  EXPECT_EQ(t.recno(), 1u);
  t.set_order(2);
  EXPECT_TRUE(t.seek("0100100000010", false, /*last=*/true));
  EXPECT_EQ(t.number("C136"), Decimal(2));
  EXPECT_FALSE(t.seek("0100100000011"));
  EXPECT_TRUE(t.eof());
  EXPECT_FALSE(t.seek("0100100000011", /*soft=*/true));
  EXPECT_EQ(t.text("C125"), "00000012");  // the next greater key

  // A numeric order sorts negatives first and is sought by value.
  t.set_order(3);
  t.go_top();
  EXPECT_EQ(t.number("C130"), Decimal::of("-2.50"));
  EXPECT_TRUE(t.seek(Decimal::of("7.35")));
  EXPECT_EQ(t.text("C125"), "00000012");
  EXPECT_FALSE(t.seek(Decimal::of("7.3")));
}

TEST_F(TableBehaviour, DeletedRecordsAreInvisibleUnlessAsked) {
  Table& t = receipts();
  add(t, "00000001", 1, 1, "1");
  add(t, "00000002", 1, 1, "2");
  add(t, "00000003", 1, 1, "3");
  t.go_to(2);
  t.delete_record();
  std::vector<std::string> seen;
  for (t.go_top(); !t.eof(); t.skip()) seen.push_back(t.text("C125"));
  EXPECT_EQ(seen, (std::vector<std::string>{"00000001", "00000003"}));
  EXPECT_FALSE(t.seek("0100100000002"));
  ws.close_all();

  Workspace all{{dir.path(), false, nullptr}};
  Table& raw = all.use("m337", "PC", OpenMode::Shared, {{"m337a", ""}});
  int count = 0;
  for (raw.go_top(); !raw.eof(); raw.skip()) ++count;
  EXPECT_EQ(count, 3);
  EXPECT_TRUE(raw.seek("0100100000002"));
  EXPECT_TRUE(raw.deleted());
}

TEST_F(TableBehaviour, FilterAndRelation) {
  Table& lines = receipts();
  add(lines, "00000001", 1, 1, "5");
  add(lines, "00000002", 1, 1, "50");
  add(lines, "00000003", 1, 1, "500");
  lines.set_filter([](const Table& t) { return t.number("C130") >= Decimal(50); });
  lines.set_order(0);
  lines.go_top();
  EXPECT_EQ(lines.recno(), 2u);
  lines.skip();
  EXPECT_EQ(lines.recno(), 3u);
  lines.skip();
  EXPECT_TRUE(lines.eof());
  lines.clear_filter();

  ws.create("heads", {C("COO", 8), C("NOTE", 10)});
  Table& heads = ws.use("heads", "RO", OpenMode::Exclusive, {{"headsa", "COO"}});
  for (const char* coo : {"00000002", "00000003"}) {
    heads.append_blank();
    heads.put("COO", coo);
    heads.put("NOTE", std::string("note ") + coo[7]);
  }
  lines.set_relation(heads, [](const Table& t) { return Value(t.text("C125")); });
  lines.go_to(1);
  EXPECT_TRUE(heads.eof());  // no head for receipt 1
  lines.go_to(3);
  EXPECT_EQ(heads.text("NOTE"), "note 3    ");
}

TEST_F(TableBehaviour, SharedTablesChangeOnlyUnderTheirLock) {
  Table& mine = receipts(OpenMode::Shared);
  add(mine, "00000001", 1, 1, "1");
  mine.go_top();
  EXPECT_THROW(mine.put("C130", Decimal(9)), Error);

  Workspace other{{dir.path(), true, nullptr}};
  Table& theirs = other.use("m337", "PC", OpenMode::Shared, {{"m337a", ""}});
  ASSERT_TRUE(theirs.rlock());
  EXPECT_FALSE(mine.rlock());  // another handle holds it
  theirs.put("C130", Decimal(42));
  theirs.unlock();

  ASSERT_TRUE(mine.rlock());  // and reading it again after the lock sees the change
  EXPECT_EQ(mine.number("C130"), Decimal(42));
  mine.put("C130", Decimal(43));
  mine.unlock();
  theirs.skip(0);
  EXPECT_EQ(theirs.number("C130"), Decimal(43));

  // Exclusive use is refused while someone has it open.
  Workspace third{{dir.path(), true, nullptr}};
  try {
    third.use("m337", "PC", OpenMode::Exclusive);
    FAIL() << "exclusive open should be refused";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::InUse);
  }
}

TEST_F(TableBehaviour, MemoFieldsKeepTheirText) {
  ws.create("m610", {D("C902"), C("C903", 5), M("C901")});
  Table& t = ws.use("m610", "Y0", OpenMode::Exclusive);
  std::string log(2000, 'x');
  log += "\r\nSYSTEM line\r\n";
  t.append_blank();
  t.put("C901", log);
  t.append_blank();
  t.put("C901", std::string("short"));
  t.go_to(1);
  EXPECT_EQ(t.text("C901"), log);
  t.put("C901", std::string("now shorter"));
  t.go_to(2);
  EXPECT_EQ(t.text("C901"), "short");
  t.go_to(1);
  EXPECT_EQ(t.text("C901"), "now shorter");
}

TEST_F(TableBehaviour, TemporaryTablesLiveInMemory) {
  Table& t = ws.create_temp("TMPCOL", {C("ORDEM", 5), C("NOMECAMPO", 40), C("CONTEUDO", 100)},
                            {"ORDEM", "NOMECAMPO"});
  for (const char* name : {"b", "c", "a"}) {
    t.append_blank();
    t.put("NOMECAMPO", name);
    t.put("ORDEM", std::string("0000") + name);
  }
  t.set_order(2);
  t.go_top();
  EXPECT_EQ(runtime::trim(t.text("NOMECAMPO")), "a");
  EXPECT_TRUE(t.temporary());
  ws.close("TMPCOL");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(TableBehaviour, NamesAreFoundInAnyCase) {
  ws.create("M206", {C("C012", 8)});
  ASSERT_TRUE(std::filesystem::exists(dir / "m206.dbf"));
  std::filesystem::rename(dir / "m206.dbf", dir / "M206.DBF");
  Table& t = ws.use("m206.dbf", "IT", OpenMode::Exclusive, {{"M206A.NTX", "c012"}});
  t.append_blank();
  t.put("c012", "00000001");
  EXPECT_TRUE(std::filesystem::exists(dir / "m206a.ntx"));
  ws.close_all();
  std::filesystem::rename(dir / "m206a.ntx", dir / "M206A.NTX");
  Table& again = ws.use("M206", "it", OpenMode::Shared, {{"m206a", "c012"}});
  EXPECT_EQ(again.order_file(1).filename(), "M206A.NTX");
  EXPECT_TRUE(again.seek("00000001"));
}

TEST_F(TableBehaviour, ValuesThatDoNotFitAreRefused) {
  Table& t = receipts();
  t.append_blank();
  EXPECT_THROW(t.put("C130", Decimal::of("12345678901.5")), Error);
  EXPECT_THROW(t.put("C402", "20261211"), Error);  // text into a date
  EXPECT_THROW(t.put("NOPE", "x"), Error);
}

TEST_F(TableBehaviour, UnknownKeyExpressionNamesTableAndKey) {
  ws.create("m999", {C("C001", 3)});
  try {
    ws.use("m999", "ZZ", OpenMode::Exclusive, {{"m999a", "FOO(C001)"}});
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::BadExpression);
    EXPECT_NE(std::string(e.what()).find("FOO(C001)"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("m999"), std::string::npos);
  }
}

}  // namespace
}  // namespace zelto::xbase

namespace zelto::xbase {
namespace {

TEST_F(TableBehaviour, CopyStructureZapAndAScanHold) {
  Table& t = receipts();
  add(t, "00000001", 1, 1, "1");
  add(t, "00000002", 1, 2, "2");
  t.copy_structure(dir / "M337COPY");
  ws.close_all();

  Table& copy = ws.use("m337copy", "CP", OpenMode::Exclusive);
  EXPECT_EQ(copy.reccount(), 0u);
  ASSERT_EQ(copy.fields().size(), 7u);
  EXPECT_EQ(describe(copy.fields()[6]), "C130 N(12,2)");

  Table& again = receipts(OpenMode::Shared);
  {
    Table::ScanHold hold(again);
    int n = 0;
    for (again.go_top(); !again.eof(); again.skip()) ++n;
    EXPECT_EQ(n, 2);
  }
  EXPECT_THROW(again.zap(), Error);  // a shared table is never emptied
  ws.close("PC");
  Table& mine = receipts(OpenMode::Exclusive);
  mine.zap();
  EXPECT_EQ(mine.reccount(), 0u);
  EXPECT_TRUE(mine.eof());
  EXPECT_FALSE(mine.seek("01"));
  add(mine, "00000009", 1, 1, "9");
  EXPECT_TRUE(mine.seek("0100100000009"));
}

}  // namespace
}  // namespace zelto::xbase
