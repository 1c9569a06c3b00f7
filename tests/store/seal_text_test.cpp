// Seal texts byte for byte, so that seals written by other checkouts verify
// here and ours there; and a seal is compared at its own length.

#include "store/seal_text.hpp"

#include <gtest/gtest.h>

#include "platform/runtime/text.hpp"
#include "store/lookup.hpp"
#include "store/seal_record.hpp"
#include "store/seal_scramble.hpp"
#include "store/tables.hpp"
#include "support/temp_dir.hpp"

namespace zelto::store {
namespace {

using runtime::Date;
using runtime::Decimal;
using runtime::padr;
using zelto::testing::TempDir;

struct OneRecord {
  TempDir dir;
  xbase::Workspace db{{dir.path(), true, {}}};
  xbase::Table* t = nullptr;

  explicit OneRecord(const Layout& layout, std::vector<xbase::FieldDef> fields = {}) {
    db.create(layout.file, fields.empty() ? field_defs(layout) : std::move(fields));
    t = &db.use(layout.file, layout.alias, xbase::OpenMode::Exclusive);
    t->append_blank();
  }
};

TEST(SealText, ReceiptLineInItsFieldOrderAndNumberForms) {
  OneRecord r(table::PC);
  xbase::Table& pc = *r.t;
  pc.put("C037", "01");
  pc.put("C123", "001");
  pc.put("C125", "00001234");
  pc.put("C402", *Date::ymd(2026, 12, 11));
  pc.put("C403", "10:30:15");
  pc.put("C128", *Date::ymd(2026, 12, 10));  // not sealed
  pc.put("C136", 3);
  pc.put("C012", "00000012");
  pc.put("C133", Decimal::of("1.5"));
  pc.put("C134", Decimal::of("7.35"));
  pc.put("C031", Decimal::of("4.9"));
  pc.put("C139", "1800");
  pc.put("C138", "A");
  pc.put("C030", "ARROZ TIPO 1 5KG");
  pc.put("C851", "A");
  pc.put("C852", "T");
  pc.put("C431", "3");
  pc.put("C432", "2");
  pc.put("C434", "000045");
  pc.put("NUMERSERIE", "BE0907SC5678901");
  const std::string expected = std::string("01") + "001" + "00001234" + "20261211" + "10:30:15" + "       3" +
                               "00000012" + "        1.5000" + "        7.3500" + "        4.9000" +
                               "        0.0000" + "1800" + "        0.0000" + "A" + padr("ARROZ TIPO 1 5KG", 40) +
                               "A" + "T" + "3" + "2" + "000045" + padr("BE0907SC5678901", 20);
  EXPECT_EQ(seal_text(pc, *find_sealed_table("PC")), expected);
  EXPECT_EQ(record_seal(pc), ENCRYPT(expected));
}

TEST(SealText, FiscalDayWithItsStateTwiceAndTheZDataTrimmed) {
  OneRecord r(table::PD);
  xbase::Table& pd = *r.t;
  pd.put("DATA", *Date::ymd(2026, 12, 11));
  pd.put("SITUACAO", "F");
  pd.put("PDV", "001");
  pd.put("HORA_ABER", "08:00");
  pd.put("HORA_FECH", "22:10");
  pd.put("C001", "GER");
  pd.put("GTDA", Decimal::of("123456.78"));
  pd.put("SANGRI", Decimal::of("-50"));
  pd.put("CREDZ", 41);
  pd.put("COO", "0000123456");
  pd.put("STATUS", "  DADOS DA Z  ");
  pd.put("CRO", "0001");
  pd.put("NROORDUSU", "01");
  pd.put("HORAEMISS", "221005");
  pd.put("VENDABRUTA", Decimal::of("980.1"));
  pd.put("PARAMETRO", "P");
  const std::string zero = "        0.0000";
  const std::string expected = std::string("20261211") + "F" + "001 " + "08:00" + "22:10" + "F" + "GER" +
                               "   123456.7800" + zero + zero + "      -50.0000" + zero + zero + zero +
                               "            41" + "0000123456" + "DADOS DA Z" + "0001  " + "01" + "        " +
                               "221005" + "      980.1000" + "P" + std::string(20, ' ');
  EXPECT_EQ(seal_text(pd, *find_sealed_table("PD")), expected);
}

// A fiscal day whose seal text is 864 bytes long and ends with the blanks
// of a 15-character serial in its 20-character field: its seal ends with a
// blank byte. Trimming the stored seal, and only it, would fail this
// record every time.
TEST(SealCompare, ASealEndingInABlankVerifies) {
  OneRecord r(table::PD);
  xbase::Table& pd = *r.t;
  pd.put("DATA", *Date::ymd(2026, 12, 11));
  pd.put("SITUACAO", "F");
  pd.put("STATUS", std::string(658, '7'));
  pd.put("NUMERSERIE", "BE0907SC5678901");
  const std::string seal = record_seal(pd);
  ASSERT_EQ(seal.size(), 864u);
  ASSERT_EQ(seal.back(), ' ');

  ASSERT_TRUE(write_seal(pd));
  EXPECT_TRUE(seal_holds(pd));
  EXPECT_NE(runtime::trim(pd.text("MD5_REGI")), seal);  // what trimming only the stored side compares
}

TEST(SealCompare, TheStoredSealIsComparedAtItsOwnLength) {
  // A back-office table whose seal field is wider than ours: the seal and
  // blanks after it.
  std::vector<xbase::FieldDef> wide = field_defs(table::Y1);
  for (auto& f : wide)
    if (f.name == "MD5_REGI") f.length = 100;
  OneRecord r(table::Y1, wide);
  xbase::Table& y1 = *r.t;
  y1.put("DATA", *Date::ymd(2026, 12, 11));
  y1.put("C231", "T180001");
  y1.put("C232", Decimal::of("1500.25"));
  ASSERT_TRUE(write_seal(y1));
  EXPECT_TRUE(seal_holds(y1));

  const std::string seal = record_seal(y1);
  y1.put("MD5_REGI", seal + "X");  // anything but blanks after it
  EXPECT_FALSE(seal_holds(y1));
  y1.put("MD5_REGI", " " + seal);  // shifted
  EXPECT_FALSE(seal_holds(y1));
  y1.put("MD5_REGI", seal.substr(0, seal.size() - 1));  // cut short
  EXPECT_FALSE(seal_holds(y1));
  y1.put("MD5_REGI", "");
  EXPECT_FALSE(seal_holds(y1));  // never sealed
}

TEST(SealCompare, AFieldTooShortForTheSealIsToldAndNeverVerifies) {
  std::vector<xbase::FieldDef> narrow = field_defs(table::Y1);
  for (auto& f : narrow)
    if (f.name == "MD5_REGI") f.length = 32;
  OneRecord r(table::Y1, narrow);
  EXPECT_FALSE(write_seal(*r.t));
  EXPECT_FALSE(seal_holds(*r.t));
}

}  // namespace
}  // namespace zelto::store
