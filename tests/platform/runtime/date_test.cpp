#include "platform/runtime/date.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

TEST(Date, StoredAndShownForms) {
  auto d = Date::ymd(2026, 12, 11);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->dtos(), "20261211");
  EXPECT_EQ(d->text(), "11/12/2026");
  EXPECT_EQ(d->ddmmyy(), "111226");
  EXPECT_EQ(Date::from_dtos("20261211"), d);
  EXPECT_EQ(Date::from_text("11/12/2026"), d);
  EXPECT_EQ(Date::from_ddmmyy("111226"), d);
}

TEST(Date, EmptyDate) {
  Date e;
  EXPECT_TRUE(e.empty());
  EXPECT_EQ(e.dtos(), "        ");
  EXPECT_EQ(e.text(), "  /  /    ");
  EXPECT_EQ(Date::from_dtos("        "), e);
  EXPECT_EQ(Date::from_text("  /  /    "), e);
  EXPECT_LT(e, *Date::ymd(1900, 1, 1));  // sorts first, as its blank key does
  EXPECT_TRUE(e.plus_days(3).empty());
}

TEST(Date, TwoDigitYearsPivotAt1930) {
  EXPECT_EQ(Date::from_text("01/02/29")->year(), 2029);
  EXPECT_EQ(Date::from_text("01/02/30")->year(), 1930);
  EXPECT_EQ(Date::from_text("01/02/00")->year(), 2000);
  EXPECT_EQ(Date::from_ddmmyy("311299")->year(), 1999);
}

TEST(Date, RefusesImpossibleDates) {
  for (const char* t : {"31/02/2026", "29/02/2025", "00/01/2026", "12/13/2026", "1/2/2026", "ab/cd/efgh"})
    EXPECT_FALSE(Date::from_text(t)) << t;
  EXPECT_TRUE(Date::from_text("29/02/2024"));
  EXPECT_FALSE(Date::from_dtos("20260230"));
  EXPECT_FALSE(Date::from_dtos("2026121"));
}

TEST(Date, Arithmetic) {
  Date a = *Date::ymd(2024, 2, 28);
  EXPECT_EQ(a.plus_days(1).text(), "29/02/2024");
  EXPECT_EQ(a.plus_days(2).text(), "01/03/2024");
  EXPECT_EQ(Date::ymd(2027, 1, 1)->minus(*Date::ymd(2026, 12, 11)), 21);
  EXPECT_EQ(Date::from_serial(Date::ymd(1930, 6, 15)->serial()), Date::ymd(1930, 6, 15));
  EXPECT_EQ(Date::ymd(2026, 12, 11)->day_of_week(), 6);  // a Friday
  EXPECT_EQ(Date::ymd(2026, 12, 13)->day_of_week(), 1);  // a Sunday
}

}  // namespace
}  // namespace zelto::runtime
