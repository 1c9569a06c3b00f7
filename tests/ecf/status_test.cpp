// The status check with its clock check, the paper and open-receipt tests,
// and the flag queries, on the emulated printers.

#include <gtest/gtest.h>

#include "ecf/clock_check.hpp"
#include "ecf/impresso.hpp"
#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

TEST(ClockCheck, MinutesBetweenTwoMoments) {
  const Date d = *Date::ymd(2026, 12, 11);
  EXPECT_EQ(G_DIFHOR(d, "10:16", d, "10:00"), 16);
  EXPECT_EQ(G_DIFHOR(d, "10:00", d, "10:16"), -16);
  EXPECT_EQ(G_DIFHOR(d.plus_days(1), "00:05", d, "23:55"), 10);
}

TEST(ClockCheck, FifteenMinutesApartPassSixteenStopTheStatus) {
  PrinterCtx t("BE");
  t.change([](sim::FiscalMemory& m) { m.clock.frozen = at(10, 0); });
  t.clock.set(os::LocalTime{t.clock.now().date, 10, 15, 0});
  EXPECT_TRUE(IMP_FISCAL(t.ctx, "STATUS1").ok);

  t.clock.set(os::LocalTime{t.clock.now().date, 10, 16, 0});
  t.script().button(" OK ");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "STATUS1").ok);
  EXPECT_FALSE(t.g.VRETORIMPRE);
  t.screen.expect_done();
  const auto& e = t.transcript().entries();
  const auto form = std::find_if(e.begin(), e.end(), [](const auto& x) { return x.kind == "form"; });
  ASSERT_NE(form, e.end());
  EXPECT_EQ(form->title, "  -= ZeltoECF =-   Horario do ECF e do Computador em ERRO");
  EXPECT_NE(t.transcript().str().find("=> Diferenca em Minutos..: 16"), std::string::npos) << t.transcript().str();
  EXPECT_NE(t.transcript().str().find("-> Impressora .Data.: 11/12/2026 .Hora.: 10:00"), std::string::npos);
  EXPECT_EQ(t.transcript().texts("tone").size(), 1u);
  // The status kept its own name through the clock read.
  EXPECT_EQ(t.g.WPARERRO, "STATUS1");
}

TEST(Status, AnOpenReceiptAndTheEndOfThePaper) {
  PrinterCtx be("BE");
  ASSERT_TRUE(IMP_FISCAL(be.ctx, "ABRIR_CUPOM").ok);
  be.script().ok("A T E N C A O, EXISTE Cupom Fiscal Aberto.");
  EXPECT_FALSE(IMP_FISCAL(be.ctx, "STATUS1").ok);
  be.faults(fault([](sim::Faults& f) { f.paper = sim::Faults::Paper::End; }));
  be.script().ok("Fim do Papel");
  EXPECT_TRUE(FIM_PAPEL_BEM7(be.ctx));
  EXPECT_EQ(be.g.ST1, 128 + 2);
  be.screen.expect_done();

  PrinterCtx ep("EP");
  ep.faults(fault([](sim::Faults& f) { f.paper = sim::Faults::Paper::End; }));
  ep.script().ok("Erro na Comunicacao com a Impressora\rImpressora sem papel...");
  EXPECT_FALSE(IMP_FISCAL(ep.ctx, "STATUS1").ok);
  EXPECT_FALSE(FIM_PAPEL_BEM7(ep.ctx)) << "Epson's paper is judged by each command";
  ep.screen.expect_done();
}

TEST(Status, LittlePaperAsksOnceOnEveryMake) {
  for (const char* make : {"BE", "EP"}) {
    PrinterCtx t(make);
    t.g.VAVPOUPAPEL = "S";
    t.faults(fault([](sim::Faults& f) { f.paper = sim::Faults::Paper::Low; }));
    t.script().answer("Existe POUCO PAPEL, Continuar ?     ", true);
    EXPECT_TRUE(IMP_FISCAL(t.ctx, "STATUS1").ok) << make;
    EXPECT_TRUE(IMP_FISCAL(t.ctx, "STATUS1").ok) << make;
    EXPECT_FALSE(FIM_PAPEL_BEM7(t.ctx));
    t.screen.expect_done();
  }
}

TEST(Status, FlagQueries) {
  for (const char* make : {"BE", "EP"}) {
    PrinterCtx t(make);
    t.script().ok("Cupom Nao pode ser Cancelado.");
    Answer may = IMP_FISCAL(t.ctx, "PODE_CANCELAR_CUPOM");
    EXPECT_TRUE(may.ok) << make;
    EXPECT_FALSE(may.yes) << "a fresh printer has nothing to cancel";
    if (std::string(make) == "EP") {
      ASSERT_TRUE(IMP_FISCAL(t.ctx, "ABERTURA_ECF").ok);
    }
    ASSERT_TRUE(IMP_FISCAL(t.ctx, "ABRIR_CUPOM").ok);
    EXPECT_TRUE(IMP_FISCAL(t.ctx, "PODE_CANCELAR_CUPOM").yes) << make;
    t.screen.expect_done();
  }
  PrinterCtx t("DA");
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "HORARIO_VERAO").ok);
  EXPECT_TRUE(IMP_FISCAL(t.ctx, "ESTA_HORARIO_VERAO").yes);
  Answer z = IMP_FISCAL(t.ctx, "JA_REDUCAO_Z");
  EXPECT_TRUE(z.ok);
  EXPECT_FALSE(z.yes);
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::ecf::testing
