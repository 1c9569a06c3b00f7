#include "registry/lookup.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/picture.hpp"
#include "platform/runtime/text.hpp"
#include "registry/entry_form.hpp"
#include "registry/table_dialog.hpp"
#include "registry/value_convert.hpp"

namespace zelto::registry {

bool G_F2SIM(core::Ctx& ctx, const LookupDef& lookup, const Text& target) {
  ctx.g.V_PODE_F2 = false;
  if (!lookup_alias_known(lookup.alias)) {
    core::G_ERRO(ctx, "Nao Achou o Arquivo n_f2_win 321123 \"" + lookup.alias + "\"");
    return false;
  }
  ctx.g.VALIAS = runtime::upper(lookup.alias);
  ctx.g.VCAM_GET = target;
  ctx.g.WSETFOCUSVOLTA = target;
  ctx.g.VCAM_ARQ = lookup.field;
  return true;
}

bool G_F2NAO(core::Ctx& ctx) {
  ctx.g.V_PODE_F2 = false;
  return true;
}

void S_SELE_F2(core::Ctx& ctx, screen::BrowseSession& list, const Text& alias, const Text& field,
               std::optional<xbase::Value>& chosen) {
  const xbase::Table& table = ctx.db.area(alias);
  if (table.eof()) return;  // an empty list has nothing to choose
  chosen = table.get(field);
  ctx.g.VG_CONTA2 = 1;
  list.close();
}

void P_SELE_F2(core::Ctx& ctx) { core::G_ALERT(ctx, kNotAvailable); }

std::optional<xbase::Value> G_DISPL6(core::Ctx& ctx, const LookupList& list, const Text& field) {
  xbase::Table& table = ctx.db.area(list.alias);
  table.go_top();
  std::vector<std::function<Text()>> columns;
  std::vector<Text> headings;
  for (const LookupColumn& c : list.columns) {
    const Text name = c.field;
    const std::string picture = c.picture;
    columns.push_back([&table, name, picture] {
      const Text shown = cell_text(field_cell(table, name));
      return picture.empty() ? shown : runtime::transform(shown, picture);
    });
    headings.push_back(c.header);
  }
  std::optional<xbase::Value> chosen;
  const Text alias = list.alias;
  std::vector<core::BrowseWindowButton> buttons = {
      {"ESC - Sair", [](core::Ctx&, screen::BrowseSession& b) { core::FINALIZABRW(b); }},
      {"&Selecionar",
       [&chosen, alias, field](core::Ctx& c, screen::BrowseSession& b) { S_SELE_F2(c, b, alias, field, chosen); }},
      {"&Procurar", [](core::Ctx& c, screen::BrowseSession&) { P_SELE_F2(c); }},
  };
  core::G_DISPL2(ctx, list.code + " - " + list.title, 1, 1, 29, 95, list.alias, std::move(columns),
                 std::move(headings), std::move(buttons));
  return chosen;
}

std::optional<xbase::Value> G_F2TAB(core::Ctx& ctx, const LookupDef& lookup) {
  if (!ctx.g.V_PODE_F2) return std::nullopt;
  const LookupList* list = find_lookup_list(lookup.alias);
  if (!list) {
    core::G_ERRO(ctx, "Nao Achou o Alias g_f2tab " + lookup.alias);
    return std::nullopt;
  }
  ctx.g.VG_CONTA2 = 0;
  xbase::Table& table = ctx.db.area(list->alias);
  const xbase::Position before = table.position();
  // The condition holds for the list only: left in place it would hide
  // rows from every later seek in the table.
  if (lookup.condition) table.set_filter(lookup.condition);
  else table.clear_filter();
  const int order = list->order > 0 ? list->order : lookup.order;
  if (order > 0) table.set_order(order);
  std::optional<xbase::Value> chosen;
  try {
    chosen = G_DISPL6(ctx, *list, lookup.field);
  } catch (...) {
    table.clear_filter();
    table.restore(before);
    throw;
  }
  table.clear_filter();
  table.restore(before);
  ctx.g.V_PODE_F2 = false;
  return chosen;
}

void lookup_into(EntryForm& form, std::size_t field) {
  const EntryField& e = form.descriptor(field);
  if (!e.lookup || !lookup_alias_known(e.lookup->alias)) return;
  form.ctx().g.V_PODE_F2 = true;
  const auto chosen = G_F2TAB(form.ctx(), *e.lookup);
  if (!chosen) return;
  form.set_value(field, to_form(form.value(field), *chosen));
  // As if Enter had been pressed on the chosen value: its check runs.
  form.session().press(screen::Key::Enter);
}

}  // namespace zelto::registry
