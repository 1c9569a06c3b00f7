// The login window played headless: who gets in, what each refusal shows,
// and that the post-login set-up runs only after verified credentials.

#include "app/login.hpp"

#include <gtest/gtest.h>

#include "app/login_credentials.hpp"
#include "operators_fixture.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::app {
namespace {

using screen::Key;
using screen::scripted::ScriptError;

const std::string kQuitQuestion = "Deseja Finalizar a Execucao do Sistema Zelto ?     ";
const std::string kNoOperatorQuestion = "A Senha Nao Foi Digitado, Deseja Sair do ZeltoECF ?     ";

struct Login : testing::OperatorsFixture {
  int setups = 0;
  LoginSteps steps;

  Login() {
    add_operator("GER", "abc123");
    add_operator("INA", "abc123", "N");
    add_operator_stored("BLK", "      ");
    steps.TESTANDO = [this](core::Ctx& c, screen::Progress& meter) {
      ++setups;
      meter.set_value(1);
      // Runs while the login window is still up: the form has not closed.
      EXPECT_TRUE(transcript().texts("form closed").empty());
      EXPECT_TRUE(c.g.WUSOK);
      EXPECT_FALSE(c.g.WCONTINUA);
      return true;
    };
  }

  bool log_in() {
    const bool logged_in = SENHA_USUARIO(ctx, steps);
    screen.expect_done();
    return logged_in;
  }

  int boxes() const {
    int n = 0;
    for (const auto& e : transcript().entries()) n += e.kind == "error" || e.kind == "alert" || e.kind == "info";
    return n;
  }
};

TEST(Login, VerifiedOperatorRunsTheSetUpThenTheWindowCloses) {
  Login t;
  t.script().type("ger").press(Key::Enter).type("abc123").press(Key::Enter);  // typed in lower case
  EXPECT_TRUE(t.log_in());
  EXPECT_EQ(t.setups, 1);
  EXPECT_EQ(t.g.VUSU, "GER");
  EXPECT_EQ(t.g.VSENHA, "ABC123");
  EXPECT_TRUE(t.g.WUSOK);
  EXPECT_TRUE(t.g.WCONTINUA);
  EXPECT_FALSE(t.run.end_requested);

  const auto& e = t.transcript().entries();
  auto at = [&](const std::string& kind, const std::string& detail = "") {
    for (std::size_t i = 0; i < e.size(); ++i)
      if (e[i].kind == kind && (detail.empty() || e[i].detail == detail)) return i;
    return e.size();
  };
  const std::size_t meter = at("progress", "of 421");
  ASSERT_LT(meter, e.size());
  EXPECT_EQ(e[meter].title, "LOGIN ZELTO SISTEMAS");
  EXPECT_EQ(e[meter + 1].text, "Espere, Configurando o Ambiente de Trabalho...");
  EXPECT_EQ(at("form"), 0u);
  EXPECT_EQ(e[0].title, "LOGIN ZELTO SISTEMAS");
  EXPECT_GT(at("form closed", "confirmed"), meter);
}

TEST(Login, EveryRefusalKeepsTheWindowAndNeverRunsTheSetUp) {
  struct Case {
    const char* name;
    std::string code, password, message;  // no message: refused silently
  };
  const std::string code_of_the_day = Login().service_code();
  std::string other_code = code_of_the_day;
  other_code[0] = other_code[0] == '9' ? '0' : static_cast<char>(other_code[0] + 1);
  const Case cases[] = {
      {"short code", "GE", "abc123", ""},
      {"unknown operator", "XYZ", "abc123", kCredentialsRefused},
      {"wrong password", "GER", "abc124", kCredentialsRefused},
      {"inactive operator", "INA", "abc123", kCredentialsRefused},
      {"wrong service code", "ZEL", other_code, ""},
      {"blank stored password, nothing typed", "BLK", "", kCredentialsRefused},
      {"blank stored password, a password typed", "BLK", "abc123", kCredentialsRefused},
      {"accented letter in the password", "GER", "ab\xC3\xA7" "123", kPasswordCharacters},  // abç123
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Login t;
    t.script().type(c.code).press(Key::Enter);
    if (!c.password.empty()) t.script().type(c.password);
    t.script().press(Key::Enter);
    if (!c.message.empty()) t.script().ok(c.message);
    t.script().focus(kOperatorField).press(Key::Esc).answer(kQuitQuestion, true);
    EXPECT_FALSE(t.log_in());
    EXPECT_EQ(t.setups, 0);
    EXPECT_EQ(t.boxes(), c.message.empty() ? 0 : 1);
    EXPECT_FALSE(t.g.WUSOK);
    EXPECT_FALSE(t.g.WCONTINUA);
    EXPECT_EQ(t.g.VSENHA, "      ");  // the password was cleared
    EXPECT_EQ(t.run.reason, "SAIR_ECF");
    EXPECT_FALSE(t.db.is_open("US"));  // leaving closes every table
  }
}

TEST(Login, AttemptsAreUnlimitedAndTheLastOneCounts) {
  Login t;
  t.script()
      .type("GER").press(Key::Enter).type("errada").press(Key::Enter).ok(kCredentialsRefused)
      .type("XYZ").press(Key::Enter).type("abc123").press(Key::Enter).ok(kCredentialsRefused)
      .type("GER").press(Key::Enter).type("abc123").press(Key::Enter);
  EXPECT_TRUE(t.log_in());
  EXPECT_EQ(t.setups, 1);
  EXPECT_EQ(t.g.VUSU, "GER");
}

TEST(Login, UpAndEscOnlyMoveAroundTheWindow) {
  Login t;
  t.script()
      .type("GER").press(Key::Enter).type("abc123")
      .press(Key::Up).focus(kOperatorField)       // back without a check or a message
      .press(Key::Esc).answer(kQuitQuestion, false)  // the window stays
      .press(Key::Enter).focus(kPasswordField)
      .press(Key::Enter);                          // the password typed before Up is still there
  EXPECT_TRUE(t.log_in());
  EXPECT_EQ(t.setups, 1);
  EXPECT_EQ(t.boxes(), 0);
}

TEST(Login, ServiceOperatorWithTheCodeOfTheDay) {
  Login t;  // "ZEL" is not in the operators table and needs not be
  t.script().type("zel").press(Key::Enter).type(t.service_code()).press(Key::Enter);
  EXPECT_TRUE(t.log_in());
  EXPECT_EQ(t.g.VUSU, "ZEL");
  EXPECT_EQ(t.setups, 1);

  Login late;
  const std::string yesterdays = late.service_code();
  late.clock.set(os::LocalTime{*runtime::Date::ymd(2026, 12, 12), 0, 5, 0});
  late.script().type("ZEL").press(Key::Enter).type(yesterdays).press(Key::Enter)
      .focus(kOperatorField).button("ESC - Sair").answer(kQuitQuestion, true);
  EXPECT_FALSE(late.log_in());
  EXPECT_EQ(late.setups, 0);
}

TEST(Login, BlankOperatorAsksWhetherToLeave) {
  Login stay;
  stay.script().press(Key::Enter).press(Key::Enter).answer(kNoOperatorQuestion, false)
      .focus(kOperatorField).type("GER").press(Key::Enter).type("abc123").press(Key::Enter);
  EXPECT_TRUE(stay.log_in());
  EXPECT_EQ(stay.boxes(), 0);
  const auto questions = stay.transcript().entries();
  bool no_preselected = false;
  for (const auto& e : questions)
    if (e.kind == "question") no_preselected = e.detail.find("(no preselected)") != std::string::npos;
  EXPECT_TRUE(no_preselected);

  Login leave;
  int orderly_ends = 0;
  leave.steps.FECHA_SISTEMA = [&](core::Ctx& c) {
    ++orderly_ends;
    c.run.request_end("FECHA_SISTEMA");
    return true;
  };
  leave.script().press(Key::Enter).press(Key::Enter).answer(kNoOperatorQuestion, true);
  EXPECT_FALSE(leave.log_in());
  EXPECT_EQ(orderly_ends, 1);
  EXPECT_EQ(leave.setups, 0);
  EXPECT_EQ(leave.run.reason, "FECHA_SISTEMA");
}

TEST(Login, Buttons) {
  Login t;
  int rebuilds = 0;
  t.steps.REINDEXAR = [&](core::Ctx&) { ++rebuilds; };
  t.script()
      .type("GER").press(Key::Enter)
      .button("&Reindexar").focus(kOperatorField)
      .press(Key::Enter)
      .button("ESC - Sair").answer(kQuitQuestion, false).focus(kOperatorField)
      .press(Key::Enter).type("abc123")
      .button("&Continuar");  // from the password field it logs in as Enter would
  EXPECT_TRUE(t.log_in());
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(t.setups, 1);

  Login without_rebuild;
  without_rebuild.script().button("&Reindexar");
  EXPECT_THROW(SENHA_USUARIO(without_rebuild.ctx, without_rebuild.steps), ScriptError);  // disabled
}

TEST(Login, SetUpThatCannotFinishEndsTheRun) {
  Login t;
  t.steps.TESTANDO = [](core::Ctx&, screen::Progress&) { return false; };
  t.script().type("GER").press(Key::Enter).type("abc123").press(Key::Enter);
  EXPECT_FALSE(t.log_in());
  EXPECT_FALSE(t.g.WCONTINUA);
  EXPECT_EQ(t.run.reason, "TESTANDO");
}

TEST(Login, OperatorsTableThatCannotBeReadIsReported) {
  Login t;
  std::string why;
  t.db.close("US");
  try {
    t.db.area("US");
  } catch (const xbase::Error& e) {
    why = e.what();
  }
  t.script().type("GER").press(Key::Enter).type("abc123").press(Key::Enter)
      .ok(std::string(kOperatorsUnreadable) + "\n" + why)
      .focus(kOperatorField).press(Key::Esc).answer(kQuitQuestion, true);
  EXPECT_FALSE(t.log_in());
  EXPECT_EQ(t.setups, 0);
}

}  // namespace
}  // namespace zelto::app
