#pragma once
// The descriptors of an entry form: what each input of a registration
// screen is (label, value, picture, check, table field, stored value,
// lookup, description, state, place) and what the whole form is (mode,
// table, key, after-call, exit check). Screens write these; TELA_LE_CAMPOS
// (entry_form.hpp) gives them life on the one form state machine of the
// screen layer.
//
// The callbacks receive a FieldScope (field_scope.hpp): the form, the field
// they belong to and the run.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/context.hpp"
#include "platform/screen/form.hpp"
#include "platform/xbase/field.hpp"
#include "platform/xbase/table.hpp"

namespace zelto::registry {

using Text = core::Text;
using screen::FieldValue;  // Text of a fixed width, Decimal or Date

class FieldScope;
class EntryForm;

// Include, alter, view, or a data form whose after-call does the saving.
enum class Mode { I, A, V, D };
Text mode_text(Mode mode);  // "I", "A", "V", "D"

// "S": the operator may edit it; "N": shown, never editable; "B": not
// built at all (its value is still stored, as loaded).
enum class FieldState { S, N, B };

// Where the automatic layout puts a field: one row below the previous one,
// on the same row, or two rows below.
enum class LayoutStep { Next, SameRow, TwoRows };

// The validation of an input: true accepts, false keeps the focus there
// (the check shows its own message). It runs when the field is left and
// again, in order, when the form is saved.
using FieldCheck = std::function<bool(FieldScope&)>;
// The text shown beside an input (a code's name), worked out when the form
// opens; checks may change it later.
using FieldDescription = std::function<Text(FieldScope&)>;
// The value written into the table field, when it is not the input's value
// as typed (a number kept as zero-padded digits ...).
using FieldStore = std::function<xbase::Value(FieldScope&)>;

// The F2 list of a field (the arguments of G_F2SIM): the alias of the
// related table, the field whose value the choice brings back, the order
// the list runs in (0 keeps the table's), and a condition the rows must
// meet (empty: every row).
struct LookupDef {
  Text alias{};
  Text field{};
  int order = 0;
  xbase::Table::Filter condition{};
};

struct EntryField {
  Text label{};                  // the label as shown (".:" included when the screen wants it)
  FieldValue value = Text();     // the initial value; a Text is padded to `width`
  std::string picture{};         // "@!", "!!", "999999", "99.99", "99/99/9999"
  int width = 0;                 // text: bytes; number: the STR width (0: from the picture)
  int decimals = 0;              // number: places
  bool input = true;             // false: the row shows only its label
  FieldCheck check{};            // element 7
  Text field{};                  // the table field that receives the value; empty: none
  FieldStore store{};            // the value to store; empty: the input's value
  std::optional<LookupDef> lookup{};   // F2 on the input
  FieldDescription description{};      // the text beside the input
  FieldState state = FieldState::S;
  bool label_right = true;       // labels of the registration screens are right-aligned
  LayoutStep step = LayoutStep::Next;
  double row = 0, col = 0;       // own place, used when the form has no automatic layout
  std::string id{};              // how scripts and screens name it; default: `field`, else "oGetNN"
};

// Plain texts of a form besides its inputs (WSAYSAY): at most 14.
struct ExtraText {
  Text text{};
  double row = 0, col = 0;
};

// Run after the record is stored (modes I and A: with the record still
// locked and current); in mode D it is the saving itself and its answer
// decides whether the form closes.
using AfterCall = std::function<bool(EntryForm&)>;
// Asked before the form closes by any means, with the form's mode.
using ExitCheck = std::function<bool(core::Ctx&, Mode)>;

// The arguments of TELA_LE_CAMPOS.
struct EntryScreen {
  Mode mode = Mode::I;
  Text title{};
  std::vector<EntryField> fields{};  // at most 21
  Text alias{};                      // the table the form writes
  Text code{};                       // the screen code ("M464")
  int key_order = 1;               // the order the key is sought in
  bool numeric_key = false;        // the key is a number stored zero-padded
  int key_width = 0;               // the key's width in the table
  AfterCall after{};
  Text save_caption = "&Gravar";
  Text question = "Confirma";      // asked before the record is written
  std::vector<ExtraText> texts{};
  double first_row = 0;            // automatic layout from this row; 0: the fields' own rows
  double row_step = 0;
  ExitCheck exit_check{};
};

// The registration screens' exit check: the form was confirmed, or it only
// showed a record; otherwise the operator is asked (G_CONF) whether to
// leave ("Deseja voltar", "Deseja abandonar os dados").
ExitCheck ask_before_leaving(Text question);

}  // namespace zelto::registry
