// Faults set through the control file give the answers asked for, and the
// fiscal memory stays whole and consistent through them.

#include "library.hpp"
#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

class BematechFaults : public ::testing::Test {
 protected:
  PrinterFolder f{Make::BE};
  InFolder here{f.path()};
  Library lib{Make::BE, true};

  int open() { return lib.call("Bematech_FI_AbreCupom", ""); }
  int sell() {
    return lib.call("Bematech_FI_VendeItemDepartamento", "00000000000001", "ARROZ", "1800", "000010000", "0001000",
                    "0000000000", "0000000000", "01", "UN");
  }
  std::string coo(int expected_return) {
    Buffer b(6);
    EXPECT_EQ(lib.call("Bematech_FI_NumeroCupom", b.data()), expected_return);
    return b.text();
  }
  answers::StatusBytes status() {
    Buffer ack(3), st1(3), st2(3);
    EXPECT_EQ(lib.call("Bematech_FI_VerificaEstadoImpressora", ack.data(), st1.data(), st2.data()), 1);
    return {static_cast<std::uint8_t>(ack.text()[0]), static_cast<std::uint8_t>(st1.text()[0]),
            static_cast<std::uint8_t>(st2.text()[0])};
  }
};

TEST_F(BematechFaults, FailingCommandsReturnTheCodeAndDoNothing) {
  Faults x;
  x.fail = 2;
  x.fail_code = -27;
  f.set_faults(x);
  EXPECT_EQ(open(), -27);
  EXPECT_EQ(open(), -27);
  EXPECT_FALSE(f.memory().receipt);
  EXPECT_EQ(open(), 1);
  EXPECT_EQ(f.memory().receipt->coo, 2);
  EXPECT_FALSE(load_faults(f.path()).any_pending());
}

TEST_F(BematechFaults, ALostAnswerLeavesTheBuffersBlankOrReturnsZeroButTheCommandWasDone) {
  Faults x;
  x.lose = 1;
  f.set_faults(x);
  EXPECT_EQ(coo(1), "      ");
  EXPECT_EQ(coo(1), "000001");

  x.lose_zero = true;
  x.after = 1;  // the opening passes
  f.set_faults(x);
  ASSERT_EQ(open(), 1);
  // The item is sold though the program hears 0: a second try sells it again.
  EXPECT_EQ(sell(), 0);
  EXPECT_EQ(f.memory().receipt->items.size(), 1u);
  EXPECT_EQ(sell(), 1);
  EXPECT_EQ(f.memory().receipt->items.size(), 2u);
}

TEST_F(BematechFaults, PowerLostMidReceiptLeavesItOpenForTheNextCommand) {
  Faults x;
  x.power_loss = true;
  x.after = 2;  // the opening and the first item pass
  f.set_faults(x);
  ASSERT_EQ(open(), 1);
  ASSERT_EQ(sell(), 1);
  EXPECT_EQ(sell(), 0);
  FiscalMemory m = f.memory();
  ASSERT_TRUE(m.receipt);
  EXPECT_EQ(m.receipt->items.size(), 1u);
  EXPECT_TRUE(f.roll_has(centred("*** QUEDA DE ENERGIA ***", 48)));
  // Back on, the printer still holds the receipt.
  EXPECT_EQ(open(), -27);
  answers::StatusBytes s = status();
  EXPECT_EQ(s.st1, st1::kReceiptOpen);
  Buffer flags(3);
  ASSERT_EQ(lib.call("Bematech_FI_FlagsFiscais", flags.data()), 1);
  EXPECT_EQ(flags.text()[0] & 1, 1);
  EXPECT_EQ(sell(), 1);
}

TEST_F(BematechFaults, NoCommunicationUntilCleared) {
  Faults x;
  x.comm = -1;
  f.set_faults(x);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(open(), 0);
  EXPECT_EQ(coo(0), "      ");
  FiscalMemory m = f.memory();
  EXPECT_FALSE(m.receipt);
  EXPECT_FALSE(m.last_command.answered);
  f.set_faults(Faults{});
  EXPECT_EQ(open(), 1);
  EXPECT_TRUE(f.memory().receipt);
}

TEST_F(BematechFaults, PaperLowWarnsAndPaperEndStopsPrintingButNotQueries) {
  Faults x;
  x.paper = Faults::Paper::Low;
  f.set_faults(x);
  EXPECT_EQ(status().st1, st1::kPaperLow);
  ASSERT_EQ(open(), 1);
  x.paper = Faults::Paper::End;
  f.set_faults(x);
  EXPECT_EQ(sell(), -27);
  answers::StatusBytes s = status();
  EXPECT_EQ(s.st1, st1::kPaperEnd | st1::kReceiptOpen);
  EXPECT_EQ(coo(1), "000002");
  EXPECT_TRUE(f.memory().receipt->items.empty());
}

TEST(EpsonFaults, TheStateReadTellsOfALostLineAndMeetsNoFaultItself) {
  PrinterFolder f(Make::EP);
  InFolder here(f.path());
  Library lib(Make::EP, true);
  auto state = [&](std::string& printer, std::string& code) {
    Buffer p(17), fi(17), c(5), m(101);
    int r = lib.call("EPSON_Obter_Estado_ImpressoraEX", p.data(), fi.data(), c.data(), m.data());
    printer = p.text().substr(0, 16);
    code = c.text().substr(0, 4);
    return r;
  };
  Faults x;
  x.comm = 1;
  f.set_faults(x);
  EXPECT_NE(lib.call("EPSON_RelatorioFiscal_Abrir_Jornada"), 0);
  std::string printer, code;
  EXPECT_EQ(state(printer, code), 1);
  EXPECT_EQ(printer[0], '1') << "offline";
  EXPECT_FALSE(f.memory().day.open);
  EXPECT_EQ(lib.call("EPSON_RelatorioFiscal_Abrir_Jornada"), 0);
  EXPECT_EQ(state(printer, code), 0);
  EXPECT_EQ(printer, std::string(16, '0'));
  EXPECT_EQ(code, "0000");

  x = Faults{};
  x.fail = 1;
  x.fail_code = 1234;
  x.paper = Faults::Paper::Low;
  f.set_faults(x);
  EXPECT_EQ(lib.call("EPSON_Fiscal_Abrir_Cupom", "", "", "", "", ""), 1234);
  EXPECT_EQ(state(printer, code), 1);
  EXPECT_EQ(code, "1234");
  EXPECT_EQ(printer[15], '1') << "little paper";
  EXPECT_FALSE(f.memory().receipt);
}

}  // namespace
}  // namespace zelto::ecfsim::testing
