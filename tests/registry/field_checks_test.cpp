// Each field check on the values it accepts and refuses, with its message,
// the text it shows beside the input, and whether the Up arrow lets the
// operator past it.

#include <gtest/gtest.h>

#include "registry/field_checks.hpp"
#include "registry_fixture.hpp"

namespace zelto::registry::testing {
namespace {

struct Case {
  const char* name;
  FieldCheck check;
  FieldValue value;
  bool up = false;            // the operator leaves the input with the Up arrow
  bool accepted = false;
  const char* message = "";   // the error box shown, if any
  const char* described = nullptr;  // the text left beside the input
};

std::vector<Case> cases() {
  const auto today = *Date::ymd(2026, 12, 11);
  const CodeLookup all_units{.alias = "UD", .order = 1, .restore = 2, .allow_all = true};
  return {
      {"CONV_L zero", G_CONV_L(), Decimal(0), false, false, kMustBeAboveZero},
      {"CONV_L zero, moving back", G_CONV_L(), Decimal(0), true, true},
      {"CONV_L above zero", G_CONV_L(), Decimal::of("0.01"), false, true},
      {"CONVA0 negative", G_CONVA0(), Decimal(-1), false, false, kNotBelowZero},
      {"CONVA0 zero", G_CONVA0(), Decimal(0), false, true},
      {"222CONSTR empty", G_222CONSTR(), Text("   "), false, false, kNotInformed},
      {"222CONSTR empty has no way back", G_222CONSTR(), Text("   "), true, false, kNotInformed},
      {"CONDAT empty", G_CONDAT(), Date(), false, false, kNoDate},
      {"CONDAT empty, moving back", G_CONDAT(), Date(), true, true},
      {"CONDA1 empty", G_CONDA1(), Date(), false, false, kNoDate},
      {"CONDA1 today", G_CONDA1(), today, false, true},
      {"CON_SN outside the list", G_CON_SN({{"A", "Arredondar"}, {"T", "Truncar"}}), Text("X"), false, false,
       kInvalidField},
      {"CON_SN in the list", G_CON_SN({{"A", "Arredondar"}, {"T", "Truncar"}}), Text("A"), false, true, "",
       "Arredondar"},
      {"CONSN other", G_CONSN(), Text("X"), false, false},
      {"CONSN yes", G_CONSN(), Text("S"), false, true, "", "SIM"},
      {"CONSN no", G_CONSN(), Text("N"), false, true, "", "NAO"},
      {"CONVAL zero", G_CONVAL(false), Decimal(0), false, false, kValueZero},
      {"CONVAL zero allowed", G_CONVAL(true), Decimal(0), false, true},
      {"CONVAL negative", G_CONVAL(true), Decimal(-3), false, false, kValueNegative},
      {"CONVAL on a text", G_CONVAL(false), Text("12  "), false, true},
      {"CONSTR empty", G_CONSTR(false), Text("  "), false, false, kFieldEmpty},
      {"CONSTR empty allowed", G_CONSTR(true), Text("  "), false, true},
      {"CONSTR empty, moving back", G_CONSTR(false), Text("  "), true, true},
      {"CONTA2 unknown", G_CONTA2(units_lookup()), Text("ZZ"), false, false, kNotRegistered, ""},
      {"CONTA2 unknown, moving back", G_CONTA2(units_lookup()), Text("ZZ"), true, true},
      {"CONTA2 known", G_CONTA2(units_lookup()), Text("KG"), false, true, "", "QUILOGRAMA"},
      {"CONTA2 empty as all", G_CONTA2(all_units), Text("  "), false, true, "", "TODOS"},
      {"CONT_2 unknown", G_CONT_2(units_lookup()), Text("ZZ"), false, false, kNotRegistered},
      {"CONT_2 known", G_CONT_2(units_lookup()), Text("LT"), false, true, "", "LITRO"},
      {"CONARQ taken", G_CONARQ("UD", 1, 2), Text("KG"), false, false, kCodeInTable},
      {"CONARQ new", G_CONARQ("UD", 1, 2), Text("MT"), false, true},
  };
}

TEST(FieldChecks, EachAcceptsRefusesAndTellsAsItShould) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    RegistryCtx t;
    screen::FormSpec layout;
    screen::Field f = std::holds_alternative<Decimal>(c.value)
                          ? screen::Field::number("v", "Valor", std::get<Decimal>(c.value), 10, 2)
                          : std::holds_alternative<Date>(c.value)
                                ? screen::Field::date("v", "Data", std::get<Date>(c.value))
                                : screen::Field::text("v", "Valor", std::get<Text>(c.value),
                                                      static_cast<int>(std::get<Text>(c.value).size()));
    layout.fields.push_back(f);
    screen::FormSession form(layout);
    form.start();
    if (c.up) form.press(Key::Up);  // no check on the input yet: the key is only recorded
    form.set_description(0, "antes");
    if (*c.message) t.script().ok(c.message);
    FieldScope scope(t.ctx, form, 0, false);
    EXPECT_EQ(c.check(scope), c.accepted);
    t.screen.expect_done();
    if (c.described) {
      EXPECT_EQ(runtime::trim(form.field(0).description), c.described);
    }
  }
}

TEST(FieldChecks, TheSaveRunsThemWithoutTheWayBack) {
  RegistryCtx t;
  screen::FormSpec layout;
  layout.fields.push_back(screen::Field::number("v", "Valor", Decimal(0), 10, 2));
  screen::FormSession form(layout);
  form.start();
  form.press(Key::Up);
  FieldScope leaving(t.ctx, form, 0, false);
  EXPECT_TRUE(G_CONV_L()(leaving));
  FieldScope saving(t.ctx, form, 0, true);
  t.script().ok(kMustBeAboveZero);
  EXPECT_FALSE(G_CONV_L()(saving));
  t.screen.expect_done();
}

TEST(FieldChecks, CodeLookupsLeaveTheTableAsTheOtherScreensExpect) {
  RegistryCtx t;
  screen::FormSpec layout;
  layout.fields.push_back(screen::Field::text("v", "Unidade", "ZZ", 2));
  screen::FormSession form(layout);
  form.start();
  FieldScope scope(t.ctx, form, 0, false);
  t.script().ok(kNotRegistered);
  EXPECT_FALSE(G_CONTA2(units_lookup())(scope));
  EXPECT_EQ(t.ud->order(), 2);  // missing: the restore order
  EXPECT_TRUE(t.g.AUTPLI);
  form.set_value(0, Text("UN"));
  EXPECT_TRUE(G_CONTA2(units_lookup())(scope));
  EXPECT_EQ(t.ud->order(), 1);  // found: on the record, in the order sought
  EXPECT_EQ(t.ud->text("C408"), "UN");
  EXPECT_EQ(t.db.current().alias(), "UD");
  EXPECT_FALSE(t.g.AUTPLI);

  // The description beside an input, as the form opens.
  const CodeLookup all{.alias = "UD", .order = 1, .restore = 2,
                       .description = [](const xbase::Table& u) { return runtime::trim(u.text("C409")); },
                       .allow_all = true};
  form.set_value(0, Text("LT"));
  EXPECT_EQ(code_description(all)(scope), "LITRO");
  form.set_value(0, Text("ZZ"));
  EXPECT_EQ(code_description(all)(scope), "TODOS");
  EXPECT_EQ(code_description(units_lookup())(scope), "");

  // A new code of another table: its order and record come back, then the restore order.
  t.ud->set_order(1);
  ASSERT_TRUE(t.ud->seek("LT"));
  const auto lt = t.ud->recno();
  form.set_value(0, Text("MT"));
  EXPECT_TRUE(G_CONARQ("UD", 1, 2)(scope));
  EXPECT_EQ(t.ud->recno(), lt);
  EXPECT_EQ(t.ud->order(), 2);
}

TEST(FieldChecks, ADateBeforeTodayIsAskedAndAPeriodMustNotRunBackwards) {
  RegistryCtx t;
  screen::FormSpec layout;
  layout.fields.push_back(screen::Field::date("inicio", "Inicio", *Date::ymd(2026, 12, 20)));
  layout.fields.push_back(screen::Field::date("fim", "Fim", *Date::ymd(2026, 12, 1)));
  screen::FormSession form(layout);
  form.start();
  FieldScope end(t.ctx, form, 1, false);
  t.script()
      .answer("A data e menor que a atual, Confirma ?     ", false)
      .answer("A data e menor que a atual, Confirma ?     ", true)
      .ok(kBadPeriod);
  EXPECT_FALSE(G_CONDA1()(end));
  EXPECT_TRUE(G_CONDA1()(end));
  EXPECT_FALSE(G_CONPER("inicio")(end));
  form.set_value(0, *Date::ymd(2026, 11, 30));
  EXPECT_TRUE(G_CONPER("inicio")(end));
  t.screen.expect_done();
}

TEST(FieldChecks, PlainFormsUseThemOnTheFieldBeingLeft) {
  RegistryCtx t;
  screen::FormSpec layout;
  screen::Field flag = screen::Field::text("C894", "Avisar ? (S/N)", "S", 1, "!");
  flag.check = field_check(t.ctx, G_CONSN());
  layout.fields.push_back(flag);
  layout.fields.push_back(screen::Field::text("C890", "Fotos ? (S/N)", "N", 1, "!"));
  screen::FormSession form(layout);
  form.start();
  form.type_text("x");
  form.press(Key::Enter);
  EXPECT_EQ(form.focused_field(), 0u);
  form.type_text("n");
  form.press(Key::Enter);
  EXPECT_EQ(form.focused_field(), 1u);
  EXPECT_EQ(form.field(0).description, "NAO");
}

}  // namespace
}  // namespace zelto::registry::testing
