// Numbers as the registration screens show them, the digits of a typed
// document, and the frames of the program's own dialogs.

#include <gtest/gtest.h>

#include "registry/dialog_frame.hpp"
#include "registry/number_format.hpp"

namespace zelto::registry {
namespace {

using runtime::Decimal;

TEST(NumberFormat, STRTRGroupsThousandsWhenVMILHARHolds) {
  core::Globals g;
  ASSERT_TRUE(g.VMILHAR);  // set at start
  EXPECT_EQ(STRTR(g, Decimal::of("1234.5"), 12, 2), "1.234,50");
  EXPECT_EQ(STRTR(g, Decimal(-123), 12, 2), "-123,00");
  EXPECT_EQ(STRTR(g, Decimal::of("-1234567.891"), 15, 3), "-1.234.567,891");
  EXPECT_EQ(STRTR(g, Decimal(18), 6, 2), "18,00");
  g.VMILHAR = false;
  EXPECT_EQ(STRTR(g, Decimal::of("1234.5"), 12, 2), "1234.50");
  EXPECT_EQ(STRTR(g, Decimal(7), 10), "7");
}

TEST(NumberFormat, G_SO_NROTakesDigitsCutsAndPads) {
  struct Case {
    const char* text;
    int length;
    const char* kind;
    char fill;
    const char* side;
    const char* result;
  };
  const Case cases[] = {
      {"11.222.333/0001-81", 14, "N", '0', "E", "11222333000181"},
      {"123.456.789-09", 14, "N", '0', "E", "00012345678909"},
      {"123.456.789-09", 14, "N", ' ', "D", "12345678909   "},
      {"123.456.789-09", 5, "N", '0', "E", "12345"},
      {"12-3", 6, "N", '0', "", "123"},
      {"12-3", 4, "C", '*', "D", "****"},
  };
  for (const Case& c : cases) EXPECT_EQ(G_SO_NRO(c.text, c.length, c.kind, c.fill, c.side), c.result) << c.text;
}

TEST(DialogFrame, TitlesAndSizes) {
  const screen::FormSpec tela = G_TELA("M611 - Modulo de Variaveis de Configuracao", 1, 0, 34, 93);
  EXPECT_EQ(tela.title, "-= ZeltoECF =- M611 - Modulo de Variaveis de Configuracao");
  EXPECT_EQ(tela.geometry, (screen::Rect{0, 16, 93 * 8, 33 * 16}));
  const screen::FormSpec dialog = G_DIALOG("Procurar", 10, 20, 210, 420);
  EXPECT_EQ(dialog.title, "Procurar");
  EXPECT_EQ(dialog.geometry, (screen::Rect{20, 10, 400, 200}));
}

}  // namespace
}  // namespace zelto::registry
