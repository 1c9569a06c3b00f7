// The fixed-width answers, read back by position the way the program cuts
// them: the last reduction's data, the rate tables, counters, flags and
// status bytes.

#include <gtest/gtest.h>

#include "ecf/core/answers.hpp"

namespace zelto::ecfsim {
namespace {

// 1-based, as the program counts.
std::string cut(const std::string& s, std::size_t pos, std::size_t len) { return s.substr(pos - 1, len); }

ZRecord a_reduction() {
  ZRecord z;
  z.crz = 37;
  z.coo = 4512;
  z.cro = 2;
  z.ccf = 3901;
  z.gnf = 88;
  z.grg = 12;
  z.cdc = 7;
  z.movement = Date{2026, 12, 10};
  z.made = DateTime{Date{2026, 12, 11}, 1, 15, 30};
  z.automatic = false;
  z.gt_start = 123456700;
  z.gt_end = 123498765;
  z.rates = {{1800, false}, {1200, false}, {700, false}, {500, true}};
  z.totals.gross = 42065;
  z.totals.cancellations = 1520;
  z.totals.discounts = 389;
  z.totals.surcharges = 250;
  z.totals.withdrawals = 10000;
  z.totals.supplies = 5000;
  z.totals.by_totaliser = {{"01", 30000}, {"03", 8406}, {"FF", 1750}};
  return z;
}

TEST(Answers, LastReductionDataSitsWhereTheProgramCutsIt) {
  const ZRecord z = a_reduction();
  const std::string d = answers::z_data(z);
  ASSERT_EQ(d.size(), 631u);
  EXPECT_EQ(cut(d, 1, 2), "00");
  EXPECT_EQ(cut(d, 8, 12) + "." + cut(d, 20, 2), "000001234987.65");
  EXPECT_EQ(cut(d, 23, 14), "00000000001520");
  EXPECT_EQ(cut(d, 38, 14), "00000000000389");
  EXPECT_EQ(cut(d, 53, 64), "1800120007000500" + std::string(48, '0'));
  EXPECT_EQ(cut(d, 118, 14), "00000000030000");       // rate 1
  EXPECT_EQ(cut(d, 118 + 14, 14), "00000000000000");  // rate 2
  EXPECT_EQ(cut(d, 118 + 28, 14), "00000000008406");  // rate 3
  EXPECT_EQ(cut(d, 118 + 16 * 14, 14), "00000000001750") << "after the 16 rates: substitution, exempt, not taxed";
  EXPECT_EQ(cut(d, 385, 14), "00000000010000");
  EXPECT_EQ(cut(d, 400, 14), "00000000005000");
  EXPECT_EQ(cut(d, 579, 6), "004512");
  EXPECT_EQ(cut(d, 586, 6), "000088");
  EXPECT_EQ(cut(d, 593, 2), "04");
  EXPECT_EQ(cut(d, 596, 6), "101226");
  EXPECT_EQ(cut(d, 603, 14), "00000000000250");
  EXPECT_EQ(cut(d, 618, 14), "00000000000000");

  ZRecord automatic = z;
  automatic.automatic = true;
  EXPECT_EQ(cut(answers::z_data(automatic), 1, 2), "01");
}

TEST(Answers, EpsonReductionDataCarriesTheDatesWhereTheProgramLooks) {
  const ZRecord z = a_reduction();
  const std::string e = answers::epson_z_data(z);
  ASSERT_EQ(e.size(), 1167u);
  // Date and time of the reduction as ddmmyyyyhhmmss: the program takes 1-4, 7-8 and 9-14.
  EXPECT_EQ(cut(e, 1, 4) + cut(e, 7, 2) + cut(e, 9, 6), "111226011530");
  // Movement date: day at 1160, month at 1162, two-digit year at 1166.
  EXPECT_EQ(cut(e, 1160, 2) + cut(e, 1162, 2) + cut(e, 1166, 2), "101226");
  // From position 23 on, the classic layout.
  EXPECT_EQ(cut(e, 23, 631 - 22), answers::z_data(z).substr(22));
  EXPECT_EQ(cut(e, 633, 18), "000000000123498765");
}

TEST(Answers, RateTablesReadAsTheProgramReadsThem) {
  FiscalMemory m;
  m.rates = {{1800, false}, {1200, false}, {700, false}, {500, true}, {0, false}};
  const std::string classic = answers::rate_table(m);
  ASSERT_EQ(classic.size(), 79u);
  std::string groups;
  for (char c : classic)
    if (c != ',') groups += c;
  EXPECT_EQ(groups.substr(0, 20), "18001200070005000000");
  EXPECT_EQ(groups.substr(20), std::string(44, ' ')) << "slots never programmed stay blank";

  // Epson: records of 23 after the commas go; "T" and four digits from the third character.
  std::string epson;
  for (char c : answers::epson_rate_table(m))
    if (c != ',') epson += c;
  ASSERT_EQ(epson.size(), 5u * 23);
  EXPECT_EQ(epson.substr(0, 1) + epson.substr(2, 4), "T1800");
  EXPECT_EQ(epson.substr(3 * 23, 1) + epson.substr(3 * 23 + 2, 4), "S0500");
}

TEST(Answers, CountersByIndexAndEpsonCounters) {
  FiscalMemory m;
  m.coo = 1234;
  m.ccf = 987;
  m.gnf = 55;
  m.grg = 44;
  m.cdc = 33;
  m.crz = 21;
  m.cro = 3;
  m.user = 1;
  m.last_document = DateTime{Date{2026, 12, 11}, 9, 8, 7};
  m.zs.push_back(a_reduction());
  struct Case {
    const char* index;
    std::string answer;
  };
  const Case cases[] = {{"23", "000003"}, {"28", "000055"}, {"30", "000987"}, {"33", "000044"},
                        {"45", "0033"},   {"74", "11122026090807"}, {"94", "01"}};
  for (const auto& c : cases) EXPECT_EQ(answers::by_index(m, c.index), c.answer) << c.index;
  EXPECT_FALSE(answers::by_index(m, "99"));
  std::string last = *answers::by_index(m, "140");
  ASSERT_EQ(last.size(), 1164u);
  EXPECT_EQ(cut(last, 9, 16) + cut(last, 25, 2), "000000000123498765");
  EXPECT_EQ(cut(last, 27, 16) + cut(last, 43, 2), "000000000123456700");

  std::string e = answers::epson_counters(m);
  ASSERT_EQ(e.size(), 84u);
  EXPECT_EQ(cut(e, 1, 6), "001234");
  EXPECT_EQ(cut(e, 13, 6), "000003");
  EXPECT_EQ(cut(e, 25, 4), "0033");
  EXPECT_EQ(cut(e, 37, 6), "000044");
  EXPECT_EQ(cut(e, 43, 6), "000987");
}

TEST(Answers, StatusBytesFromPaperReceiptAndTheLastCommand) {
  struct Case {
    const char* what;
    Faults::Paper paper;
    bool receipt_open;
    std::uint8_t last_st1, last_st2;
    std::uint8_t st1, st2;
  };
  const Case cases[] = {
      {"all well", Faults::Paper::Ok, false, 0, 0, 0, 0},
      {"paper low", Faults::Paper::Low, false, 0, 0, 64, 0},
      {"paper end", Faults::Paper::End, false, 0, 0, 128, 0},
      {"receipt open", Faults::Paper::Ok, true, 0, 0, 2, 0},
      {"paper end with a receipt open", Faults::Paper::End, true, 0, 0, 130, 0},
      {"last command: unprogrammed rate", Faults::Paper::Ok, false, 0, st2::kRateNotProgrammed, 0, 16},
      {"last command: cancellation refused", Faults::Paper::Ok, true, 0, st2::kCancelNotAllowed, 2, 4},
      {"last command: bad parameter, paper low", Faults::Paper::Low, false, 0, st2::kParameterType, 64, 128},
  };
  for (const auto& c : cases) {
    FiscalMemory m;
    if (c.receipt_open) m.receipt = Receipt{};
    m.last_command.st1 = c.last_st1;
    m.last_command.st2 = c.last_st2;
    answers::StatusBytes s = answers::status_bytes(m, c.paper);
    EXPECT_EQ(s.ack, 6) << c.what;
    EXPECT_EQ(s.st1, c.st1) << c.what;
    EXPECT_EQ(s.st2, c.st2) << c.what;
  }
}

TEST(Answers, FiscalFlags) {
  const DateTime now{Date{2026, 12, 11}, 20, 0, 0};
  FiscalMemory m;
  EXPECT_EQ(answers::fiscal_flags(m, now), 0);
  m.receipt = Receipt{};
  m.summer_time = true;
  EXPECT_EQ(answers::fiscal_flags(m, now), 1 + 4 + 32);
  m.receipt.reset();
  m.zs.push_back(ZRecord{});
  m.zs.back().movement = now.date;
  EXPECT_EQ(answers::fiscal_flags(m, now), 4 + 8);
  m.last_cancellable = true;
  EXPECT_EQ(answers::fiscal_flags(m, now), 4 + 8 + 32);
  EXPECT_EQ(answers::fiscal_flags(m, DateTime{Date{2026, 12, 12}, 0, 0, 0}), 4 + 32) << "a new day";
}

}  // namespace
}  // namespace zelto::ecfsim
