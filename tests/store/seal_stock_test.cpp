// The stock rule: moving an item's stock reseals it only when its seal held.

#include "store/seal_stock.hpp"

#include <gtest/gtest.h>

#include "store/seal_fixture.hpp"
#include "store/tables.hpp"
#include "support/temp_dir.hpp"

namespace zelto::store {
namespace {

using runtime::Date;
using runtime::Decimal;

struct Items {
  zelto::testing::TempDir dir;
  xbase::Workspace db{{dir.path(), true, {}}};
  xbase::Table* it = nullptr;

  Items() {
    testing::make_sealed_record(dir.path(), table::IT);
    it = &db.use(table::IT.file, "IT", xbase::OpenMode::Shared);
    it->go_top();
  }
};

TEST(StockRule, ASoundItemIsResealedAfterTheMove) {
  Items items;
  xbase::Table& it = *items.it;
  const Decimal before = it.number("C837");
  ASSERT_TRUE(it.rlock());
  EXPECT_TRUE(move_item_stock(it, Decimal::of("-2.5"), *Date::ymd(2026, 12, 12)));
  it.unlock();
  EXPECT_EQ(it.number("C837"), before - Decimal::of("2.5"));
  EXPECT_EQ(it.date("DTESTOQUE"), *Date::ymd(2026, 12, 12));
  EXPECT_TRUE(seal_holds(it));
}

TEST(StockRule, ATamperedItemStaysMarkedAfterTheMove) {
  Items items;
  xbase::Table& it = *items.it;
  ASSERT_TRUE(it.rlock());
  it.put("C031", Decimal::of("0.01"));  // a price changed without a seal
  EXPECT_FALSE(move_item_stock(it, Decimal(1), *Date::ymd(2026, 12, 12)));
  it.unlock();
  EXPECT_EQ(it.date("DTESTOQUE"), *Date::ymd(2026, 12, 12));  // the move itself happens
  EXPECT_FALSE(seal_holds(it));

  // Another change under the rule does not mend it either.
  ASSERT_TRUE(it.rlock());
  EXPECT_FALSE(change_keeping_seal_state(it, [](xbase::Table& t) { t.put("C031", Decimal::of("9.99")); }));
  it.unlock();
  EXPECT_FALSE(seal_holds(it));
}

}  // namespace
}  // namespace zelto::store
