#include "registry/table_dialog.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/picture.hpp"
#include "platform/runtime/text.hpp"
#include "platform/screen/table_cursor.hpp"
#include "store/memory_temp.hpp"

namespace zelto::registry {
namespace {

// A cell of HASHBROWSE's list: numbers in the old list's picture, every
// value trimmed and set off by one blank.
Text list_text(const CellValue& cell) {
  if (const auto* n = std::get_if<NumberCell>(&cell)) return " " + runtime::trim(runtime::transform(n->value, "@ 999 999 999.99"));
  return " " + runtime::trim(cell_text(cell));
}

// The work area selected when an operation began, selected again at its end.
class SelectedArea {
 public:
  explicit SelectedArea(core::Ctx& ctx) : ctx_(ctx), alias_(ctx.db.has_current() ? ctx.db.current().alias() : "") {}
  ~SelectedArea() {
    if (!alias_.empty() && ctx_.db.is_open(alias_)) ctx_.db.select(alias_);
  }

 private:
  core::Ctx& ctx_;
  std::string alias_;
};

}  // namespace

CellValue field_cell(const xbase::Table& table, std::string_view field) {
  const xbase::Value v = table.get(field);
  if (const auto* n = std::get_if<runtime::Decimal>(&v)) {
    const auto& def = table.fields()[static_cast<std::size_t>(table.field_index(field))];
    return NumberCell{*n, def.length, def.decimals};
  }
  if (const auto* d = std::get_if<runtime::Date>(&v)) return *d;
  if (const auto* b = std::get_if<bool>(&v)) return Text(*b ? "T" : "F");
  return std::get<std::string>(v);
}

Text cell_text(const CellValue& cell) {
  if (const auto* t = std::get_if<Text>(&cell)) return *t;
  if (const auto* n = std::get_if<NumberCell>(&cell)) return runtime::str(n->value, n->width, n->decimals);
  return std::get<runtime::Date>(cell).text();
}

void TELA_DIALOG(core::Ctx& ctx, const TableDialog& dialog) {
  xbase::Table& table = ctx.db.area(dialog.alias);
  ctx.db.select(dialog.alias);
  screen::TableCursor cursor(table);
  screen::BrowseSpec layout;
  layout.title = dialog.title;
  layout.frozen = dialog.frozen;
  layout.striped = ctx.g.VZEBRAR_WINDOW;
  if (dialog.width > 0 && dialog.height > 0) layout.geometry = screen::Rect{0, 0, dialog.width, dialog.height};
  for (const ColumnDef& c : dialog.columns) {
    screen::Column column;
    column.heading = c.header;
    column.heading_align = c.header_align;
    auto value = c.value;
    column.value = [value] { return value ? cell_text(value()) : Text(); };
    column.align = c.align;
    column.footer = c.total;
    column.footer_align = c.footer_align;
    column.width = c.width;
    layout.columns.push_back(std::move(column));
  }
  for (const ButtonDef& b : dialog.buttons) {
    auto action = b.action;
    layout.buttons.push_back({b.caption, [&ctx, action](screen::BrowseSession& browse) {
                              if (action) action(ctx);
                              browse.refresh();
                            }});
  }
  if (dialog.columns_button) {
    const std::vector<ColumnDef> columns = dialog.columns;
    layout.buttons.push_back({"co&lunas", [&ctx, columns](screen::BrowseSession&) { HASHBROWSE(ctx, columns); }});
  }
  layout.buttons.push_back({"ESC-sair", [](screen::BrowseSession& browse) { browse.close(); }});
  screen::BrowseSession session(std::move(layout), cursor);
  ctx.screen.run_browse(session);
}

void HASHBROWSE(core::Ctx& ctx, const std::vector<ColumnDef>& columns) {
  // Read before the list's table becomes the selected one.
  std::vector<std::pair<Text, Text>> rows;
  for (const ColumnDef& c : columns) rows.emplace_back(c.header, c.value ? list_text(c.value()) : Text(" "));

  SelectedArea keep(ctx);
  const Text alias = store::CRIA_TMP(ctx,
                                     {{"Ordem", xbase::FieldType::Character, 5, 0, 0},
                                      {"NomeCampo", xbase::FieldType::Character, 40, 0, 0},
                                      {"Conteudo", xbase::FieldType::Character, 100, 0, 0}},
                                     "TMPCOL");
  if (alias.empty()) return;
  xbase::Table& list = ctx.db.area(alias);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    list.append_blank();
    list.put("Ordem", runtime::strzero(runtime::Decimal(static_cast<long>(i + 1)), 5));
    list.put("NomeCampo", rows[i].first);
    list.put("Conteudo", rows[i].second);
  }
  list.go_top();

  TableDialog dialog;
  dialog.title = "Colunas da Linha Corrente";
  dialog.alias = alias;
  dialog.columns.push_back({.header = "Nome do Campo", .value = [&list] { return field_cell(list, "NomeCampo"); }});
  dialog.columns.push_back(
      {.header = "    Conte\xFA" "do do Campo", .value = [&list] { return field_cell(list, "Conteudo"); }});
  dialog.width = 700;
  dialog.height = 500;
  dialog.columns_button = false;
  try {
    TELA_DIALOG(ctx, dialog);
  } catch (...) {
    ctx.db.close(alias);
    throw;
  }
  ctx.db.close(alias);
}

}  // namespace zelto::registry
