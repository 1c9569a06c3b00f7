#pragma once
// The F2 lookup of a form's input: the list of a related table the operator
// picks a code from while typing. An input with a lookup records it when it
// gets the focus (G_F2SIM; G_F2NAO for inputs without one); F2 opens the
// list (G_F2TAB, shown by G_DISPL6); "&Selecionar" brings the chosen row's
// field back into the input, and the form then goes on as if Enter had
// been pressed there, so the input's check judges the chosen value.
//
// The lookup state other screens read stays in the settings: VALIAS (the
// table looked up), VCAM_GET and WSETFOCUSVOLTA (the input receiving the
// choice), VCAM_ARQ (the field taken), V_PODE_F2 (F2 allowed now),
// VG_CONTA2 (1 after a choice).

#include <optional>
#include <string_view>
#include <vector>

#include "core/context.hpp"
#include "platform/screen/browse_session.hpp"
#include "registry/entry_field.hpp"

namespace zelto::registry {

inline constexpr const char* kNotAvailable = "N\xE3o dispon\xEDvel";

// One list of G_F2TAB.
struct LookupColumn {
  Text field{};
  Text header{};
  std::string picture{};  // how the value is shown; empty: as stored
};
struct LookupList {
  Text alias{};
  Text title{};  // shown after the code and " - "
  Text code{};
  std::vector<LookupColumn> columns{};
  int order = 0;  // 0: the order the caller set
};

// The lists a form can open; nullptr for an alias without one.
const LookupList* find_lookup_list(std::string_view alias);
// The aliases G_F2SIM accepts (a few have no list: G_F2TAB refuses those).
bool lookup_alias_known(std::string_view alias);

// The got-focus action of an input with a lookup. False after "Nao Achou o
// Arquivo n_f2_win 321123 " and the alias in double quotes, for an alias it
// does not know; F2 then does nothing.
bool G_F2SIM(core::Ctx& ctx, const LookupDef& lookup, const Text& target);
// The got-focus action of an input without a lookup.
bool G_F2NAO(core::Ctx& ctx);
// The list of the lookup's table when V_PODE_F2 allows it: the chosen row's
// field value, or nothing when the list was left without a choice. The
// table gets its order, record and filter back afterwards. An alias without
// a list gives "Nao Achou o Alias g_f2tab " and the alias.
std::optional<xbase::Value> G_F2TAB(core::Ctx& ctx, const LookupDef& lookup);
// The list window over the table as it stands (order and filter set), from
// its top: "ESC - Sair", "&Selecionar", "&Procurar".
std::optional<xbase::Value> G_DISPL6(core::Ctx& ctx, const LookupList& list, const Text& field);
// The list's "&Selecionar": the current row's field, VG_CONTA2 = 1, the
// list closed.
void S_SELE_F2(core::Ctx& ctx, screen::BrowseSession& list, const Text& alias, const Text& field,
               std::optional<xbase::Value>& chosen);
// The list's "&Procurar": "Não disponível".
void P_SELE_F2(core::Ctx& ctx);

// F2 on descriptor `field` of an entry form.
void lookup_into(EntryForm& form, std::size_t field);

}  // namespace zelto::registry
