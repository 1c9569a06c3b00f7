// The F2 list of a form's input: choosing fills the input and the form
// moves on through the input's check; the list leaves its table as it found
// it.

#include <gtest/gtest.h>

#include "platform/runtime/cp1252.hpp"
#include "registry/lookup.hpp"
#include "registry_fixture.hpp"

namespace zelto::registry::testing {
namespace {

const char* const kUnitsList = "M4E1 - Tabela de Unidades de Medida";

// Includes a goods record up to its unit input.
screen::scripted::Script& to_the_unit(screen::scripted::Script& s) {
  return s.type("14").press(Key::Enter).type("sal").press(Key::Enter).focus("C408");
}

TEST(Lookup, SelectingFillsTheInputAndTheFormMovesOnThroughItsCheck) {
  RegistryCtx t;
  to_the_unit(t.script())
      .press(Key::F2)
      .expect(kUnitsList)
      .press(Key::Down)  // by name: LITRO, QUILOGRAMA, UNIDADE
      .type("s")
      .focus("C031")
      .press(Key::Esc)
      .answer(kLeave, true);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, goods_form(Mode::I)));
  t.screen.expect_done();
  EXPECT_EQ(t.g.VG_CONTA2, Decimal(1));
  EXPECT_EQ(t.g.VALIAS, "UD");
  EXPECT_EQ(t.g.VCAM_ARQ, "C408");
  // The row chosen is the one the list showed second.
  bool chose = false;
  for (const auto& e : t.transcript().entries())
    if (e.kind == "row" && e.detail == "s") chose = e.text.find("KG | QUILOGRAMA") != std::string::npos;
  EXPECT_TRUE(chose) << t.transcript().str();
}

TEST(Lookup, TheChosenValueIsWhatTheFormKeeps) {
  RegistryCtx t;
  to_the_unit(t.script())
      .press(Key::F2)
      .press(Key::End)
      .type("s")  // UNIDADE
      .type("2").press(Key::Enter)
      .type("10122026").press(Key::Enter)
      .press(Key::Enter)
      .press(Key::Enter)
      .answer(kConfirm, true);
  EXPECT_TRUE(TELA_LE_CAMPOS(t.ctx, goods_form(Mode::I)));
  t.screen.expect_done();
  EXPECT_EQ(t.tt->text("C408"), "UN");
}

TEST(Lookup, SearchingIsNotAvailableAndTheListLeavesItsTableWhereItStood) {
  RegistryCtx t;
  t.ud->set_order(1);
  ASSERT_TRUE(t.ud->seek("LT"));
  const auto before = t.ud->position();
  t.g.V_PODE_F2 = true;
  t.script().expect(kUnitsList).type("p").ok(runtime::cp1252_to_utf8(kNotAvailable)).button("ESC - Sair");
  EXPECT_FALSE(G_F2TAB(t.ctx, LookupDef{"UD", "C408"}).has_value());
  EXPECT_EQ(t.g.VG_CONTA2, Decimal(0));
  EXPECT_EQ(t.ud->position().recno, before.recno);
  EXPECT_EQ(t.ud->position().order, before.order);

  // Chosen, the value comes back and the table still stands where it was.
  t.g.V_PODE_F2 = true;
  t.script().press(Key::End).type("s");
  const auto chosen = G_F2TAB(t.ctx, LookupDef{"UD", "C408"});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(std::get<std::string>(*chosen), "UN");
  EXPECT_EQ(t.g.VG_CONTA2, Decimal(1));
  EXPECT_EQ(t.ud->position().recno, before.recno);
  EXPECT_FALSE(t.g.V_PODE_F2);  // until the next F2
  EXPECT_FALSE(G_F2TAB(t.ctx, LookupDef{"UD", "C408"}).has_value());
  t.screen.expect_done();
}

TEST(Lookup, AConditionNarrowsTheListOnlyWhileItIsShown) {
  RegistryCtx t;
  EntryScreen form = goods_form(Mode::I);
  form.fields[2].lookup->condition = [](const xbase::Table& u) { return u.text("C408") != "LT"; };
  to_the_unit(t.script())
      .press(Key::F2)
      .press(Key::Home)
      .type("s")  // without LITRO, QUILOGRAMA comes first by name
      .focus("C031")
      .press(Key::Esc)
      .answer(kLeave, true);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, form));
  t.screen.expect_done();
  bool chose_kg = false;
  for (const auto& e : t.transcript().entries())
    if (e.kind == "row" && e.detail == "s") chose_kg = e.text.find("KG | QUILOGRAMA") != std::string::npos;
  EXPECT_TRUE(chose_kg) << t.transcript().str();
  t.ud->set_order(1);
  EXPECT_TRUE(t.ud->seek("LT"));  // no filter left behind
}

TEST(Lookup, AliasesWithoutAListAreNamed) {
  RegistryCtx t;
  EntryScreen form = goods_form(Mode::I);
  form.fields[2].lookup = LookupDef{"XX", "C408"};
  form.fields[3].lookup = LookupDef{"CL", "C036"};
  t.script()
      .type("14").press(Key::Enter)
      .type("sal").press(Key::Enter)
      .ok("Nao Achou o Arquivo n_f2_win 321123 \"XX\"")  // as the unit input gets the focus
      .focus("C408")
      .press(Key::F2)  // nothing opens
      .type("un").press(Key::Enter)
      .focus("C031")
      .press(Key::F2)
      .ok("Nao Achou o Alias g_f2tab CL")
      .press(Key::Esc)
      .answer(kLeave, true);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, form));
  t.screen.expect_done();
}

TEST(Lookup, TheListsOfTheFrontEnd) {
  for (const char* alias : {"ET", "R8", "D5", "UD", "ST", "EP"}) EXPECT_NE(find_lookup_list(alias), nullptr) << alias;
  EXPECT_EQ(find_lookup_list("CL"), nullptr);
  EXPECT_TRUE(lookup_alias_known("CL"));
  EXPECT_TRUE(lookup_alias_known("do"));
  EXPECT_FALSE(lookup_alias_known("XX"));
  EXPECT_EQ(find_lookup_list("UD")->order, 2);
  EXPECT_EQ(find_lookup_list("ET")->order, 0);
}

}  // namespace
}  // namespace zelto::registry::testing
