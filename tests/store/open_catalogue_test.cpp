// Opening the front-end catalogue: building what is missing, keeping what
// exists, reporting every table that does not open and going on.

#include "store/open_catalogue.hpp"

#include <gtest/gtest.h>

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "store/catalogue_folder.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

namespace fs = std::filesystem;
using zelto::testing::ScriptedCtx;

size_t catalogue_orders() {
  size_t n = 0;
  for (const auto& entry : front_end_catalogue()) n += entry.orders.size();
  return n;
}

TEST(OpenCatalogue, WithoutIndexFilesOnePassBuildsEveryOrderInCatalogueOrder) {
  ScriptedCtx t;
  testing::create_catalogue_tables(t.db);
  auto meter = t.screen.open_progress("", kStartMeterTotal);
  auto progress = OpeningProgress::start_up(meter.get());

  const OpenReport report = G_ABREAR(t.ctx, progress);

  EXPECT_TRUE(report.ok());
  EXPECT_FALSE(t.run.end_requested);
  ASSERT_EQ(catalogue_orders(), 115u);
  EXPECT_EQ(os::list_matching(t.dir.path(), "*.ntx").size(), 115u);
  // One step for each of the 62 tables and each of the 115 index files built.
  EXPECT_EQ(progress.meter, 62 + 115);
  for (const auto& entry : front_end_catalogue()) {
    SCOPED_TRACE(std::string(entry.alias()));
    xbase::Table* table = t.db.find(entry.alias());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->shared(), entry.mode == xbase::OpenMode::Shared);
    ASSERT_EQ(table->order_count(), static_cast<int>(entry.orders.size()));
    for (int n = 1; n <= table->order_count(); ++n) {
      EXPECT_TRUE(os::iequals(table->order_file(n).filename().string(), entry.orders[n - 1].file)) << n;
      EXPECT_EQ(table->order_key(n), entry.orders[n - 1].key) << n;
    }
    EXPECT_EQ(table->order(), entry.orders.empty() ? 0 : 1);
  }

  // A second pass finds every index file: one step per table only, and the
  // meter stops at its total.
  t.db.close_all();
  progress.meter = kStartMeterTotal - 10;
  EXPECT_TRUE(G_ABREAR(t.ctx, progress).ok());
  EXPECT_EQ(progress.meter, kStartMeterTotal);
}

TEST(OpenCatalogue, AnIndexFileBuiltWithAnotherKeyIsUsedAsItIs) {
  ScriptedCtx t;
  testing::create_catalogue_tables(t.db);
  {
    xbase::Table& it = t.db.use("M206.DBF", "X", xbase::OpenMode::Exclusive, {{"m206a.ntx", "C030"}});
    it.append_blank();
    it.put("C012", "00000002");
    it.put("C030", "ARROZ");
    it.append_blank();
    it.put("C012", "00000001");
    it.put("C030", "FEIJAO");
    t.db.close("X");
  }
  const fs::path index = t.db.path_of("M206A.NTX");
  const std::string before = testing::file_bytes(index);
  OpeningProgress progress;

  EXPECT_TRUE(G_ABREAR(t.ctx, progress).ok());

  xbase::Table& it = t.db.area("IT");
  EXPECT_EQ(it.order_key(1), "C030");
  it.go_top();
  EXPECT_EQ(runtime::rtrim(it.text("C030")), "ARROZ");
  EXPECT_EQ(testing::file_bytes(index), before);
  EXPECT_EQ(progress.meter, 62 + 115 - 1);
}

TEST(OpenCatalogue, EveryTableThatDoesNotOpenIsReportedAndThePassGoesOn) {
  ScriptedCtx t;
  testing::create_catalogue_tables(t.db);
  fs::remove(t.db.path_of("M206.DBF"));
  fs::remove(t.db.path_of("m612.dbf"));
  // Another program has the clients exclusively; the cash movements are
  // not a table any more.
  xbase::Workspace other(testing::folder_options(t.dir.path()));
  other.use("M216.DBF", "CL", xbase::OpenMode::Exclusive);
  { std::ofstream(t.db.path_of("M221.DBF"), std::ios::binary | std::ios::trunc) << "not a table"; }
  std::string damage;
  try {
    xbase::Workspace probe(testing::folder_options(t.dir.path()));
    probe.use("M221.DBF", "MV", xbase::OpenMode::Shared);
  } catch (const xbase::Error& e) {
    damage = e.what();
  }
  ASSERT_FALSE(damage.empty());

  t.script()
      .ok("Nao encontrou o arquivo M206.DBF")
      .ok("O arquivo M216.DBF nao pode ser aberto: esta em uso por outro programa")
      .ok("O arquivo M221.DBF nao pode ser aberto: esta danificado\n" + damage)
      .ok("Nao encontrou o arquivo m612.dbf");
  const OpenReport report = G_ABREAR(t.ctx);

  EXPECT_TRUE(t.script().empty());
  EXPECT_EQ(report.missing, (std::vector<std::string>{"M206.DBF", "m612.dbf"}));
  EXPECT_EQ(report.failed, (std::vector<std::string>{"M216.DBF", "M221.DBF"}));
  EXPECT_TRUE(t.run.end_requested);
  for (const char* alias : {"IT", "CL", "MV", "Y2"}) EXPECT_FALSE(t.db.is_open(alias)) << alias;
  for (const char* alias : {"PD", "FO", "IE", "UN", "Y1", "Y3", "Y7"}) EXPECT_TRUE(t.db.is_open(alias)) << alias;
  EXPECT_FALSE(t.db.area("IO").shared());
}

TEST(OpenCatalogue, SintegraModeCountsInTheProgressWindowAndSingleOpenersFollowTheirFlag) {
  ScriptedCtx t;
  testing::create_catalogue_tables(t.db);
  auto window = t.screen.open_progress("Sintegra", 0);
  auto progress = OpeningProgress::sintegra(window.get());

  EXPECT_TRUE(G_AB_IE(t.ctx, progress));
  EXPECT_EQ(t.db.area("IE").order_key(1), "C100+C107+C478");
  EXPECT_EQ(t.g.WMABREAR, core::Decimal(2));  // the table and its index file
  EXPECT_TRUE(G_AB_A1(t.ctx, progress, "N"));
  EXPECT_EQ(t.db.area("A1").order_count(), 3);
  EXPECT_EQ(t.g.WMABREAR, core::Decimal(2));

  t.db.close_all();
  EXPECT_TRUE(G_ABREAR(t.ctx, progress).ok());
  const auto texts = t.transcript().texts("progress");
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[1], "Lendo Arquivo Zeltoecf 1");
  // IE and A1's index files exist now: 62 tables and the 111 other files.
  EXPECT_EQ(texts.back(), "Lendo Arquivo Zeltoecf " + std::to_string(2 + 62 + 111));
}

TEST(OpenCatalogue, OperatorTableAloneForTheLogin) {
  ScriptedCtx t;
  testing::create_catalogue_tables(t.db);
  t.db.use("PDV.DBF", "PD", xbase::OpenMode::Shared);

  EXPECT_TRUE(ABRIR_M001(t.ctx));
  xbase::Table& us = t.db.area("US");
  EXPECT_TRUE(us.shared());
  ASSERT_EQ(us.order_count(), 1);
  EXPECT_EQ(us.order_key(1), "c001");
  EXPECT_TRUE(fs::exists(t.db.path_of("M001A.NTX")));
  EXPECT_FALSE(fs::exists(t.db.path_of("M001B.NTX")));

  t.db.close_all();
  fs::remove(t.db.path_of("M001.DBF"));
  t.script().ok("M001.DBF");
  EXPECT_FALSE(ABRIR_M001(t.ctx));
  EXPECT_TRUE(t.script().empty());
  EXPECT_TRUE(t.run.end_requested);
}

}  // namespace
}  // namespace zelto::store
