#pragma once
// TELA_DIALOG: the first screen of every registration, a browse of a table
// with a bar of buttons, and HASHBROWSE, its "co&lunas" list of the current
// row. The browse pages through the table's own cursor: only the rows shown
// are read, whatever the table's size.

#include <functional>
#include <variant>
#include <vector>

#include "core/context.hpp"
#include "platform/screen/browse_session.hpp"
#include "registry/entry_field.hpp"

namespace zelto::registry {

// A number as a column shows it: through STR with its width and places.
struct NumberCell {
  runtime::Decimal value;
  int width = 10;
  int decimals = 0;
};
using CellValue = std::variant<Text, NumberCell, runtime::Date>;

// The value of a table field as a column shows it: numbers with the field's
// own width and places, dates as DD/MM/YYYY, logicals "T" or "F".
CellValue field_cell(const xbase::Table& table, std::string_view field);
Text cell_text(const CellValue& cell);

struct ColumnDef {
  Text header{};
  screen::Align header_align = screen::Align::Left;
  std::function<CellValue()> value{};  // reads the table's current record
  screen::Align align = screen::Align::Left;
  std::function<Text()> total{};       // any column with one gives the browse a footer
  screen::Align footer_align = screen::Align::Right;
  int width = 0;                       // characters; 0: automatic
};

// A button of the bar: the caption with "&" before its hot letter. The
// browse is redrawn after the action, from where the table then stands.
struct ButtonDef {
  Text caption{};
  std::function<void(core::Ctx&)> action{};
};

struct TableDialog {
  Text code{};  // the screen code ("M464"); not shown
  Text title{};
  Text alias{};
  std::vector<ColumnDef> columns{};
  int frozen = 0;
  std::vector<ButtonDef> buttons{};
  int width = 0, height = 0;  // pixels; 0: the screen's choice
  bool columns_button = true;  // "co&lunas"; false for colflag "N"
};

// Shows the browse modally over the table from where it stands; returns when
// the operator leaves ("ESC-sair" or Esc).
void TELA_DIALOG(core::Ctx& ctx, const TableDialog& dialog);

// Every column of the current row as a list of two columns, through the
// temporary table "TMPCOL" (closed afterwards).
void HASHBROWSE(core::Ctx& ctx, const std::vector<ColumnDef>& columns);

}  // namespace zelto::registry
