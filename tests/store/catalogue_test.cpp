#include "store/catalogue.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "platform/runtime/text.hpp"
#include "store/lookup.hpp"
#include "store/tables.hpp"

namespace zelto::store {
namespace {

std::string base_name(std::string_view file) { return runtime::upper(file.substr(0, file.find('.'))); }

TEST(FrontEndCatalogue, OpensSixtyTwoTablesAndHundredFifteenOrdersInOrder) {
  const auto rows = front_end_catalogue();
  ASSERT_EQ(rows.size(), 62u);

  std::string aliases;
  size_t orders = 0;
  for (const auto& row : rows) {
    aliases += std::string(row.alias()) + " ";
    orders += row.orders.size();
  }
  EXPECT_EQ(aliases,
            "PD CO US GR UG MO GM UM HP OT AM CF IT FO IE CL MV UN ET CG NV TD RE UD FB ST IP NO IR TO LT SE RV RO "
            "PC EF A1 EP IO ES IS TT CR ST1 ST2 ST3 ST4 ST5 ST6 P1 P2 D5 R8 Z9 Y0 Y1 Y2 Y3 Y4 Y5 Y6 Y7 ");
  EXPECT_EQ(orders, 115u);
}

TEST(FrontEndCatalogue, ExclusiveTablesAreTheWorkTablesAndTheBackOfficeOnes) {
  // The rows a second program instance on the same folder trips over.
  std::set<int> exclusive_rows = {39, 40, 41, 42, 44, 45, 46, 47, 48, 49, 51, 58, 59, 60, 61, 62};
  const auto rows = front_end_catalogue();
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const auto expected = exclusive_rows.count(row) ? xbase::OpenMode::Exclusive : xbase::OpenMode::Shared;
    EXPECT_EQ(rows[i].mode, expected) << "row " << row << " " << rows[i].file();
  }
}

TEST(FrontEndCatalogue, FourRowsOpenThroughTheirOwnOpeners) {
  const auto rows = front_end_catalogue();
  int others = 0;
  for (const auto& row : rows)
    if (row.opener != Opener::G_ABREAR) ++others;
  EXPECT_EQ(others, 4);
  EXPECT_EQ(rows[14].opener, Opener::G_AB_IE);
  EXPECT_EQ(rows[14].alias(), "IE");
  EXPECT_EQ(rows[25].opener, Opener::G_AB_ST);
  EXPECT_EQ(rows[25].alias(), "ST");
  EXPECT_EQ(rows[28].opener, Opener::G_AB_IR);
  EXPECT_EQ(rows[28].alias(), "IR");
  EXPECT_EQ(rows[36].opener, Opener::G_AB_A1);
  EXPECT_EQ(rows[36].alias(), "A1");
}

// Index files are the table's name plus the order's letter (a for order 1);
// the SINTEGRA summaries use their own base name, and CONF has CONFA.NTX.
TEST(FrontEndCatalogue, IndexFilesFollowTheNamingRule) {
  for (const auto& row : front_end_catalogue()) {
    const std::string table = base_name(row.file());
    for (size_t i = 0; i < row.orders.size(); ++i) {
      const std::string expected =
          table.starts_with("SINTE") ? table + ".NTX" : table + static_cast<char>('A' + i) + ".NTX";
      EXPECT_EQ(runtime::upper(row.orders[i].file), expected) << row.file() << " order " << i + 1;
    }
    EXPECT_TRUE(runtime::upper(row.file()).ends_with(".DBF")) << row.file();
  }
}

TEST(FrontEndCatalogue, EveryTableHasOneLayoutAndOneAlias) {
  std::set<std::string> files, aliases;
  for (const auto& row : front_end_catalogue()) {
    ASSERT_NE(row.table, nullptr);
    EXPECT_FALSE(row.table->fields.empty()) << row.file();
    EXPECT_TRUE(files.insert(base_name(row.file())).second) << row.file();
    EXPECT_TRUE(aliases.insert(std::string(row.alias())).second) << row.alias();
  }
}

TEST(FrontEndCatalogue, BackOfficeLayoutsAreTheTablesTheCheckoutNeverReads) {
  std::set<int> unread_rows = {9, 10, 27, 29, 33, 41, 42, 44, 45, 46, 47, 48, 49, 61};
  const auto rows = front_end_catalogue();
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    EXPECT_EQ(rows[i].table->owner == Owner::BackOffice, unread_rows.count(row) == 1) << "row " << row;
  }
}

TEST(Lookup, FindsTablesByAliasOrFileInAnyCase) {
  struct Case {
    const char* name;
    bool by_file;
    const Layout* expected;
  };
  const Case cases[] = {
      {"IT", false, &table::IT},         {"it", false, &table::IT},           {"st1", false, &table::ST1},
      {"ST", false, &table::ST},         {"M206.DBF", true, &table::IT},      {"m206.dbf", true, &table::IT},
      {"m206", true, &table::IT},        {"M002.DBF", true, &table::GR},      {"conf", true, &table::CO},
      {"Sinte6.dbf", true, &table::ST6}, {"pdv", true, &table::PD},           {"XX", false, nullptr},
      {"M206A.NTX", true, nullptr},      {"m2", true, nullptr},               {"", false, nullptr},
  };
  for (const auto& c : cases) {
    const Layout* found = c.by_file ? find_layout_by_file(c.name) : find_layout(c.name);
    EXPECT_EQ(found, c.expected) << c.name;
  }
  ASSERT_NE(find_entry("y7"), nullptr);
  EXPECT_EQ(find_entry("y7")->orders.size(), 2u);
  EXPECT_EQ(find_entry_by_file("M500.DBF")->alias(), "IO");
}

TEST(Lookup, OrderSpecsKeepTheCatalogueOrderAndText) {
  const auto defs = order_specs(*find_entry("PC"));
  ASSERT_EQ(defs.size(), 2u);
  EXPECT_EQ(defs[0].file, "M337A.NTX");
  EXPECT_EQ(defs[1].file, "M337B.NTX");
  EXPECT_EQ(defs[1].key, "c037+c123+c125+dtos(c402)+c403+Strzero(c136,8)");
  EXPECT_TRUE(order_specs(*find_entry("CG")).empty());
}

}  // namespace
}  // namespace zelto::store
