// The entry form in each mode: what opens, what is written, and what stops
// a save.

#include <gtest/gtest.h>

#include "registry/entry_form.hpp"
#include "registry_fixture.hpp"

namespace zelto::registry::testing {
namespace {

TEST(EntryForm, IncludeStoresTheKeyZeroPaddedAndEveryValueWithTheAfterCall) {
  RegistryCtx t;
  t.add_goods("00000005", "FEIJAO");
  t.tt->go_top();
  t.script()
      .focus("C012").type("12").press(Key::Enter)
      .focus("C030").type("arroz tipo 1").press(Key::Enter)
      .focus("C408").type("kg").press(Key::Enter)
      .focus("C031").type("12.5").press(Key::Enter)
      .focus("C217").type("10122026").press(Key::Enter)
      .focus("C851").press(Key::Enter)  // "T" as it came
      // The note is shown only: Enter now stands on "Continuar".
      .press(Key::Enter)
      .answer(kConfirm, true);
  EXPECT_TRUE(TELA_LE_CAMPOS(t.ctx, goods_form(Mode::I)));
  t.screen.expect_done();
  EXPECT_TRUE(t.g.WOK_TELA_LE_CAMPOS);

  // The table stands on the new record, in its order again.
  xbase::Table& tt = *t.tt;
  EXPECT_EQ(tt.order(), 1);
  EXPECT_EQ(tt.text("C012"), "00000012");
  EXPECT_EQ(tt.text("C030"), runtime::padr("ARROZ TIPO 1", 40));
  EXPECT_EQ(tt.text("C408"), "KG");
  EXPECT_EQ(tt.number("C031"), Decimal::of("12.50"));
  EXPECT_EQ(tt.date("C217"), *Date::ymd(2026, 12, 10));
  EXPECT_EQ(tt.text("C851"), "T");
  EXPECT_EQ(tt.text("C672"), runtime::padr("FIXA", 20));
  EXPECT_EQ(tt.text("C001"), "GER");
  EXPECT_EQ(tt.date("C262"), *Date::ymd(2026, 12, 11));
  EXPECT_EQ(tt.text("C263"), "10:30");
  EXPECT_EQ(t.goods_count(), 2);
  // Unlocked: another station can take it at once.
  xbase::Workspace other{{t.dir.path(), true, {}}};
  open_tables(other, false);
  xbase::Table& theirs = other.area("TT");
  ASSERT_TRUE(theirs.seek("00000012"));
  EXPECT_TRUE(theirs.rlock());
}

TEST(EntryForm, AlterKeepsTheKeyClosedAndReleasesTheLock) {
  RegistryCtx t;
  t.add_goods("00000012", "ARROZ");
  ASSERT_TRUE(t.tt->seek("00000012"));
  ASSERT_TRUE(t.tt->rlock());  // as the change entry does before opening
  EntryScreen form = goods_form(Mode::A);
  load_from_record(form.fields, *t.tt);
  t.script()
      .focus("C030")
      .press(Key::Up)  // nothing above it can take the focus: the key is closed
      .focus("C030")
      .type("feijao").press(Key::Enter)
      .button("Continuar")
      .answer(kConfirm, true);
  EXPECT_TRUE(TELA_LE_CAMPOS(t.ctx, form));
  t.screen.expect_done();
  EXPECT_EQ(t.tt->text("C012"), "00000012");
  EXPECT_EQ(runtime::trim(t.tt->text("C030")), "FEIJAO");
  EXPECT_EQ(t.tt->number("C031"), Decimal::of("2.50"));
  EXPECT_EQ(t.goods_count(), 1);

  // Left without saving, a change form lets its lock go as well.
  ASSERT_TRUE(t.tt->rlock());
  t.script().press(Key::Esc).answer(kLeave, true);
  EntryScreen again = goods_form(Mode::A);
  load_from_record(again.fields, *t.tt);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, again));
  xbase::Workspace other{{t.dir.path(), true, {}}};
  open_tables(other, false);
  ASSERT_TRUE(other.area("TT").seek("00000012"));
  EXPECT_TRUE(other.area("TT").rlock());
}

TEST(EntryForm, ViewShowsWhoRegisteredTheRecordAndHasNoSaveButton) {
  RegistryCtx t;
  t.add_goods("00000012", "ARROZ");
  ASSERT_TRUE(t.tt->seek("00000012"));
  EntryScreen form = goods_form(Mode::V);
  load_from_record(form.fields, *t.tt);
  t.script().expect("Registrado -  por CX1 em 01/12/2026 as 09:15").button("Continuar");
  EXPECT_THROW(TELA_LE_CAMPOS(t.ctx, form), screen::scripted::ScriptError);
  // Leaving a view asks nothing.
  EntryScreen view = goods_form(Mode::V);
  load_from_record(view.fields, *t.tt);
  t.script() = screen::scripted::Script().press(Key::Esc);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, view));
  t.screen.expect_done();
  EXPECT_EQ(t.tt->text("C001"), "CX1");
}

TEST(EntryForm, LeavingAsksAndAConfirmationAnsweredNoKeepsTheFormAsItWas) {
  RegistryCtx t;
  t.script()
      .press(Key::Esc).answer(kLeave, false)
      .type("7").press(Key::Enter)
      .type("sal").press(Key::Enter)
      .type("un").press(Key::Enter)
      .type("3").press(Key::Enter)
      .type("10122026").press(Key::Enter)
      .button("Continuar").answer(kConfirm, false)
      .focus("C851")  // still open, where it was
      .button("ESC - Sair").answer(kLeave, true);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, goods_form(Mode::I)));
  t.screen.expect_done();
  EXPECT_FALSE(t.g.WOK_TELA_LE_CAMPOS);
  EXPECT_EQ(t.tt->reccount(), 0u);
}

TEST(EntryForm, TheKeyMustBeGivenAndNew) {
  RegistryCtx t;
  t.add_goods("00000012", "ARROZ");
  t.script()
      .press(Key::Enter).ok(kKeyEmpty)
      .type("12").press(Key::Enter).ok(kKeyExists)
      .focus("C012")
      .press(Key::Esc).answer(kLeave, true);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, goods_form(Mode::I)));
  t.screen.expect_done();
}

// Moving back over an input with the Up arrow lets its check pass for the
// move only: the save runs every check again and refuses what they refuse.
TEST(EntryForm, TheUpArrowNeverLetsARefusedValueBeSaved) {
  RegistryCtx t;
  t.script()
      .type("13").press(Key::Enter)
      .type("oleo").press(Key::Enter)
      .type("zz").press(Key::Enter).ok(kNotRegistered)
      .press(Key::Up)  // away from the unknown unit
      .focus("C030")
      .button("Continuar").ok(kNotRegistered)
      .focus("C408")
      .type("lt").press(Key::Enter)
      .type("9.9").press(Key::Enter)
      .press(Key::Up)  // away from the empty date
      .button("Continuar").ok(kNoDate)
      .focus("C217")
      .type("10122026").press(Key::Enter)
      .button("Continuar").answer(kConfirm, true);
  EXPECT_TRUE(TELA_LE_CAMPOS(t.ctx, goods_form(Mode::I)));
  t.screen.expect_done();
  EXPECT_EQ(t.goods_count(), 1);
  EXPECT_EQ(t.tt->text("C408"), "LT");
  EXPECT_EQ(t.tt->date("C217"), *Date::ymd(2026, 12, 10));
}

// A data form: every input open from the first, saved by its after-call.
TEST(EntryForm, ADataFormIsSavedByItsAfterCall) {
  RegistryCtx t;
  EntryScreen s;
  s.mode = Mode::D;
  s.title = "M617 - Variaveis de Importacao";
  s.fields = {
      {.label = "Estabelecimento", .value = Text("01"), .picture = "99", .id = "C581"},
      {.label = "Importar Itens ? (S/N)", .value = Text("S"), .picture = "!", .check = G_CONSN(), .id = "C582"},
  };
  Text stored;
  s.after = [&](EntryForm& f) {
    stored = f.text(0) + f.text(1);
    return true;
  };
  t.script()
      .focus("C581").press(Key::Enter)
      .type("x").press(Key::Enter)  // refused without a message
      .type("n").press(Key::Enter)
      .button("&Gravar");
  EXPECT_TRUE(TELA_LE_CAMPOS(t.ctx, s));
  t.screen.expect_done();
  EXPECT_EQ(stored, "01N");

  s.after = {};
  t.script().button("&Gravar").ok(kNoAfterCall).press(Key::Esc);
  EXPECT_FALSE(TELA_LE_CAMPOS(t.ctx, s));
  t.screen.expect_done();
}

TEST(EntryForm, TheAutomaticLayoutPutsSameRowFieldsOnOneLine) {
  RegistryCtx t;
  EntryScreen s = goods_form(Mode::I);
  s.first_row = 16.5;
  s.row_step = 13;
  s.fields[3].step = LayoutStep::SameRow;  // the price beside the unit
  s.fields[4].step = LayoutStep::TwoRows;
  EntryForm form(t.ctx, s);
  std::vector<int> lines;
  for (std::size_t i = 0; i < form.session().field_count(); ++i) lines.push_back(form.session().field(i).line);
  EXPECT_EQ(lines, (std::vector<int>{0, 1, 2, 2, 4, 5, 6}));
}

TEST(EntryForm, MoreThanTwentyOneFieldsOrFourteenTextsAreCutWithAMessage) {
  RegistryCtx t;
  EntryScreen s;
  s.mode = Mode::D;
  for (int i = 0; i < 23; ++i) s.fields.push_back({.label = "Campo", .value = Text("A")});
  for (int i = 0; i < 15; ++i) s.texts.push_back({"Nota"});
  t.script().ok(kTooManyFields).ok(kTooManyTexts);
  EntryForm form(t.ctx, s);
  t.screen.expect_done();
  EXPECT_EQ(form.size(), 21u);
  EXPECT_EQ(form.session().definition().notes.size(), 14u);
}

}  // namespace
}  // namespace zelto::registry::testing
