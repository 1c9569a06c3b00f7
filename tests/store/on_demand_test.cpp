// Opening back-office tables by alias, and waiting for the counters table
// while the back office holds it.

#include "store/on_demand.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "store/back_office_catalogue.hpp"
#include "store/catalogue_folder.hpp"
#include "store/tables.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

namespace fs = std::filesystem;
using zelto::testing::ScriptedCtx;
using xbase::FieldType;

// The back office's items table, with the fields its keys read.
void create_back_office_items(xbase::Workspace& db, bool with_indexes = true) {
  db.create("m206.dbf", {{"C012", FieldType::Character, 8},
                         {"C030", FieldType::Character, 40},
                         {"C163", FieldType::Character, 1},
                         {"C410", FieldType::Character, 4},
                         {"C666", FieldType::Character, 14},
                         {"C676", FieldType::Character, 2},
                         {"C708", FieldType::Character, 10}});
  xbase::Table& it = db.use("m206.dbf", "SETUP", xbase::OpenMode::Exclusive,
                            with_indexes ? order_specs(*find_back_office_entry("IT")) : std::vector<xbase::OrderSpec>{});
  for (const char* code : {"00000003", "00000001", "00000002"}) {
    it.append_blank();
    it.put("C012", code);
  }
  db.close("SETUP");
}

TEST(OnDemand, AnAliasAlreadyOpenKeepsItsOrderAndRecord) {
  ScriptedCtx t;
  create_back_office_items(t.db);

  EXPECT_TRUE(G_ABRE5(t.ctx, "it"));
  xbase::Table& it = t.db.area("IT");
  EXPECT_TRUE(it.shared());
  ASSERT_EQ(it.order_count(), 8);
  EXPECT_EQ(it.order_key(3), "C163+C410+C030");
  EXPECT_EQ(it.order(), 1);
  EXPECT_EQ(it.text("C012"), "00000001");

  it.set_order(2);
  it.go_to(2);
  EXPECT_TRUE(G_ABRE(t.ctx, "IT"));
  EXPECT_TRUE(G_ABRE2(t.ctx, " It "));
  EXPECT_EQ(it.order(), 2);
  EXPECT_EQ(it.recno(), 2u);
  EXPECT_EQ(&t.db.area("IT"), &it);

  A1_CLOS_(t.ctx, "it");
  EXPECT_FALSE(t.db.is_open("IT"));
}

TEST(OnDemand, MissingFilesAndUnknownAliasesAreToldAndNothingIsMade) {
  ScriptedCtx t;
  create_back_office_items(t.db, false);
  t.script()
      .ok("Nao encontrou o arquivo m206a.ntx")
      .ok("Nao encontrou o arquivo m213.dbf")
      .ok("Nao achou o alias \"QQ\" no catalogo da retaguarda");
  EXPECT_FALSE(G_ABRE5(t.ctx, "IT"));
  EXPECT_FALSE(G_ABRE5(t.ctx, "BA"));
  EXPECT_FALSE(G_ABRE5(t.ctx, "qq"));
  EXPECT_TRUE(t.script().empty());
  EXPECT_FALSE(t.db.is_open("IT"));
  EXPECT_FALSE(fs::exists(t.db.path_of("m206a.ntx")));
}

// A clock whose waits are counted, and which lets something happen after a
// given number of them.
class CountingClock : public os::Clock {
 public:
  CountingClock(long release_after, std::function<void()> release)
      : release_after_(release_after), release_(std::move(release)) {}
  os::LocalTime now() override { return {*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}; }
  void sleep(std::chrono::milliseconds d) override {
    slept += d;
    if (++sleeps == release_after_) release_();
  }
  long sleeps = 0;
  std::chrono::milliseconds slept{0};

 private:
  long release_after_;
  std::function<void()> release_;
};

TEST(OnDemand, CountersTableIsWaitedForWhileAnotherProgramHoldsIt) {
  ScriptedCtx t;
  t.db.create("m230.dbf", field_defs(table::NV));
  // The back office, allocating a number: NV held exclusively by another handle.
  xbase::Workspace back_office(testing::folder_options(t.dir.path()));
  back_office.use("M230.DBF", "NV", xbase::OpenMode::Exclusive);
  CountingClock clock(170, [&] { back_office.close("NV"); });
  core::Ctx ctx{t.g, t.db, t.screen, clock, t.run, t.services};

  EXPECT_TRUE(G_ABRE5(ctx, "NV"));

  EXPECT_FALSE(t.db.area("NV").shared());
  EXPECT_EQ(clock.sleeps, 170);
  EXPECT_EQ(clock.slept, std::chrono::milliseconds(17000));
  // After the 80th and the 160th failed attempt.
  EXPECT_EQ(t.transcript().texts("timed"),
            (std::vector<std::string>{"Esperando destravar o Arquivo NV", "Esperando destravar o Arquivo NV"}));
}

TEST(BackOfficeCatalogue, IndexFilesFollowTheTableNameAndEveryAliasIsOnce) {
  std::set<std::string> aliases;
  for (const auto& entry : back_office_catalogue()) {
    EXPECT_TRUE(aliases.insert(std::string(entry.alias)).second) << entry.alias;
    const std::string base(entry.file.substr(0, entry.file.find('.')));
    for (size_t i = 0; i < entry.orders.size(); ++i)
      EXPECT_EQ(entry.orders[i].file, base + static_cast<char>('a' + i) + ".ntx") << entry.alias;
  }
  for (const char* alias : {"NV", "CG1", "VD", "IV", "UI", "UP", "O1", "Q8", "N5", "R3", "S8", "Z8"})
    EXPECT_TRUE(aliases.count(alias)) << alias;
  EXPECT_EQ(find_back_office_entry("nv")->open, BackOfficeOpen::ExclusiveWaiting);
  EXPECT_EQ(find_back_office_entry("RO")->file, "m306.dbf");
}

}  // namespace
}  // namespace zelto::store
