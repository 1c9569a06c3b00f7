// Work tables: their names from the operator and the time of day, the
// in-memory temporary tables, and the cleaning of the temporary folder.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/os/file_lookup.hpp"
#include "store/memory_temp.hpp"
#include "store/system_path.hpp"
#include "store/temp_folder.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

namespace fs = std::filesystem;
using zelto::testing::ScriptedCtx;
using xbase::FieldType;

const std::vector<xbase::FieldDef> kFields = {
    {"ARQUIVO", FieldType::Character, 70}, {"TOTAL", FieldType::Numeric, 14, 2}, {"OBS", FieldType::Memo, 10}};

struct TempCtx : ScriptedCtx {
  TempCtx() {
    g.VTMP = "tmp\\";
    g.VUSU = "GER";
    clock.set({*runtime::Date::ymd(2026, 12, 11), 14, 5, 37});
  }
};

TEST(SystemPath, WindowsTextsBecomePathsFoundInAnyCase) {
  zelto::testing::TempDir dir;
  fs::create_directories(dir / "TMP");
  { std::ofstream(dir / "TMP" / "GER1437.DBF") << ""; }
  EXPECT_EQ(system_path(dir.path(), "tmp\\ger1437.dbf"), dir / "TMP" / "GER1437.DBF");
  EXPECT_EQ(system_path(dir.path(), "tmp\\"), dir / "TMP");
  EXPECT_EQ(system_path(dir.path(), "Importa\\Novo.TXT"), dir / "importa" / "novo.txt");
  EXPECT_EQ(system_path(dir.path(), ""), dir.path());
  EXPECT_EQ(system_path(dir.path(), (dir.path() / "TMP").string()), dir / "TMP");
}

TEST(TempFileTables, NamesFromTheOperatorAndTimeAreNeverGivenTwice) {
  TempCtx t;
  fs::create_directories(t.dir / "TMP");
  { std::ofstream(t.dir / "TMP" / "GER1439.DBF") << ""; }

  const auto first = claim_temp_file_name(t.ctx);
  const auto second = claim_temp_file_name(t.ctx);
  const auto third = claim_temp_file_name(t.ctx);
  const auto with_infix = claim_temp_file_name(t.ctx, "1");
  ASSERT_TRUE(first && second && third && with_infix);
  EXPECT_EQ(first->name, "tmp\\GER1437");
  EXPECT_EQ(second->name, "tmp\\GER1438");
  EXPECT_EQ(third->name, "tmp\\GER1440");  // 1439 is taken, in another case
  EXPECT_EQ(with_infix->name, "tmp\\GER11437");
  EXPECT_EQ(first->dbf, t.dir / "TMP" / "ger1437.dbf");
  EXPECT_TRUE(fs::exists(second->dbf));
}

TEST(TempFileTables, ATableIsMadeOpenedExclusiveAndIndexedBesideIt) {
  TempCtx t;
  xbase::Table* tmp = create_temp_file_table(t.ctx, "TMP", kFields, "ARQUIVO");
  ASSERT_NE(tmp, nullptr);
  EXPECT_FALSE(tmp->shared());
  EXPECT_EQ(tmp->order_key(1), "ARQUIVO");
  EXPECT_EQ(tmp->order_file(1), t.dir / "tmp" / "ger1437.ntx");
  tmp->append_blank();
  tmp->put("ARQUIVO", "FUNDO.BMP");

  // The same alias again: the first table is closed, its file kept.
  xbase::Table* again = create_temp_file_table(t.ctx, "tmp", kFields);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->order_count(), 0);
  EXPECT_EQ(again->reccount(), 0u);
  EXPECT_TRUE(fs::exists(t.dir / "tmp" / "ger1437.dbf"));
  EXPECT_TRUE(fs::exists(t.dir / "tmp" / "ger1438.dbf"));
}

TEST(MemoryTempTables, AutomaticAliasesAndOrders) {
  TempCtx t;
  const core::Text first = CRIA_TMP(t.ctx, kFields, "", "S");
  const core::Text second = CRIA_TMP(t.ctx, kFields, "", "S", {"ARQUIVO", "STR(TOTAL,14,2)+ARQUIVO"});
  EXPECT_EQ(first, "GER1437");
  EXPECT_EQ(second, "GER1438");

  xbase::Table& a = t.db.area(first);
  EXPECT_TRUE(a.temporary());
  ASSERT_EQ(a.order_count(), 2);  // the memo field has none
  EXPECT_EQ(a.order_key(2), "TOTAL");
  EXPECT_EQ(a.order(), 1);
  xbase::Table& b = t.db.area(second);
  ASSERT_EQ(b.order_count(), 2);
  EXPECT_EQ(b.order_key(2), "STR(TOTAL,14,2)+ARQUIVO");
  EXPECT_EQ(os::list_matching(t.dir.path(), "*").size(), 0u);

  // A named one replaces a temporary table of its alias, never a file table.
  EXPECT_EQ(CRIA_TMP(t.ctx, kFields, "tp98"), "TP98");
  EXPECT_EQ(CRIA_TMP(t.ctx, {{"X", FieldType::Character, 1}}, "TP98"), "TP98");
  EXPECT_EQ(t.db.area("TP98").fields().size(), 1u);
  ASSERT_NE(create_temp_file_table(t.ctx, "TMP", kFields), nullptr);
  t.script().ok("O apelido TMP ja esta em uso por um arquivo");
  EXPECT_EQ(CRIA_TMP(t.ctx, kFields, "TMP"), "");
  EXPECT_FALSE(t.db.area("TMP").temporary());
}

TEST(TempFolder, CleaningDeletesTheFolderFilesAndNeverTheDataFolder) {
  TempCtx t;
  { std::ofstream(t.dir / "m206.dbf") << "data"; }
  ASSERT_NE(create_temp_file_table(t.ctx, "TMP", kFields, "ARQUIVO"), nullptr);
  fs::create_directories(t.dir / "tmp" / "kept");
  G_DELTMP(t.ctx, false);
  EXPECT_EQ(os::list_matching(t.dir / "tmp", "*"), std::vector<fs::path>{t.dir / "tmp" / "kept"});
  EXPECT_EQ(t.transcript().texts("progress").back(), "Espere, Processando...");

  { std::ofstream(t.dir / "tmp" / "x.txt") << "x"; }
  const size_t shown = t.transcript().entries().size();
  G_DELTMP(t.ctx, true);
  EXPECT_FALSE(fs::exists(t.dir / "tmp" / "x.txt"));
  EXPECT_EQ(t.transcript().entries().size(), shown);

  t.g.VTMP = "";
  G_DELTMP(t.ctx, true);
  EXPECT_TRUE(fs::exists(t.dir / "m206.dbf"));
}

}  // namespace
}  // namespace zelto::store
