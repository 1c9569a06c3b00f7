// Holding a shared table's append lock across a seek and an append, so that
// two programs adding the same key cannot both find it missing.

#include <gtest/gtest.h>

#include "platform/xbase/error.hpp"
#include "platform/xbase/workspace.hpp"
#include "support/temp_dir.hpp"

namespace zelto::xbase {
namespace {

class AppendHoldTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  Workspace mine{{dir.path(), true, {}}};
  Workspace theirs{{dir.path(), true, {}}};

  void SetUp() override { mine.create("m246", {{"C408", FieldType::Character, 2, 0, 0}}); }
  Table& open(Workspace& ws) { return ws.use("m246", "UD", OpenMode::Shared, {{"m246a.ntx", "C408"}}); }
};

TEST_F(AppendHoldTest, OthersCannotAppendWhileItIsHeldAndTheHolderCan) {
  Table& a = open(mine);
  Table& b = open(theirs);
  {
    Table::AppendHold hold(a);
    EXPECT_FALSE(a.seek("KG"));
    EXPECT_THROW(Table::AppendHold(b, 0), Error);
    a.append_blank();  // under its own hold: no wait
    a.put("C408", "KG");
    a.flush();
  }
  a.unlock();
  // Released: the other program takes it and sees the key that went in.
  Table::AppendHold hold(b, 0);
  EXPECT_TRUE(b.seek("KG"));
  b.append_blank();
  b.put("C408", "UN");
  b.flush();
  EXPECT_EQ(b.reccount(), 2u);
}

TEST_F(AppendHoldTest, TheLockIsReleasedWhenTheHoldGoesEvenAfterAFailure) {
  Table& a = open(mine);
  Table& b = open(theirs);
  try {
    Table::AppendHold hold(a);
    throw std::runtime_error("the adder gave up");
  } catch (const std::runtime_error&) {
  }
  EXPECT_NO_THROW(Table::AppendHold(b, 0));
}

}  // namespace
}  // namespace zelto::xbase
