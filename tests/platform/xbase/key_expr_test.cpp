#include "platform/xbase/key_expr.hpp"

#include <gtest/gtest.h>

#include <random>

#include "platform/xbase/error.hpp"

namespace zelto::xbase {
namespace {

FieldDef C(const char* name, int len) { return {name, FieldType::Character, len, 0, 0}; }
FieldDef N(const char* name, int len, int dec = 0) { return {name, FieldType::Numeric, len, dec, 0}; }
FieldDef D(const char* name) { return {name, FieldType::Date, 8, 0, 0}; }

Date ymd(int y, int m, int d) { return *Date::ymd(y, m, d); }

// One table holding every field the catalogue keys below refer to.
struct Row : RecordView {
  std::vector<FieldDef> fields;
  std::vector<Value> values;
  void add(FieldDef f, Value v) {
    fields.push_back(std::move(f));
    values.push_back(std::move(v));
  }
  Value field_value(size_t i) const override { return values.at(i); }
};

Row sample() {
  Row r;
  r.add(C("C012", 14), std::string("7891234567895"));  // shorter than the field: padded
  r.add(C("C037", 3), std::string("001"));
  r.add(D("DATA"), ymd(2026, 12, 11));
  r.add(C("SITUACAO", 1), std::string("A"));
  r.add(C("PDV", 3), std::string("002"));
  r.add(C("NROCOO", 6), std::string("000123"));
  r.add(C("C037C211", 3), std::string("XYZ"));
  r.add(C("C036042", 5), std::string("ab cd"));
  r.add(C("C350", 4), std::string("LAY1"));
  r.add(N("C353", 3), Decimal(7));
  r.add(N("C354", 3), Decimal(12));
  r.add(C("C123", 3), std::string("ECF"));
  r.add(C("C125", 6), std::string("000045"));
  r.add(D("C402"), ymd(2026, 1, 5));
  r.add(C("C403", 5), std::string("10:30"));
  r.add(N("C136", 4), Decimal(15));
  r.add(C("C485", 20), std::string("ABCDEFGHIJKLMNOPQRST"));
  r.add(C("C040", 2), std::string("NF"));
  r.add(C("C475", 3), std::string("003"));
  r.add(C("C321", 2), std::string("aa"));
  r.add(C("C322", 2), std::string("bb"));
  r.add(C("C478", 2), std::string("T1"));
  r.add(C("C430", 1), std::string("x"));
  r.add(N("C425", 6, 2), Decimal::of("3.5"));
  r.add(C("C427", 1), std::string("z"));
  r.add(C("C324", 2), std::string("cc"));
  r.add(C("C217", 2), std::string("dd"));
  r.add(D("C213"), ymd(2026, 3, 9));
  r.add(C("C214", 2), std::string("ee"));
  r.add(D("C374"), ymd(1980, 7, 4));
  r.add(C("C083", 3), std::string("OPR"));
  r.add(C("C099", 2), std::string("SP"));
  r.add(C("C107", 3), std::string("abc"));
  r.add(D("C700"), ymd(2026, 12, 11));
  r.add(D("C902"), ymd(2026, 1, 2));
  r.add(C("C903", 5), std::string("09:15"));
  r.add(C("C802", 2), std::string("EX"));
  r.add(D("C262"), Date{});
  r.add(C("C263", 5), std::string("23:59"));
  r.add(C("C001", 3), std::string("OP1"));
  r.add(N("C034", 12, 2), Decimal::of("-9999.91"));
  r.add({"C500", FieldType::Logical, 1, 0, 0}, true);
  r.add(C("C900", 200), std::string("long"));
  r.add(C("C030", 5), std::string("Arroz"));
  r.add({"C901", FieldType::Memo, 10, 0, 0}, std::string());
  return r;
}

std::string desc(const std::string& s) {
  std::string out;
  for (unsigned char c : s) out += static_cast<char>((256 - c) & 0xFF);
  return out;
}

struct GoodCase {
  const char* text;
  KeyType type;
  int size;
  int decimals;
  std::string key;
};

TEST(KeyExpression, CatalogueKeysHaveTheirWidthAndBytes) {
  const Row row = sample();
  const GoodCase cases[] = {
      {"C012", KeyType::Character, 14, 0, "7891234567895 "},
      {"c037", KeyType::Character, 3, 0, "001"},
      {"DATA", KeyType::Date, 8, 0, "20261211"},
      {"situacao", KeyType::Character, 1, 0, "A"},
      {"NroCoo", KeyType::Character, 6, 0, "000123"},
      {"C037C211", KeyType::Character, 3, 0, "XYZ"},
      {"c036042", KeyType::Character, 5, 0, "ab cd"},
      {"Dtos(DATA)+situacao+pdv", KeyType::Character, 12, 0, "20261211A002"},
      {"C350+STR(C353,3)+STR(C354,3)", KeyType::Character, 10, 0, "LAY1  7 12"},
      {"c037+c123+c125+dtos(c402)+c403+Strzero(c136,8)", KeyType::Character, 33, 0,
       "001ECF0000452026010510:3000000015"},
      {"left(C485,14)+C012+c037+c040+C475", KeyType::Character, 36, 0, "ABCDEFGHIJKLMN7891234567895 001NF003"},
      {"c123+c321+c322+c478+c430+str(c425,5,2)+c427", KeyType::Character, 16, 0, "ECFaabbT1x 3.50z"},
      {"c123+c324+c217+left(dtos(c213),6)+c214", KeyType::Character, 15, 0, "ECFccdd202603ee"},
      {"m2921DD(C374)", KeyType::Character, 4, 0, "0704"},
      {"c083+c099+descend(c107)", KeyType::Character, 8, 0, "OPRSP" + desc("abc")},
      {"c012+descend(dtos(c700))", KeyType::Character, 22, 0, "7891234567895 " + desc("20261211")},
      {"descend(dtos(c902)+c903)", KeyType::Character, 13, 0, desc("2026010209:15")},
      {"c802+descend(dtos(c262)+c263)+c001", KeyType::Character, 18, 0, "EX" + desc("        23:59") + "OP1"},
      {" C030 + DToS( C402 ) ", KeyType::Character, 13, 0, "Arroz20260105"},
      {"C136", KeyType::Numeric, 4, 0, "0015"},
      {"C034", KeyType::Numeric, 12, 2, ",,,,,####.#+"},
      {"C353+C354", KeyType::Numeric, 4, 0, "0019"},
      {"C500", KeyType::Logical, 1, 0, "T"},
      {"UPPER(c036042)+SUBSTR(C012,4,3)+RIGHT(C012,3)+SUBSTR(C012,10)", KeyType::Character, 16, 0,
       "AB CD12395 7895 "},
      {"STR(C034)+STRZERO(C425,7,1)+'-'", KeyType::Character, 20, 0, "    -9999.9100003.5-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    KeyExpression k = KeyExpression::compile(c.text, row.fields, "m206");
    EXPECT_EQ(k.text(), c.text);
    EXPECT_EQ(k.type(), c.type);
    EXPECT_EQ(k.key_size(), c.size);
    EXPECT_EQ(k.key_decimals(), c.decimals);
    std::string key = k.key(row);
    EXPECT_EQ(key, c.key);
    EXPECT_EQ(key.size(), static_cast<size_t>(c.size));
  }
}

TEST(KeyExpression, BadKeysAreRefusedWithTableAndExpression) {
  const Row row = sample();
  struct Bad {
    const char* text;
    const char* says;
  };
  const Bad cases[] = {
      {"FOO(C012)", "unknown function FOO"},
      {"C999+C012", "unknown field C999"},
      {"C012+C353", "cannot add text and a number"},
      {"DATA+C012", "cannot add a date and text"},
      {"DTOS(C012)", "DTOS takes a date, not text"},
      {"UPPER(C353)", "UPPER takes text, not a number"},
      {"DESCEND(DATA)", "DESCEND takes text, not a date"},
      {"TRIM(C012)+C037", "TRIM gives a width that depends on the data"},
      {"STR(C353,C354)", "STR needs a whole number written in the key"},
      {"LEFT(C012,2.5)", "LEFT needs a whole number written in the key"},
      {"LEFT(C012)", "LEFT takes 2 arguments, not 1"},
      {"STR(C353,5,40)", "STR with 40 decimals"},
      {"LEFT(STRZERO(C353,300),4)", "STRZERO of 300 positions"},
      {"C012+123456789012345678901", "number 123456789012345678901 out of range"},
      {"STR(C353,1,2,3)", "STR takes 1 to 3 arguments, not 4"},
      {"C012+", "unexpected \"end of expression\""},
      {"(C012", "expected \")\""},
      {"C012 C037", "unexpected \"C037\" at position 6"},
      {"C012#", "unexpected \"#\" at position 5"},
      {"'abc", "unterminated text"},
      {"", "empty expression"},
      {"C901", "memo field C901 cannot be part of a key"},
      {"C900+C900", "a key of 400 bytes"},
      {"LEFT(C012,0)", "a key of 0 bytes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      KeyExpression::compile(c.text, row.fields, "m206");
      ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), ErrorKind::BadExpression);
      std::string msg = e.what();
      EXPECT_EQ(msg.rfind("m206: ", 0), 0u) << msg;
      EXPECT_NE(msg.find(std::string("\"") + c.text + "\""), std::string::npos) << msg;
      EXPECT_NE(msg.find(c.says), std::string::npos) << msg;
    }
  }
}

TEST(KeyExpression, SeekValuesTakeTheKeysByteForm) {
  const Row row = sample();
  auto text = KeyExpression::compile("C012+C037", row.fields, "m206");
  EXPECT_EQ(text.encode(std::string("789")), "789");  // a prefix stays short
  EXPECT_EQ(text.encode(std::string(30, 'x')), std::string(17, 'x'));
  auto number = KeyExpression::compile("C034", row.fields, "m206");
  EXPECT_EQ(number.encode(Decimal::of("12.5")), "000000012.50");
  EXPECT_EQ(number.encode(Decimal::of("-9999.91")), ",,,,,####.#+");
  auto date = KeyExpression::compile("DATA", row.fields, "m206");
  EXPECT_EQ(date.encode(ymd(2026, 2, 3)), "20260203");
  auto logical = KeyExpression::compile("C500", row.fields, "m206");
  EXPECT_EQ(logical.encode(false), "F");

  EXPECT_THROW(text.encode(Decimal(1)), Error);
  try {
    date.encode(std::string("20260203"));
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::BadExpression);
  }
}

TEST(KeyExpression, EvaluateGivesTheTypedValue) {
  const Row row = sample();
  auto sum = KeyExpression::compile("C353 + C354", row.fields, "m206");
  EXPECT_EQ(std::get<Decimal>(sum.evaluate(row)), Decimal(19));
  auto date = KeyExpression::compile("data", row.fields, "m206");
  EXPECT_EQ(std::get<Date>(date.evaluate(row)), ymd(2026, 12, 11));
  auto text = KeyExpression::compile("c037+'|'", row.fields, "m206");
  EXPECT_EQ(std::get<std::string>(text.evaluate(row)), "001|");
  // Copies share the parsed tree and stay usable after the original goes.
  KeyExpression copy = [&] {
    auto k = KeyExpression::compile("UPPER(c036042)", row.fields, "m206");
    return KeyExpression(k);
  }();
  EXPECT_EQ(copy.key(row), "AB CD");
}

// Whatever text a catalogue holds, compiling it either works and gives keys
// of the stated size, or fails with Error(BadExpression): nothing else.
TEST(KeyExpression, AnyTextCompilesOrIsRefused) {
  const Row row = sample();
  const char* const pieces[] = {"C012", "c353", "DATA", "C034", "C500", "C901", "dtos(", "str(", "strzero(",
                                "left(", "right(", "substr(", "upper(", "descend(", "m2921dd(", "trim(", "(",
                                ")", ",", "+", "-", "3", "1.", ".5", "0", "99999999999999999999999", "'x'", "\"",
                                " ", "@", "FOO(", "str(c034,5,30)", "str(c353,4,2)", "left(str(c353,300),2)"};
  std::mt19937 rng(99);
  int compiled = 0;
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    const int n = 1 + static_cast<int>(rng() % 8);
    for (int j = 0; j < n; ++j) text += pieces[rng() % std::size(pieces)];
    try {
      KeyExpression k = KeyExpression::compile(text, row.fields, "m206");
      ++compiled;
      EXPECT_EQ(k.key(row).size(), static_cast<size_t>(k.key_size())) << text;
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), ErrorKind::BadExpression) << text;
    } catch (const std::exception& e) {
      ADD_FAILURE() << text << ": " << e.what();
    }
  }
  EXPECT_GT(compiled, 100);
}

}  // namespace
}  // namespace zelto::xbase
