// The supervisor's authorisation: a verified supervisor holding the right
// grants; everything else refuses, with a message unless cancelled.

#include "app/supervisor.hpp"

#include <gtest/gtest.h>

#include "app/login_credentials.hpp"
#include "operators_fixture.hpp"

namespace zelto::app {
namespace {

using screen::Key;

const std::string kRefused = "Supervisor ou Senha NAO Conferem, operacao nao autorizada ...";

struct Supervisor : testing::OperatorsFixture {
  Supervisor() {
    g.VUSU = "GER";
    add_operator("GER", "abc123");
    add_operator("SUP", "chefe1");
    add_operator("OLD", "chefe1", "N");
    add_operator("FIS", "fiscal");
    grant("SUP", "M74");
    grant("OLD", "M74");
    grant("FIS", "M8");
  }
  void authorise(const std::string& who, const std::string& password) {
    script().type(who).press(Key::Enter).type(password).press(Key::Enter);
  }
};

TEST(SupervisorAuthorisation, ASupervisorHoldingTheRightGrants) {
  Supervisor t;
  t.authorise("sup", "chefe1");
  EXPECT_TRUE(M11111AV(t.ctx, "M74"));
  t.screen.expect_done();
  EXPECT_TRUE(t.transcript().texts("error").empty());
  EXPECT_EQ(t.transcript().entries().front().title, "Autorizacao do Supervisor");
  EXPECT_EQ(t.g.VUSU, "GER");  // the operator stays who he was

  Supervisor by_button;
  by_button.script().type("SUP").press(Key::Enter).type("chefe1").button("&Autorizar");
  EXPECT_TRUE(M11111AV(by_button.ctx, "M74"));

  Supervisor maker;
  maker.authorise("ZEL", maker.service_code());
  EXPECT_TRUE(M11111AV(maker.ctx, "M74"));
}

TEST(SupervisorAuthorisation, EveryRefusalSaysWhy) {
  struct Case {
    const char* name;
    std::string code, who, password, message;
  };
  const Case cases[] = {
      {"wrong password", "M74", "SUP", "chefe2", kRefused},
      {"unknown supervisor", "M74", "XYZ", "chefe1", kRefused},
      {"short code", "M74", "SU", "chefe1", kRefused},
      {"inactive supervisor", "M74", "OLD", "chefe1", kRefused},
      {"wrong service code", "M74", "ZEL", "000000", kRefused},
      {"accented password", "M74", "SUP", "ch\xC3\xA9" "fe1", kPasswordCharacters},
      {"supervisor without the right", "M74", "FIS", "fiscal", "O supervisor FIS nao tem permissao para autorizar o modulo M74"},
      {"a right that only begins the same", "M7", "SUP", "chefe1", "O supervisor SUP nao tem permissao para autorizar o modulo M7"},
      {"the operator himself", "M74", "GER", "abc123", "O supervisor GER nao tem permissao para autorizar o modulo M74"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Supervisor t;
    if (c.who == "ZEL" && t.service_code() == c.password) continue;  // the day's code by chance
    t.authorise(c.who, c.password);
    t.script().ok(c.message);
    EXPECT_FALSE(M11111AV(t.ctx, c.code));
    t.screen.expect_done();
  }
}

TEST(SupervisorAuthorisation, CancellingRefusesQuietly) {
  Supervisor esc;
  esc.script().type("SUP").press(Key::Esc);
  EXPECT_FALSE(M11111AV(esc.ctx, "M74"));
  Supervisor button;
  button.script().type("SUP").button("&Cancelar");
  EXPECT_FALSE(M11111AV(button.ctx, "M74"));
  for (auto* t : {&esc, &button}) {
    t->screen.expect_done();
    EXPECT_TRUE(t->transcript().texts("error").empty());
  }
}

}  // namespace
}  // namespace zelto::app
