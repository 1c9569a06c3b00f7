// A browse over a real table: it stops at both ends, skips deleted records,
// seeks in the table's order and comes back to a bookmark.

#include <gtest/gtest.h>

#include "platform/screen/browse_session.hpp"
#include "platform/screen/table_cursor.hpp"
#include "platform/xbase/workspace.hpp"
#include "support/temp_dir.hpp"

namespace zelto::screen {
namespace {

class TableCursorTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  xbase::Workspace ws{{dir.path(), true, nullptr}};
  xbase::Table* t = nullptr;

  void SetUp() override {
    ws.create("units", {{"C408", xbase::FieldType::Character, 2, 0, 0}, {"C409", xbase::FieldType::Character, 20, 0, 0}});
    t = &ws.use("units", "UD", xbase::OpenMode::Exclusive, {{"unitsa", "C408"}});
    for (const char* code : {"UN", "KG", "CX", "LT", "MT"}) {
      t->append_blank();
      t->put("C408", code);
    }
    t->go_to(2);  // KG
    t->delete_record();
  }

  std::string code() { return t->text("C408"); }
};

TEST_F(TableCursorTest, StopsAtTheEndsAndSkipsDeleted) {
  TableCursor c(*t);
  EXPECT_FALSE(c.empty());
  c.go_top();
  EXPECT_EQ(code(), "CX");
  EXPECT_EQ(c.skip(10), 3);  // CX -> LT -> MT -> UN
  EXPECT_EQ(code(), "UN");
  EXPECT_EQ(c.skip(1), 0);
  EXPECT_EQ(c.skip(-10), -3);
  EXPECT_EQ(code(), "CX");
  EXPECT_EQ(c.skip(-1), 0);
}

TEST_F(TableCursorTest, SeekAndBookmark) {
  TableCursor c(*t);
  EXPECT_TRUE(c.seek("LT", false));
  auto mark = c.bookmark();
  EXPECT_FALSE(c.seek("KG", false));  // deleted: not found, position kept
  EXPECT_EQ(code(), "LT");
  EXPECT_FALSE(c.seek("KA", true));   // soft: the next one after
  EXPECT_EQ(code(), "LT");
  EXPECT_FALSE(c.seek("ZZ", true));
  EXPECT_EQ(code(), "UN");
  c.go_to(mark);
  EXPECT_EQ(code(), "LT");
}

TEST_F(TableCursorTest, EmptyTable) {
  t->set_filter([](const xbase::Table&) { return false; });
  TableCursor c(*t);
  EXPECT_TRUE(c.empty());
}

}  // namespace
}  // namespace zelto::screen
