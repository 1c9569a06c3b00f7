#pragma once
// The field checks of the entry forms: each returns true to accept, or
// shows its message (where it has one) and refuses.
//
// Many accept at once when the operator leaves the input with the Up arrow
// (FieldScope::moving_back), so that he can go back to an earlier input;
// the save runs them again without that way out.
//
//   EntryField unit{.label = "Unidade de Medida", .value = Text("  "), .picture = "!!",
//                   .check = G_CONTA2(units), .field = "C408",
//                   .lookup = LookupDef{"UD", "C408"}, .description = code_description(units)};

#include <string>
#include <utility>
#include <vector>

#include "registry/field_scope.hpp"

namespace zelto::registry {

inline constexpr const char* kNotRegistered = "Nao existe este registro cadastrado na tabela.";
inline constexpr const char* kInvalidField = "Campo Invalido";
inline constexpr const char* kMustBeAboveZero = "Este Valor tem que ser Maior que zero...";
inline constexpr const char* kNotBelowZero = "Este Valor nao pode ser menor que zero...";
inline constexpr const char* kNotInformed = "O Campo nao foi informado...";
inline constexpr const char* kNoDate = "A data nao foi informada ...";
inline constexpr const char* kDateBeforeToday = "A data e menor que a atual, Confirma";
inline constexpr const char* kBadPeriod = "Data de inicio nao pode ser maior que a final";
inline constexpr const char* kCodeInTable = "Ja Existe este Codigo Cadastrado nesta Tabela";
inline constexpr const char* kFieldEmpty = "Este Campo Nao pode ser Vazio...";
inline constexpr const char* kValueZero = "Este Valor Nao pode ser Zero...";
inline constexpr const char* kValueNegative = "Este Valor tem que ser Maior que Zero...";
inline constexpr const char* kAll = "TODOS";

// The key of a record being included (the form's first input; entry forms
// only): not empty (not zero when numeric) and not yet in the key's order.
// Accepted, it opens the other inputs, closes the key and moves on to the
// second input. "O Codigo nao pode estar Vazio", "Ja Existe este Codigo
// Cadastrado".
FieldCheck CON_CODIGO();

// A code that must exist in a related table: sought in `order`; when it is
// missing the table is set to `restore` (0: left as it is). The found
// record's description is shown beside the input. With allow_all an empty
// code (zero when numeric) stands for every code and shows "TODOS".
struct CodeLookup {
  Text alias{};
  int order = 1;
  int restore = 0;
  std::function<Text(const xbase::Table&)> description{};
  bool allow_all = false;
  bool numeric = false;
  // A number typed into the input is sought as zero-padded digits of this
  // width ("000012"); 0 seeks its plain digits.
  int key_width = 0;
};
// G_CONTA2 as a check (its mode "S"): the Up arrow, "TODOS" with
// allow_all, or a code found; otherwise "Nao existe este registro
// cadastrado na tabela.". AUTPLI ends false after an accepted code, true
// otherwise. The lookup table stays selected.
FieldCheck G_CONTA2(CodeLookup lookup);
// G_CONTA2 as a description (its mode "E"): the found record's description,
// "TODOS" with allow_all for an empty code or a missing one, else "".
FieldDescription code_description(CodeLookup lookup);
// The older form: the Up arrow, or a code found (its description shown);
// otherwise the message and the restore order.
FieldCheck G_CONT_2(CodeLookup lookup);

// A value from a fixed list, whose label is shown: "Campo Invalido".
FieldCheck G_CON_SN(std::vector<std::pair<Text, Text>> values_and_labels);
// "S" (shows "SIM") or "N" (shows "NAO"); anything else is refused without
// a message.
FieldCheck G_CONSN();
FieldCheck G_CONV_L();     // above zero
FieldCheck G_CONVA0();     // zero or more
FieldCheck G_222CONSTR();  // not empty (no way back over it)
FieldCheck G_CONDAT();     // a date
// A date; one before today only after "A data e menor que a atual,
// Confirma" is answered yes.
FieldCheck G_CONDA1();
// On the end of a period: the start (the input named `start_id`) not after it.
FieldCheck G_CONPER(std::string start_id);
// A new code not yet in `order` of the table; the table's order and record
// come back, then the restore order is set.
FieldCheck G_CONARQ(Text alias, int order, int restore);
// An amount above zero; zero only when allow_zero ("Este Valor Nao pode ser
// Zero..."); never negative ("Este Valor tem que ser Maior que Zero...").
FieldCheck G_CONVAL(bool allow_zero);
// A text not empty, unless allow_empty ("Este Campo Nao pode ser Vazio...").
FieldCheck G_CONSTR(bool allow_empty);

}  // namespace zelto::registry
