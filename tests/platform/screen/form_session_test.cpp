#include "platform/screen/form_session.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelto::screen {
namespace {

using runtime::Date;
using runtime::Decimal;

// A registration form in miniature: a key, a related code checked against
// a list (accepting Up as the way back), an amount, a date; "&Gravar" and
// "ESC - Sair".
struct Fixture {
  std::vector<std::string> log;
  FormSpec def;

  Fixture() {
    def.title = "M999 Teste";
    def.fields.push_back(Field::text("key", "Codigo", "", 6, "999999"));
    Field uf = Field::text("uf", "Estado", "", 2, "!!");
    uf.check = [this](FormSession& f) {
      log.push_back("check uf " + key_name(f.last_key()));
      if (f.last_key() == Key::Up) return true;
      const bool ok = f.text("uf") == "SP" || f.text("uf") == "RJ";
      f.set_description(f.index_of("uf"), ok ? "existe" : "");
      return ok;
    };
    uf.on_focus = [this](FormSession&) { log.push_back("focus uf"); };
    def.fields.push_back(uf);
    def.fields.push_back(Field::number("price", "Preco", Decimal(0), 10, 2, "9999999.99"));
    def.fields.push_back(Field::date("day", "Data", Date()));
    def.buttons.push_back({.caption = "&Gravar", .action = [this](FormSession& f) { log.push_back("gravar"); f.confirm(); }});
    def.buttons.push_back({.caption = "ESC - Sair", .action = [](FormSession& f) { f.cancel(); }});
  }
};

std::string focus_of(const FormSession& f) {
  if (auto i = f.focused_field()) return f.field(*i).id;
  if (auto b = f.focused_button()) return "button:" + f.definition().buttons[*b].caption;
  return "-";
}

TEST(FormSession, EnterAndUpMoveThroughChecksThatSeeTheLastKey) {
  Fixture fx;
  FormSession f(fx.def);
  f.start();
  EXPECT_EQ(focus_of(f), "key");
  f.type_text("12");
  f.press(Key::Enter);
  EXPECT_EQ(f.text("key"), "12    ");
  EXPECT_EQ(focus_of(f), "uf");

  f.type_text("mg");
  f.press(Key::Enter);  // refused: not in the list
  EXPECT_EQ(focus_of(f), "uf");
  EXPECT_EQ(f.text("uf"), "MG");
  f.press(Key::Up);  // the check lets the operator go back with a bad code
  EXPECT_EQ(focus_of(f), "key");
  f.press(Key::Enter);
  f.press(Key::Home);
  f.type_text("sp");
  f.press(Key::Tab);
  EXPECT_EQ(focus_of(f), "price");
  EXPECT_EQ(f.field("uf").description, "existe");
  EXPECT_EQ(fx.log, (std::vector<std::string>{"focus uf", "check uf Enter", "check uf Up", "focus uf", "check uf Tab"}));
}

TEST(FormSession, ValuesAreTypedThroughTheirPictures) {
  Fixture fx;
  FormSession f(fx.def);
  f.start();
  f.focus(2);
  f.type_text("1234,5");
  f.press(Key::Enter);
  EXPECT_EQ(f.number("price"), Decimal::of("1234.50"));
  EXPECT_EQ(f.display(2), "   1234.50");

  // An impossible date keeps the focus and the old value.
  f.type_text("31022026");
  f.press(Key::Enter);
  EXPECT_EQ(focus_of(f), "day");
  EXPECT_TRUE(f.date("day").empty());
  f.press(Key::Home);
  f.type_text("11122026");
  f.press(Key::Enter);
  EXPECT_EQ(f.date("day"), Date::ymd(2026, 12, 11));
  // Past the last field the focus goes to the first button.
  EXPECT_EQ(focus_of(f), "button:&Gravar");
  f.press(Key::Enter);
  EXPECT_EQ(f.outcome(), FormOutcome::Confirmed);
}

TEST(FormSession, DisabledAndHiddenFieldsAreSkippedBothWays) {
  Fixture fx;
  fx.def.fields[1].enabled = false;
  fx.def.fields[2].visible = false;
  FormSession f(fx.def);
  f.start();
  f.press(Key::Enter);
  EXPECT_EQ(focus_of(f), "day");
  f.press(Key::Up);
  EXPECT_EQ(focus_of(f), "key");
  f.press(Key::Up);  // nothing before the first field
  EXPECT_EQ(focus_of(f), "key");
}

TEST(FormSession, AReadOnlyFieldIsShownButNeverOpened) {
  Fixture fx;
  fx.def.fields[1].read_only = true;
  FormSession f(fx.def);
  f.start();
  f.set_enabled(1, true);  // opening every input leaves it closed
  f.press(Key::Enter);
  EXPECT_EQ(focus_of(f), "price");
  f.press(Key::Up);
  EXPECT_EQ(focus_of(f), "key");
  f.click_field(1);
  EXPECT_EQ(focus_of(f), "key");
  EXPECT_EQ(f.display(1), "  ");
}

TEST(FormSession, ACheckMayPlaceTheFocusItself) {
  // The key check of an inclusion: opens the other inputs, closes the key,
  // and moves on to the second input by itself.
  Fixture fx;
  for (std::size_t i = 1; i < fx.def.fields.size(); ++i) fx.def.fields[i].enabled = false;
  fx.def.fields[0].check = [](FormSession& f) {
    if (f.text("key") == "      ") return false;
    for (std::size_t i = 1; i < f.field_count(); ++i) f.set_enabled(i, true);
    f.set_enabled(0, false);
    f.focus(2);
    return true;
  };
  FormSession f(fx.def);
  f.start();
  f.press(Key::Enter);
  EXPECT_EQ(focus_of(f), "key");
  f.type_text("7");
  f.press(Key::Enter);
  EXPECT_EQ(focus_of(f), "price");
  EXPECT_FALSE(f.field("key").enabled);
}

TEST(FormSession, F2LookupFillsTheFieldAndSendsEnter) {
  Fixture fx;
  fx.def.fields[1].on_f2 = [](FormSession& f) {
    f.set_value("uf", Text("RJ"));
    f.press(Key::Enter);
  };
  FormSession f(fx.def);
  f.start();
  f.press(Key::Enter);
  f.press(Key::F2);
  EXPECT_EQ(f.text("uf"), "RJ");
  EXPECT_EQ(focus_of(f), "price");
  EXPECT_EQ(fx.log.back(), "check uf Enter");
}

TEST(FormSession, ButtonsHotKeysAndClosing) {
  Fixture fx;
  int asked = 0;
  fx.def.can_close = [&](FormSession& f) {
    ++asked;
    return f.outcome() == FormOutcome::Confirmed || asked > 1;  // "Deseja voltar" answered no, then yes
  };
  FormSession f(fx.def);
  f.start();
  f.type_text("55");
  EXPECT_FALSE(f.press_hot_key('x'));
  f.press(Key::Esc);
  EXPECT_TRUE(f.open());
  // A button keeps what was typed without running the field's check.
  EXPECT_TRUE(f.press_hot_key('g'));
  EXPECT_EQ(f.text("key"), "55    ");
  EXPECT_EQ(f.outcome(), FormOutcome::Confirmed);
  EXPECT_EQ(fx.log, (std::vector<std::string>{"gravar"}));

  FormSession g(fx.def);
  g.start();
  g.set_button_enabled(0, false);
  EXPECT_FALSE(g.press_hot_key('G'));
  g.press(Key::Esc);
  EXPECT_EQ(g.outcome(), FormOutcome::Cancelled);
}

TEST(FormSession, ClickingAnotherFieldChecksTheOneLeft) {
  Fixture fx;
  FormSession f(fx.def);
  f.start();
  f.focus(1);
  f.type_text("XX");
  f.click_field(3);
  EXPECT_EQ(focus_of(f), "uf");
  EXPECT_EQ(fx.log.back(), "check uf None");
}

TEST(FormSession, PictureChangeReshowsTheValue) {
  FormSpec def;
  def.fields.push_back(Field::text("doc", "CPF/CNPJ", "12345678000199", 18, "@R 99.999.999/9999-99"));
  FormSession f(def);
  f.start();
  EXPECT_EQ(f.display(0), "12.345.678/0001-99");
  f.set_picture(0, "@R 999.999.999-99");
  EXPECT_EQ(f.display(0), "123.456.780-00");
}

}  // namespace
}  // namespace zelto::screen
