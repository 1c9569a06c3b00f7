// Every sealed table: a byte changed outside the program in any field the
// seal covers breaks the seal; a byte changed in a field it does not cover
// leaves it whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "store/seal_fixture.hpp"
#include "store/seal_forms.hpp"
#include "store/seal_text.hpp"
#include "store/tables.hpp"
#include "support/scripted_ctx.hpp"
#include "support/temp_dir.hpp"

namespace zelto::store {
namespace {

using zelto::testing::TempDir;

bool seal_holds_in(const std::filesystem::path& folder, const Layout& layout) {
  xbase::Workspace db({folder, true, {}});
  xbase::Table& t = db.use(layout.file, layout.alias, xbase::OpenMode::Shared);
  t.go_top();
  return seal_holds(t);
}

class EverySealedTable : public ::testing::TestWithParam<SealedTable> {};

TEST_P(EverySealedTable, AChangedByteBreaksTheSealOnlyInASealedField) {
  const Layout& layout = *GetParam().layout;
  TempDir dir;
  testing::make_sealed_record(dir.path(), layout);
  ASSERT_TRUE(seal_holds_in(dir.path(), layout));

  xbase::Workspace db({dir.path(), true, {}});
  const std::filesystem::path dbf = db.path_of(layout.file);
  const std::vector<xbase::FieldDef> fields = db.use(layout.file, layout.alias, xbase::OpenMode::Shared).fields();
  db.close_all();
  const std::string pristine = testing::read_bytes(dbf);
  const bool has_memo = std::any_of(fields.begin(), fields.end(), [](auto& f) { return f.type == FieldType::Memo; });
  const std::string pristine_memo = has_memo ? testing::read_bytes(testing::memo_file_of(dbf)) : "";

  const std::set<std::string_view> sealed(layout.seal.begin(), layout.seal.end());
  int unsealed_tried = 0;
  for (const xbase::FieldDef& field : fields) {
    if (field.name == "MD5_REGI") continue;
    testing::write_bytes(dbf, pristine);
    if (has_memo) testing::write_bytes(testing::memo_file_of(dbf), pristine_memo);
    testing::flip_byte(dbf, field);
    const bool covered = sealed.count(field.name) > 0;
    unsealed_tried += !covered;
    EXPECT_EQ(seal_holds_in(dir.path(), layout), !covered) << layout.alias << " " << field.name;
  }
  // Every table but the two whose every field is sealed has one to try.
  if (layout.alias != "PD" && layout.alias != "Y1") {
    EXPECT_GT(unsealed_tried, 0) << layout.alias;
  }
}

INSTANTIATE_TEST_SUITE_P(Seals, EverySealedTable, ::testing::ValuesIn(sealed_tables().begin(), sealed_tables().end()),
                         [](const auto& info) { return std::string(info.param.alias()); });

// The seal field of each table holds its longest seal whole: a record with
// every field at its layout's width (and an empty memo) gives a seal text
// exactly as long as MD5_REGI, the fiscal day's Z data taking the rest.
TEST(SealForms, EveryNumberHasItsFormAndTheSealFieldHoldsTheWholeSeal) {
  const std::map<std::string_view, size_t> without_memo = {{"PC", 190}, {"RO", 318}, {"IT", 139}, {"EF", 189},
                                                           {"PD", 206}, {"Y1", 70},  {"Y2", 128}, {"Y4", 93}};
  ASSERT_EQ(sealed_tables().size(), without_memo.size());
  for (const SealedTable& s : sealed_tables()) {
    TempDir dir;
    xbase::Workspace db({dir.path(), true, {}});
    db.create(s.layout->file, field_defs(*s.layout));
    xbase::Table& t = db.use(s.layout->file, s.layout->alias, xbase::OpenMode::Exclusive);
    t.append_blank();
    EXPECT_EQ(seal_text(t, s).size(), without_memo.at(s.alias())) << s.alias();
    EXPECT_TRUE(write_seal(t)) << s.alias();
    for (const Field& f : s.layout->fields) {
      if (f.name == "MD5_REGI" && s.alias() != "PD") {
        EXPECT_EQ(static_cast<size_t>(f.width), without_memo.at(s.alias())) << s.alias();
      }
    }
  }
  EXPECT_EQ(find_sealed_table("cr"), nullptr);  // instalments are not sealed
  EXPECT_EQ(find_sealed_table("pc")->alias(), "PC");
}

// The operations by table name work on the table open under that alias and
// leave it the current one.
TEST(SealOperations, ByNameOnTheOpenTable) {
  zelto::testing::ScriptedCtx t;
  testing::make_sealed_record(t.dir.path(), table::RO);
  testing::make_sealed_record(t.dir.path(), table::PC);
  xbase::Table& ro = t.db.use(table::RO.file, "RO", xbase::OpenMode::Shared);
  ro.go_top();
  t.db.use(table::PC.file, "PC", xbase::OpenMode::Shared);
  ASSERT_EQ(t.db.current().alias(), "PC");
  EXPECT_TRUE(TESTAR_RO_REGI_ENCRYPT(t.ctx));
  EXPECT_EQ(t.db.current().alias(), "RO");
  EXPECT_EQ(RO_REGI_ENCRYPT(t.ctx), record_seal(ro));
  ASSERT_TRUE(ro.rlock());
  ro.put("C127", "C");
  EXPECT_FALSE(TESTAR_RO_REGI_ENCRYPT(t.ctx));
  EXPECT_TRUE(GRAVA_REGI_ENCRYPT(t.ctx, "RO"));
  EXPECT_TRUE(TESTAR_RO_REGI_ENCRYPT(t.ctx));
}

}  // namespace
}  // namespace zelto::store
