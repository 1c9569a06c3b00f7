#pragma once
// The pattern every registration screen shares, so that a screen is its
// data: a browse of the table (TELA_DIALOG) with "&Visualizar",
// "&Incluir", "&Alterar" and "&Excluir", each running the entry form
// (TELA_LE_CAMPOS) in its mode or the deletion.
//
//   Registration units{.browse_title = "M464-Tabela de Unidades de Medidas", .alias = "UD", .order = 2,
//                      .columns = {...}, .form_code = "M464",
//                      .titles = {"Inclusao de Unidade de Medida", "Alteracao de Unidade de Medida",
//                                 "Visualiza\xE7\xE3o de Unidade de Medida"},
//                      .fields = [](core::Ctx&, Mode) { return std::vector<EntryField>{...}; },
//                      .key_width = 2,
//                      .references = {{"IT", uses_unit, [](auto&) { return Text("Nao pode excluir ..."); }}}};
//   show_registration(ctx, units);
//
// Changing: one attempt at the record's lock (G_EM_USO); when another
// station holds it the form does not open. The form's values come from the
// record (load_from_record) unless the screen loads them itself.
//
// Deleting: one lock attempt and "Confirma a Exclusao" (or the question
// first and the lock last), then the screen's reference checks, each a scan
// of the other table from its first record; the first use found shows its
// message and the record stays. Otherwise the record is deleted and the
// browse stands on the next one.

#include <array>
#include <functional>
#include <vector>

#include "registry/entry_form.hpp"
#include "registry/table_dialog.hpp"

namespace zelto::registry {

// A use of the record elsewhere that forbids deleting it.
struct ReferenceCheck {
  Text alias{};  // the table scanned
  // Whether the scanned table's current record uses the record to delete.
  std::function<bool(const xbase::Table& other, const xbase::Table& record)> uses{};
  std::function<Text(const xbase::Table& other)> message{};
};

struct Registration {
  // The browse.
  Text code{};          // the screen code
  Text browse_title{};  // as shown
  Text alias{};
  int order = 0;  // the order the browse runs in; 0 keeps the table's
  bool from_top = true;
  std::vector<ColumnDef> columns{};
  int frozen = 2;
  // The form: titled form_code + " - " + the mode's title.
  Text form_code{};
  std::array<Text, 3> titles{};  // include, change, view
  // The descriptors of a mode, with the initial values of an include.
  std::function<std::vector<EntryField>(core::Ctx&, Mode)> fields{};
  bool load_record = true;  // modes A and V read the values from the record
  int key_order = 1;
  bool numeric_key = false;
  int key_width = 0;
  AfterCall after{};
  Text save_caption = "Continuar";
  double first_row = 16.5, row_step = 13;
  std::vector<ExtraText> texts{};
  Text exit_question = "Deseja voltar";
  // Run after each form (the operators table back on the operator, an
  // order set after an include ...), with the mode and whether it saved.
  std::function<void(core::Ctx&, Mode, bool saved)> afterwards{};
  // Deleting.
  Text delete_question = "Confirma a Exclusao";
  bool ask_before_locking = false;
  std::vector<ReferenceCheck> references{};
};

void show_registration(core::Ctx& ctx, const Registration& screen);

// The browse's buttons; each works on the table's current record.
bool include_record(core::Ctx& ctx, const Registration& screen);
bool change_record(core::Ctx& ctx, const Registration& screen);
bool view_record(core::Ctx& ctx, const Registration& screen);
bool delete_record(core::Ctx& ctx, const Registration& screen);

// The entry form of one mode, as the buttons run it.
EntryScreen entry_screen(core::Ctx& ctx, const Registration& screen, Mode mode);

}  // namespace zelto::registry
