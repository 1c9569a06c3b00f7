// Damage the work area meets when a process died or a file was spoilt:
// a header behind its records, an index missing entries, a page of garbage.
// The table opens, the indexes are made right again, and it is said.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/xbase/workspace.hpp"
#include "support/temp_dir.hpp"

namespace zelto::xbase {
namespace {

FieldDef C(const char* n, int len) { return {n, FieldType::Character, len, 0, 0}; }

class TableRepair : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::vector<std::string> notices;
  WorkspaceOptions options() {
    return {dir.path(), true, [this](const std::string& m) { notices.push_back(m); }};
  }

  void make_items(int count) {
    Workspace ws(options());
    ws.create("m206", {C("C012", 8), C("C030", 20)});
    Table& t = ws.use("m206", "IT", OpenMode::Exclusive, {{"m206a", "C012"}, {"m206b", "C030"}});
    for (int i = 1; i <= count; ++i) {
      t.append_blank();
      t.put("C012", std::to_string(10000000 + i));
      t.put("C030", "item " + std::to_string(i));
    }
  }

  std::vector<std::string> codes(Table& t) {
    std::vector<std::string> out;
    for (t.go_top(); !t.eof(); t.skip()) out.push_back(t.text("C012"));
    return out;
  }
};

TEST_F(TableRepair, MissingIndexIsBuiltQuietly) {
  make_items(50);
  std::filesystem::remove(dir / "m206b.ntx");
  Workspace ws(options());
  Table& t = ws.use("m206", "IT", OpenMode::Shared, {{"m206a", "C012"}, {"m206b", "C030"}});
  t.set_order(2);
  EXPECT_TRUE(t.seek("item 42"));
  EXPECT_TRUE(notices.empty());
}

TEST_F(TableRepair, RecordsAppendedByADeadProcessReachTheIndexes) {
  make_items(20);
  {
    // A process appended a record and died before its index entries and
    // the header count were written.
    auto dbf = DbfFile::open(open_file_storage(dir / "m206.dbf"), true, nullptr);
    std::string record(dbf->record_length(), ' ');
    std::string code = "99999999";
    record.replace(dbf->fields()[0].offset, 8, code);
    dbf->append_record(record);
    dbf->write_header_count(20);
  }
  Workspace ws(options());
  Table& t = ws.use("m206", "IT", OpenMode::Shared, {{"m206a", "C012"}, {"m206b", "C030"}});
  EXPECT_EQ(t.reccount(), 21u);
  EXPECT_TRUE(t.seek("99999999"));
  EXPECT_TRUE(t.check_orders().empty());
  ASSERT_GE(notices.size(), 2u);  // the header repair and the rebuild
}

TEST_F(TableRepair, GarbageIndexPageIsRebuiltWithAMessage) {
  make_items(300);
  {
    std::fstream f(dir / "m206a.ntx", std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(1024);
    std::string junk(1024, '\xEE');
    f.write(junk.data(), static_cast<std::streamsize>(junk.size()));
  }
  Workspace ws(options());
  Table& t = ws.use("m206", "IT", OpenMode::Shared, {{"m206a", "C012"}, {"m206b", "C030"}});
  auto all = codes(t);
  ASSERT_EQ(all.size(), 300u);
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  EXPECT_TRUE(t.seek("10000150"));
  EXPECT_FALSE(notices.empty());
  EXPECT_TRUE(t.check_orders().empty());
}

TEST_F(TableRepair, GarbageIndexHeaderIsRebuiltFromTheGivenKey) {
  make_items(30);
  {
    std::ofstream f(dir / "m206b.ntx", std::ios::binary | std::ios::trunc);
    f << "this is not an index";
  }
  Workspace ws(options());
  Table& t = ws.use("m206", "IT", OpenMode::Shared, {{"m206a", "C012"}, {"m206b", "C030"}});
  t.set_order(2);
  EXPECT_TRUE(t.seek("item 7"));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("m206b.ntx"), std::string::npos);
}

}  // namespace
}  // namespace zelto::xbase
