// The open-cash-period check: one open period of the account, holding the
// present moment to the minute.

#include "cash/cash_period.hpp"

#include <gtest/gtest.h>

#include "store/lookup.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::cash::testing {
namespace {

using runtime::Date;

struct Periods : zelto::testing::ScriptedCtx {
  Periods() {
    const store::CatalogueEntry& row = *store::find_entry("RE");
    db.create(row.file(), store::field_defs(*row.table));
    db.use(row.file(), row.alias(), row.mode, store::order_specs(row));
    g.WCODIGCONTA = "CX1   ";
  }
  void period(const std::string& account, const char* state, Date start, const char* start_time, Date end = {},
              const char* end_time = "") {
    xbase::Table& re = db.area("RE");
    re.append_blank();
    re.put("C083", account);
    re.put("C099", state);
    re.put("C096", start);
    re.put("C104", start_time);
    re.put("C105", end);
    re.put("C106", end_time);
    re.unlock();
  }
  void at(Date d, int h, int m) { clock.set(os::LocalTime{d, h, m, 0}); }
};

const Date kMarch1 = *Date::ymd(2026, 3, 1);

TEST(CashPeriod, APeriodHoldsFromItsOpeningToItsClosingMinute) {
  const std::string outside = "A hora atual esta fora do caixa de 01/03/2026-08:00 ate 01/03/2026-18:00";
  struct Case {
    int h, m;
    bool holds;
  };
  const Case cases[] = {{7, 59, false}, {8, 0, true}, {12, 0, true}, {18, 0, true}, {18, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.h) + ":" + std::to_string(c.m));
    Periods t;
    t.period("CX1", "A", kMarch1, "08:00", kMarch1, "18:00");
    t.at(kMarch1, c.h, c.m);
    if (!c.holds) t.script().ok(outside);
    EXPECT_EQ(G_CAICO1(t.ctx), c.holds);
    t.screen.expect_done();
    EXPECT_EQ(t.g.V_CAIXCAIX, "CX1   ");
    EXPECT_EQ(t.g.V_CAIXHORA, "CX1   2026030108:00");
  }
  // Across days: the day before the closing passes at any hour.
  Periods days;
  days.period("CX1", "A", kMarch1, "08:00", *Date::ymd(2026, 3, 3), "18:00");
  days.at(*Date::ymd(2026, 3, 2), 23, 59);
  EXPECT_TRUE(G_CAICO1(days.ctx));
  days.at(*Date::ymd(2026, 2, 28), 9, 0);
  days.script().ok("A hora atual esta fora do caixa de 01/03/2026-08:00 ate 03/03/2026-18:00");
  EXPECT_FALSE(G_CAICO1(days.ctx));
  days.screen.expect_done();
}

TEST(CashPeriod, APeriodNotClosedYetRunsOn) {
  Periods t;
  t.period("CX1", "A", kMarch1, "08:00");
  t.at(*Date::ymd(2026, 3, 5), 20, 0);
  EXPECT_TRUE(G_CAICO1(t.ctx));
  t.screen.expect_done();
}

TEST(CashPeriod, NoneOrMoreThanOneOpenPeriodFails) {
  Periods none;
  none.period("CX1", "F", kMarch1, "08:00", kMarch1, "18:00");
  none.period("CX2", "A", kMarch1, "08:00");
  none.at(kMarch1, 9, 0);
  none.script().ok("O Caixa CX1    nao esta Aberto");
  EXPECT_FALSE(G_CAICO1(none.ctx));
  none.screen.expect_done();

  Periods two;
  two.period("CX1", "A", kMarch1, "08:00", kMarch1, "18:00");
  two.period("CX1", "F", kMarch1, "06:00", kMarch1, "07:00");
  two.period("CX1", "A", *Date::ymd(2026, 3, 2), "08:00");
  two.at(kMarch1, 9, 0);
  two.script().ok("Existe mais de um caixa em aberto verifique em M121 e faca a correcao");
  EXPECT_FALSE(G_CAICO1(two.ctx));
  two.screen.expect_done();
  EXPECT_EQ(two.g.V_CAIXHORA, "");
}

TEST(CashPeriod, ThePeriodsTableIsOpenedForTheCheckWhenClosedAndLeftAsFoundWhenOpen) {
  Periods t;
  t.period("CX2", "A", kMarch1, "07:00");
  t.period("CX1", "A", kMarch1, "08:00");
  t.at(kMarch1, 9, 0);
  xbase::Table& re = t.db.area("RE");
  re.set_order(3);
  re.go_top();
  const std::uint32_t recno = re.recno();
  EXPECT_TRUE(G_CAICO1(t.ctx));
  EXPECT_EQ(re.order(), 3);
  EXPECT_EQ(re.recno(), recno);

  t.db.close("RE");
  EXPECT_TRUE(G_CAICO1(t.ctx));
  EXPECT_FALSE(t.db.is_open("RE"));
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::cash::testing
