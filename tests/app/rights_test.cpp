// Access rights: exactly the rights recorded for the operator, the service
// operator's every right, and the refusal messages.

#include "app/rights.hpp"

#include <gtest/gtest.h>

#include "operators_fixture.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::app {
namespace {

struct Rights : testing::OperatorsFixture {
  Rights() {
    g.VUSU = "GER";
    grant("GER", "M41");
    grant("GER", "M612");
    grant("GER", "M1234567");
    grant("ANA", "M4");
  }
};

TEST(Rights, AnOperatorHoldsExactlyWhatIsRecordedForIt) {
  Rights t;
  EXPECT_TRUE(G_PERMI1(t.ctx, "M41"));
  EXPECT_FALSE(G_PERMI1(t.ctx, "M4"));     // padded to 8: "M4" is not "M41"
  EXPECT_FALSE(G_PERMI1(t.ctx, "M6"));
  EXPECT_TRUE(G_PERMI1(t.ctx, "m612"));    // upper-cased first
  EXPECT_FALSE(G_PERMI1(t.ctx, "M12345678"));  // too long to be a right; not cut into "M1234567"
  EXPECT_FALSE(G_PERMI1(t.ctx, ""));
  t.g.VUSU = "ANA";
  EXPECT_TRUE(G_PERMI1(t.ctx, "M4"));  // ANA's right, not GER's
  EXPECT_FALSE(G_PERMI1(t.ctx, "M41"));
  EXPECT_TRUE(t.transcript().entries().empty());  // silent either way
}

TEST(Rights, RefusalShowsTheModuleOrTheCallersMessage) {
  Rights t;
  t.script().ok("Este usuario nao tem permissao para acessar o modulo M4").ok("Sem acesso ao Layout do Rodape");
  EXPECT_FALSE(G_PERMIS(t.ctx, "M4      "));
  EXPECT_FALSE(G_PERMIS(t.ctx, "M61", std::string("Sem acesso ao Layout do Rodape")));
  EXPECT_TRUE(G_PERMIS(t.ctx, "M612"));
  t.screen.expect_done();
}

TEST(Rights, TheServiceOperatorHoldsEveryRight) {
  Rights t;
  t.db.close("UM");  // not even the rights table is needed
  t.g.VUSU = "ZEL";
  EXPECT_TRUE(G_PERMIS(t.ctx, "M74"));
  EXPECT_TRUE(G_PERMI1(t.ctx, "IC11311"));
}

TEST(Rights, TheCurrentTableAndTheRightsRecordAreLeftAsFound) {
  Rights t;
  xbase::Table& um = t.db.area("UM");
  um.go_to(3);
  t.db.select("US");
  EXPECT_TRUE(G_PERMI1(t.ctx, "M41"));
  EXPECT_FALSE(G_PERMI1(t.ctx, "M99"));  // a failed seek leaves the table at its end
  EXPECT_EQ(t.db.current().alias(), "US");
  EXPECT_EQ(um.recno(), 3u);
  EXPECT_EQ(um.text("C007"), "M1234567");
}

TEST(Rights, RightsTableThatCannotBeReadRefuses) {
  Rights t;
  t.db.close("UM");
  std::string why;
  try {
    t.db.area("UM");
  } catch (const xbase::Error& e) {
    why = e.what();
  }
  EXPECT_FALSE(G_PERMI1(t.ctx, "M41"));
  EXPECT_TRUE(t.transcript().entries().empty());
  t.script().ok("Nao foi possivel ler as permissoes de acesso (M006.DBF)\n" + why);
  EXPECT_FALSE(G_PERMIS(t.ctx, "M41"));
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::app
