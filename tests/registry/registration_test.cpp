// A registration screen made only of its data: the browse's buttons run
// the forms and the deletion, locks held by other stations are told, uses
// elsewhere keep a record, and "co&lunas" lists the current row.

#include <gtest/gtest.h>

#include "registry_fixture.hpp"
#include "store/catalogue_folder.hpp"

namespace zelto::registry::testing {
namespace {

const char* const kBrowse = "M464-Tabela de Unidades de Medidas";
const char* const kDelete = "Confirma a Exclusao ?     ";
const char* const kUsed = "Nao pode excluir pois possui associado em Item de Estoque.";

Registration units_with_columns(RegistryCtx& t) {
  Registration r = units_screen();
  xbase::Table& ud = *t.ud;
  r.columns = {
      {.header = "C\xF3" "digo", .header_align = screen::Align::Centre,
       .value = [&ud] { return field_cell(ud, "C408"); }, .align = screen::Align::Centre},
      {.header = "Descri\xE7\xE3o", .value = [&ud] { return field_cell(ud, "C409"); }},
  };
  r.references = {{"TT", [](const xbase::Table& goods, const xbase::Table& unit) {
                     return goods.text("C408") == unit.text("C408");
                   },
                   [](const xbase::Table&) { return Text(kUsed); }}};
  return r;
}

// The rows the browse's buttons acted on, as the transcript shows them.
std::vector<std::string> acted_rows(const RegistryCtx& t) {
  std::vector<std::string> rows;
  for (const auto& e : t.transcript().entries())
    if (e.kind == "row") rows.push_back(e.detail + ":" + runtime::trim(e.text.substr(0, 2)));
  return rows;
}

TEST(Registration, IncludeAlterViewAndDeleteFromTheBrowse) {
  RegistryCtx t;
  const Registration units = units_with_columns(t);
  t.script()
      .expect(kBrowse)
      .type("i")
      .expect("M464 - Inclusao de Unidade de Medida")
      .type("mt").press(Key::Enter)
      .type("metro").press(Key::Enter)
      .press(Key::Enter)  // on "Continuar"
      .answer(kConfirm, true)
      .type("a")  // the browse stands on the new unit
      .focus("C409")
      .type("metros").press(Key::Enter)
      .button("Continuar").answer(kConfirm, true)
      .type("v")
      .expect("Registrado -  por GER em 11/12/2026 as 10:30")
      .press(Key::Esc)
      .type("e")
      .answer(kDelete, true)
      .press(Key::Esc);
  show_registration(t.ctx, units);
  t.screen.expect_done();
  EXPECT_EQ(acted_rows(t), (std::vector<std::string>{"i:LT", "a:MT", "v:MT", "e:MT"}));

  // Deleted: invisible, the others as they were.
  t.ud->set_order(1);
  EXPECT_FALSE(t.ud->seek("MT"));
  EXPECT_EQ(t.ud->reccount(), 4u);
  // What the change stored before the deletion.
  t.ud->go_to(4);
  EXPECT_EQ(runtime::trim(t.ud->text("C409")), "METROS");
  EXPECT_EQ(t.ud->text("C001"), "GER");
}

TEST(Registration, AUnitInUseStays) {
  RegistryCtx t;
  t.add_goods("00000001", "ARROZ", "UN");
  const Registration units = units_with_columns(t);
  t.script()
      .press(Key::End)  // UNIDADE
      .type("e")
      .answer(kDelete, true)
      .ok(kUsed)
      .press(Key::Up)  // QUILOGRAMA: nobody uses it
      .type("e")
      .answer(kDelete, false)
      .press(Key::Esc);
  show_registration(t.ctx, units);
  t.screen.expect_done();
  t.ud->set_order(1);
  EXPECT_TRUE(t.ud->seek("UN"));
  EXPECT_TRUE(t.ud->seek("KG"));
  // Neither is left locked.
  xbase::Workspace other{store::testing::folder_options(t.dir.path())};
  open_tables(other, false);
  for (const char* code : {"UN", "KG"}) {
    ASSERT_TRUE(other.area("UD").seek(code));
    EXPECT_TRUE(other.area("UD").rlock()) << code;
  }
}

TEST(Registration, ARecordAnotherStationHoldsIsToldOnceAndNotOpened) {
  RegistryCtx t;
  xbase::Workspace other{store::testing::folder_options(t.dir.path())};
  open_tables(other, false);
  ASSERT_TRUE(other.area("UD").seek("KG"));
  ASSERT_TRUE(other.area("UD").rlock());
  const Registration units = units_with_columns(t);
  t.script()
      .press(Key::Down)  // QUILOGRAMA
      .type("a").ok(kInUse)
      .type("e").ok(kInUse)
      .type("v").press(Key::Esc)  // viewing takes no lock
      .press(Key::Esc);
  show_registration(t.ctx, units);
  t.screen.expect_done();
  std::vector<std::string> forms;
  for (const auto& e : t.transcript().entries())
    if (e.kind == "form") forms.push_back(e.title);
  EXPECT_EQ(forms, std::vector<std::string>{"M464 - Visualiza\u00E7\u00E3o de Unidade de Medida"});
  t.ud->set_order(1);
  EXPECT_TRUE(t.ud->seek("KG"));
}

TEST(Registration, TheColumnsOfTheCurrentRowAreListedThroughATemporaryTable) {
  RegistryCtx t;
  t.add_goods("00000001", "ARROZ");
  t.tt->go_top();
  t.tt->rlock();
  t.tt->put("C031", Decimal::of("1234567.5"));
  t.tt->unlock();
  xbase::Table& tt = *t.tt;
  TableDialog dialog;
  dialog.title = "M999 - Mercadorias";
  dialog.alias = "TT";
  dialog.columns = {
      {.header = "Codigo", .value = [&tt] { return field_cell(tt, "C012"); }},
      {.header = "Valor Unit\xE1rio", .value = [&tt] { return field_cell(tt, "C031"); }, .align = screen::Align::Right},
      {.header = "Data", .value = [&tt] { return field_cell(tt, "C262"); }},
  };
  t.script()
      .type("l")
      .expect("Colunas da Linha Corrente")
      .press(Key::Down)
      .button("ESC-sair")
      .button("ESC-sair");
  TELA_DIALOG(t.ctx, dialog);
  t.screen.expect_done();
  std::vector<std::string> rows;
  for (const auto& e : t.transcript().entries())
    if (e.kind == "row") rows.push_back(e.text);
  ASSERT_EQ(rows.size(), 3u);
  // The list's second row: the header and the value trimmed after one blank
  // (recorded first: the letter's row goes in once its action is over).
  EXPECT_EQ(runtime::rtrim(rows[0]), runtime::padr("Valor Unit\u00E1rio", 41) + " |  1 234 567.50");
  // The browse's own row: the amount as its field shows it.
  EXPECT_EQ(rows[1], "00000001 | 1234567.50 | 01/12/2026");
  EXPECT_FALSE(t.db.is_open("TMPCOL"));
  EXPECT_EQ(t.db.current().alias(), "TT");
}

}  // namespace
}  // namespace zelto::registry::testing
