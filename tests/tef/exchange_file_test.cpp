// The files of the exchange: how a manager's file is read, how a request is
// written, and the request numbers.

#include <gtest/gtest.h>

#include <fstream>

#include "tef/exchange_file.hpp"
#include "tef/manager_folder.hpp"
#include "tef/request_number.hpp"
#include "tef/requests.hpp"
#include "tef_fixture.hpp"

namespace zelto::tef {
namespace {

using testing::TefCheckout;

TEST(ExchangeFile, ReadsAManagersFileLeniently) {
  const std::string long_value(250, 'x');
  const ExchangeFile f = ExchangeFile::parse(
      "000-000 = CRT\r\n"
      "\r\n"
      "   001-000 = 12   \n"
      "030-000 = PRIMEIRA\f\r029-001 = \"NA MESMA LINHA\"\n"
      "029-002 = " + long_value + "\n"
      "010-000 = REDECARD\n010-000 = OUTRA\n"
      "027-000 =\n"
      "011-000");
  EXPECT_EQ(f.field("000-000"), "CRT");
  EXPECT_EQ(f.field("001-000"), "12");
  EXPECT_EQ(f.field("030-000"), "PRIMEIRA\f");
  EXPECT_EQ(f.field("029-001"), "\"NA MESMA LINHA\"");
  EXPECT_EQ(f.field("029-002"), std::string(190, 'x'));  // lines are cut to 200
  EXPECT_EQ(f.field("010-000"), "REDECARD");
  EXPECT_EQ(f.field("027-000"), "");
  EXPECT_TRUE(f.has("011-000"));
  EXPECT_FALSE(f.has("012-000"));
  EXPECT_EQ(f.field("012-000"), "");
  EXPECT_EQ(f.lines().size(), 9u);
}

TEST(Requests, ACardPaymentOfTwelveFiftyOnReceipt345) {
  TefCheckout t;
  t.g().WAUXNUM = 345;
  t.g().NPAGOA = runtime::Decimal::of("12.5");
  EXPECT_EQ(compose(transaction_request("CRT", "17", t.g())),
            "000-000 = CRT\r\n001-000 = 17\r\n002-000 = 345\r\n003-000 = 1250\r\n004-000 = 0\r\n"
            "777-777 =  TESTE TECBAN\r\n999-999 = 0\r\n");
  EXPECT_EQ(compose(transaction_request("CHB", "18", t.g())),
            "000-000 = CHQ\r\n001-000 = 18\r\n002-000 = 345\r\n003-000 = 8000\r\n999-999 = 0\r\n");
  EXPECT_EQ(compose(transaction_request("ATV", "19", t.g())), "000-000 = ATV\r\n001-000 = 19\r\n999-999 = 0\r\n");
  const TransactionRef ref{"345", "1250", "REDECARD", "10", "000001", "11122026", "9000001"};
  EXPECT_EQ(compose(settlement_request("NCN", "20", ref)),
            "000-000 = NCN\r\n001-000 = 20\r\n002-000 = 345\r\n010-000 = REDECARD\r\n012-000 = 000001\r\n"
            "027-000 = 9000001\r\n999-999 = 0\r\n");
}

TEST(RequestNumber, AManagersAnswerNamesItsRequestByItsDigits) {
  EXPECT_TRUE(names_request("7", "7"));
  EXPECT_TRUE(names_request("0000000007", "7"));
  EXPECT_FALSE(names_request("8", "7"));
  EXPECT_FALSE(names_request("", "7"));
  EXPECT_FALSE(names_request("7A", "7"));
}

TEST(RequestNumber, CountsUpUnderTheLockAndStartsAgainAfterTheLargest) {
  TefCheckout t;
  EXPECT_EQ(next_request_number(t.ctx), 1);  // an empty counters table gets its record
  EXPECT_EQ(next_request_number(t.ctx), 2);
  auto& nv = t.s.db.area("NV");
  ASSERT_TRUE(nv.rlock());
  nv.put("C781", runtime::Decimal(9999999999LL));
  nv.unlock();
  EXPECT_EQ(request_number_text(next_request_number(t.ctx)), "1");
  EXPECT_FALSE(nv.holds_lock(nv.recno()));
}

TEST(ManagerFolder, EachManagerHasItsFolderBelowTheData) {
  zelto::testing::TempDir data;
  EXPECT_EQ(manager_folder_text("TEC"), "\\tef_disc\\");
  EXPECT_EQ(manager_folder_text("HIP"), "\\HiperTEF\\");
  EXPECT_EQ(manager_folder_text("CRT"), "\\tef_dial\\");
  EXPECT_EQ(ManagerFolder(data.path(), "CRT").root(), data.path() / "tef" / "tef_dial");
  EXPECT_EQ(ManagerFolder(data.path(), "HIP").file("resp\\IntPos.Sts"),
            data.path() / "tef" / "HiperTEF" / "resp" / "IntPos.Sts");
  // A manager's own spelling of a name is found.
  std::filesystem::create_directories(data.path() / "TEF" / "TEF_DISC" / "RESP");
  std::ofstream(data.path() / "TEF" / "TEF_DISC" / "RESP" / "INTPOS.STS") << "x";
  EXPECT_EQ(ManagerFolder(data.path(), "TEC").file("resp\\IntPos.Sts"),
            data.path() / "TEF" / "TEF_DISC" / "RESP" / "INTPOS.STS");
}

}  // namespace
}  // namespace zelto::tef
