#include "core/globals.hpp"

#include <gtest/gtest.h>

#include <set>

namespace zelto::core {
namespace {

TEST(Globals, StartValuesAndTypes) {
  Globals g;
  EXPECT_EQ(g.VVERSAOECF, "7.901    ");
  EXPECT_EQ(g.VVERSAOECF.size(), 9u);
  EXPECT_EQ(g.VUSU, "GER");
  EXPECT_EQ(g.VIMP_FIS, "BE");
  EXPECT_EQ(g.VSEGUNDOS_TEF, Decimal(13));
  EXPECT_EQ(g.WQUANTPRODU, Decimal(1));
  EXPECT_TRUE(g.VCOMUNICOU_C_IMPRESSORA);
  EXPECT_TRUE(g.W_DATAVENCI.empty());
  EXPECT_EQ(g.V_DPRESTU, "Cons. CH. TecBan");
  ASSERT_EQ(g.VGLOBAL.size(), 83u);
  EXPECT_EQ(g.VGLOBAL[82], "D");
  EXPECT_EQ(g.V_USARPGTO.size(), 20u);
}

TEST(Globals, FoundByNameInAnyCaseAndWritable) {
  Globals g;
  auto ref = g.find("wtotalvalor");
  ASSERT_TRUE(ref);
  *std::get<Decimal*>(*ref) = Decimal::of("12.34");
  EXPECT_EQ(g.WTOTALVALOR, Decimal::of("12.34"));
  EXPECT_TRUE(std::holds_alternative<Text*>(*g.find("V_TIDOCD")));
  EXPECT_TRUE(std::holds_alternative<Decimal*>(*g.find("V_PMAXPI")));
  EXPECT_TRUE(std::holds_alternative<bool*>(*g.find(" VTECLADO_TRAVADO ")));
  EXPECT_TRUE(std::holds_alternative<Date*>(*g.find("W_DATAVENCI")));
  EXPECT_FALSE(g.find("NO_SUCH_SETTING"));
  // Two objects never share a setting.
  Globals other;
  EXPECT_EQ(other.WTOTALVALOR, Decimal(0));
}

TEST(Globals, EveryNameOnce) {
  std::set<std::string_view> seen;
  for (auto n : Globals::names()) EXPECT_TRUE(seen.insert(n).second) << n;
  EXPECT_GT(seen.size(), 200u);
}

}  // namespace
}  // namespace zelto::core

#include "core/services.hpp"

namespace zelto::core {
namespace {

struct PrinterState {
  int loads = 0;
};

TEST(Services, OnePartPerTypeForTheRun) {
  Services s;
  EXPECT_EQ(s.find<PrinterState>(), nullptr);
  EXPECT_THROW(s.get<PrinterState>(), std::logic_error);
  s.emplace<PrinterState>().loads = 2;
  EXPECT_EQ(s.get<PrinterState>().loads, 2);
  s.put(std::make_shared<PrinterState>());  // replaced
  EXPECT_EQ(s.get<PrinterState>().loads, 0);
  s.remove<PrinterState>();
  EXPECT_EQ(s.find<PrinterState>(), nullptr);
}

}  // namespace
}  // namespace zelto::core
