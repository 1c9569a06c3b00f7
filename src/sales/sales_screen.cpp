#include "sales/sales_screen.hpp"

#include <optional>

#include "app/startup.hpp"
#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "ecf/make.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/amounts.hpp"
#include "sales/item_entry.hpp"
#include "sales/receipt_journal.hpp"
#include "sales/sales_keys.hpp"
#include "sales/sales_window.hpp"
#include "tef/recovery.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Decimal;
using core::Text;
using runtime::str;
using runtime::trim;

// The items list's order: the lines in the order they were sold.
constexpr int kSaleOrder = 3;

// The panels of the receipt state, apart from the receipt buttons.
std::vector<std::string> receipt_panels() {
  std::vector<std::string> names = {names::kListBox,          names::kListHeading, names::kListRule,
                                    names::kCountCaption,     names::kCount,       names::kSubtotalCaption,
                                    names::kSubtotal,         names::kItemDescription, names::kItemPrice,
                                    names::kItemTotal};
  for (int row = 1; row <= kListRows; ++row)
    for (Cell c : {Cell::Text, Cell::Quantity, Cell::Price, Cell::Total}) names.push_back(cell_name(row, c));
  return names;
}

std::optional<std::size_t> entry_field(screen::FormSession& row, std::string_view id) {
  for (std::size_t i = 0; i < row.definition().fields.size(); ++i)
    if (row.definition().fields[i].id == id) return i;
  return std::nullopt;
}

// The item text of a line: its number, the item's barcode (its code when
// the barcode is blank or zero) and the start of the description.
Text line_text(const xbase::Table& line, const xbase::Table& items, bool item_found) {
  Text code = trim(line.text("C012"));
  if (item_found && !runtime::val(items.text("C666")).is_zero()) code = trim(items.text("C666"));
  return line.text("C400") + "-" + code + " " + runtime::left(line.text("C040"), 20);
}

void show_line(Ctx& ctx, screen::Window& w, int row, const xbase::Table& line, xbase::Table& items) {
  const bool found = items.seek(line.text("C012"));
  const Decimal price = line.number("C034");
  const Decimal quantity = line.number("C035");
  w.set_text(cell_name(row, Cell::Text), line_text(line, items, found));
  w.set_text(cell_name(row, Cell::Quantity), str(quantity, 10, 3) + " " + (found ? items.text("C408") : Text()));
  w.set_text(cell_name(row, Cell::Price), str(price, 10, 2));
  w.set_text(cell_name(row, Cell::Total), str(line_total(ctx.g, price, quantity), 10, 2));
}

// The last lines of the receipt into the 19 rows, the earliest on top.
void fill_rows(Ctx& ctx, screen::Window& w, xbase::Table& io) {
  for (int row = 1; row <= kListRows; ++row)
    for (Cell c : {Cell::Text, Cell::Quantity, Cell::Price, Cell::Total}) w.set_text(cell_name(row, c), "");
  io.go_bottom();
  if (io.eof()) return;
  io.skip(-(kListRows - 1));
  if (io.bof()) io.go_top();
  xbase::Table& items = ctx.db.area("IT");
  const xbase::Position kept = items.position();
  items.set_order(1);
  for (int row = 1; row <= kListRows && !io.eof(); ++row, io.skip()) show_line(ctx, w, row, io, items);
  items.restore(kept);
}

void reset_entry_row(Ctx& ctx, screen::Window& w) {
  core::Globals& g = ctx.g;
  g.WQUANTPRODU = Decimal(1);
  g.WVALORPRODU = Decimal(0);
  g.WCODIGITEM = Decimal(0);
  screen::FormSession* row = w.entry();
  if (!row) return;
  if (auto i = entry_field(*row, kQuantityField)) {
    row->set_value(*i, g.WQUANTPRODU);
    if (row->field(kQuantityField).focusable()) row->focus(*i);
  }
  if (auto i = entry_field(*row, kValueField)) row->set_value(*i, g.WVALORPRODU);
  if (auto i = entry_field(*row, kItemCodeField)) row->set_value(*i, g.WCODIGITEM);
}

void empty_work_tables(Ctx& ctx) {
  for (const char* alias : {"IO", "Y3", "P2"}) ctx.db.area(alias).zap();
}

// The receipt's start on the printer side: the card managers' pending
// transactions, the file list's digest on Daruma, the tax rates.
void start_checks(Ctx& ctx) {
  core::Globals& g = ctx.g;
  for (const char* manager : {"PAD", "HIP", "TEC"}) tef::TEF_INICIO_ZELTO(ctx, manager);
  if (ecf::make_of(g) == ecf::Make::DA && g.VCOMUNICOU_C_IMPRESSORA &&
      !ecf::IMP_FISCAL(ctx, "CARREGAR_MD5_NO_CUPOM").ok)
    g.VCOMUNICOU_C_IMPRESSORA = false;
  if (g.VCOMUNICOU_C_IMPRESSORA && trim(g.VALIQUOTAS).empty() && !ecf::IMP_FISCAL(ctx, "CARREGA_ALIQUOTAS").ok)
    core::G_ERRO(ctx, "Nao conseguiu Carregar as Aliquotas.");
}

}  // namespace

void OLD_TELA_DE_VENDA(Ctx& ctx, const SalesHost& host) {
  keep_host(ctx, host);
  screen::Window& w = sales_window(ctx);
  build_sales_panels(ctx, w);
  app::INICIA_VARIAVEIS(ctx);
  place_entry_row(ctx, w);
  ATIVA_KEYS(ctx);
  ctx.g.WWPRI_ACESSO = true;
  start_checks(ctx);
  // Before the work tables are emptied: a receipt the printer closed while
  // an earlier run died is recorded from them.
  recover_unrecorded_receipt(ctx);
  empty_work_tables(ctx);
  ctx.g.WTOTALVALOR = Decimal(0);
  ctx.g.WTOTALITENS = Decimal(0);
  TELA_ITENS(ctx);
  focus_item_code(ctx);
}

void TELA_ITENS(Ctx& ctx) {
  core::Globals& g = ctx.g;
  g.WTOTALITENS = g.WTOTALVALOR = g.WCODIGITEM = Decimal(0);
  xbase::Table& io = ctx.db.area("IO");
  io.set_order(kSaleOrder);
  io.go_top();
  g.WECF_LIVRE = io.eof();
  for (; !io.eof(); io.skip()) {
    g.WTOTALVALOR += line_total(g, io.number("C034"), io.number("C035"));
    g.WTOTALITENS += Decimal(1);
  }
  screen::Window& w = sales_window(ctx);
  fill_rows(ctx, w, io);
  reset_entry_row(ctx, w);
  if (g.WECF_LIVRE)
    SET_CAIXA_LIVRE(ctx);
  else
    UNSET_CAIXA_LIVRE(ctx);
}

void SET_CAIXA_LIVRE(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  BTN_FIM_HIDE(ctx);
  F_BTN_SHOW(ctx);
  for (const std::string& name : receipt_panels()) w.set_visible(name, false);
  w.set_visible(names::kStatus, false);
  w.set_text(names::kCount, "");
  w.set_text(names::kSubtotal, "");
  w.set_visible(names::kBanner, true);
}

void UNSET_CAIXA_LIVRE(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  F_BTN_HIDE(ctx);
  BTN_FIM_SHOW(ctx);
  ATIVA_KEYS(ctx);
  w.set_text(names::kCount, trim(str(ctx.g.WTOTALITENS, 10)));
  w.set_text(names::kSubtotal, subtotal_text(ctx.g.WTOTALVALOR));
  for (const std::string& name : receipt_panels()) w.set_visible(name, true);
  w.set_visible(names::kBanner, false);
  w.set_visible(names::kStatus, false);
}

void COMECAR_NOVO_CUPOM(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  if (screen::FormSession* row = w.entry()) {
    for (const char* id : {kItemCodeField, kQuantityField, kValueField})
      if (auto i = entry_field(*row, id)) row->set_enabled(*i, true);
  }
  w.unbind_key(screen::Key::F8);
  ATIVA_KEYS(ctx);
  w.set_text(names::kBanner, kFreeText);
  empty_work_tables(ctx);
  TELA_ITENS(ctx);
  focus_item_code(ctx);
}

}  // namespace zelto::sales
