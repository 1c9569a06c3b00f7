// A credit sale with a down payment: the money taken now goes to the cash
// movements, what is owed to the receivables.

#include <gtest/gtest.h>

#include "recording_fixture.hpp"

namespace zelto::sales::recording_testing {
namespace {

TEST(ReceiptRecording, ACreditSaleRecordsItsDownPaymentAndWhatIsOwed) {
  struct Case {
    const char* name;
    int instalments;
    int receivables;
    const char* owed;
  } cases[] = {{"two instalments", 2, 2, "80.00"}, {"no instalment made", 0, 1, "80.00"}};
  for (const Case& c : cases) {
    ReceiptCtx t;
    t.paid_in_cash(d("100.00"), d("0"));
    t.g.NPAGOD = Decimal(0);
    t.g.W_VISTA = "P";
    const auto down = t.g.find("W_NENTRADA");
    ASSERT_TRUE(down && std::holds_alternative<Decimal*>(*down));
    *std::get<Decimal*>(*down) = d("20.00");
    xbase::Table& p2 = t.db.area("P2");
    for (int i = 0; i < c.instalments; ++i) {
      p2.append_blank();
      p2.put("C451", runtime::strzero(Decimal(i + 1), 2));
      p2.put("C453", *runtime::Date::ymd(2027, 1 + i, 10));
      p2.put("C454", d("40.00"));
      p2.put("C700", d("40.00"));
    }
    GR_CUPOM(t.ctx, 'D');
    ASSERT_EQ(t.count("MV"), 1) << c.name;
    EXPECT_EQ(t.first("MV").number("C076"), d("20.00")) << c.name << ": the down payment";
    EXPECT_EQ(t.first("MV").text("C130"), "DI") << c.name;
    ASSERT_EQ(t.count("CR"), c.receivables) << c.name;
    Decimal owed;
    for (xbase::Table& cr = t.first("CR"); !cr.eof(); cr.skip()) owed += cr.number("C700");
    EXPECT_EQ(owed, d(c.owed)) << c.name;
  }
}

}  // namespace
}  // namespace zelto::sales::recording_testing
