#include "sales/sales_window.hpp"

#include <stdexcept>

#include "app/main_frame.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/item_entry.hpp"

namespace zelto::sales {
namespace {

using screen::Align;
using screen::Colour;
using screen::Key;
using screen::Panel;
using screen::PanelStyle;
using screen::Rect;
using screen::Window;

constexpr int kRowHeight = 20;
// The main frame's rows and footer take the bottom of the window.
constexpr int kBottomRows = 64;

PanelStyle text_style(Align align = Align::Left, int points = 0, bool bold = false) {
  PanelStyle s;
  s.align = align;
  s.point_size = points;
  s.bold = bold;
  return s;
}

PanelStyle figures(Align align) {
  PanelStyle s = text_style(align);
  s.fixed_pitch = true;
  return s;
}

void add(Window& w, std::string name, screen::Text text, Rect where, PanelStyle style) {
  Panel p;
  p.name = std::move(name);
  p.text = std::move(text);
  p.geometry = where;
  p.style = style;
  p.visible = false;
  w.add_panel(std::move(p));
}

void add_list(Window& w, int x, int y, int width) {
  PanelStyle box;
  box.frame = screen::Frame::Box;
  add(w, names::kListBox, "", {x, y, width, kRowHeight * (kListRows + 2) + 16}, box);
  // The cells: item text, quantity with its unit, unit price, line total.
  const int text_w = width - 3 * 110 - 24;
  const int cells_x[4] = {x + 8, x + 8 + text_w, x + 8 + text_w + 110, x + 8 + text_w + 220};
  const int cells_w[4] = {text_w, 110, 110, 110};
  PanelStyle heading = figures(Align::Left);
  heading.bold = true;
  const screen::Text title = runtime::padr("ITEM", 34) + runtime::padl("QUANTIDADE", 13) + runtime::padl("UNITARIO", 11) +
                             runtime::padl("TOTAL", 11);
  add(w, names::kListHeading, title, {x + 8, y + 4, width - 16, kRowHeight}, heading);
  add(w, names::kListRule, std::string(69, '-'), {x + 8, y + 4 + kRowHeight, width - 16, kRowHeight / 2},
      figures(Align::Left));
  const Cell cells[4] = {Cell::Text, Cell::Quantity, Cell::Price, Cell::Total};
  for (int row = 1; row <= kListRows; ++row) {
    const int row_y = y + 8 + kRowHeight * (row + 1);
    for (int c = 0; c < 4; ++c)
      add(w, cell_name(row, cells[c]), "", {cells_x[c], row_y, cells_w[c], kRowHeight},
          figures(c == 0 ? Align::Left : Align::Right));
  }
}

void add_receipt_buttons(core::Ctx& ctx, Window& w, int x, int y) {
  struct ReceiptButton {
    const char* name;
    const char* caption;
    Key key;
    bool clickable;
  };
  const ReceiptButton receipt_buttons[] = {
      {names::kCashButton, "F3-DINHEIRO", Key::F3, true},
      {names::kAnyFormButton, "F5-DIVERSOS", Key::F5, true},
      {names::kCancelReceiptButton, "F6-Cancelar CUPOM", Key::F6, false},
      {names::kCancelItemButton, "F4-Cancelar ITEM", Key::F4, true},
      {names::kItemTableButton, "F2-Tabela de Itens", Key::F2, true},
      {names::kLinesButton, "F12-Selecionados", Key::F12, true},
  };
  for (const ReceiptButton& s : receipt_buttons) {
    screen::WindowButton b;
    b.name = s.name;
    b.caption = s.caption;
    b.geometry = {x, y, 170, 28};
    b.visible = false;
    if (s.clickable) {
      const Key key = s.key;
      b.action = [&ctx, key] { sales_window(ctx).press(key); };
    }
    w.add_button(std::move(b));
    y += 34;
  }
}

}  // namespace

std::string cell_name(int row, Cell cell) {
  static const char* const kinds[] = {"texto", "quantidade", "unitario", "total"};
  return "linha_" + runtime::strzero(row, 2) + "_" + kinds[static_cast<int>(cell)];
}

Window* find_sales_window(core::Ctx& ctx) { return ctx.screen.window(app::kSalesWindow); }

Window& sales_window(core::Ctx& ctx) {
  Window* w = find_sales_window(ctx);
  if (!w) throw std::logic_error("a janela de vendas nao esta aberta");
  return *w;
}

void place_entry_row(core::Ctx& ctx, Window& w) {
  screen::FormSpec row = entry_row_form(ctx);
  // Label above its input, the two side by side.
  int x = 8;
  for (screen::Field& f : row.fields) {
    f.label_where = {x, 4, 200, 16};
    f.where = {x, 20, 200, 28};
    x += 216;
  }
  w.set_entry(std::move(row));
}

void build_sales_panels(core::Ctx& ctx, Window& w) {
  for (const Panel& p : w.panels())
    if (p.name == names::kBanner) return;
  const Rect area = w.definition().geometry;
  const int width = area.width > 0 ? area.width : 1000;
  const int height = area.height > 0 ? area.height : 700;
  const int usable = height - kBottomRows;

  // The entry row's fields stand at the top (entry_layouts.cpp).
  const int list_y = 56;
  const int list_w = width * 64 / 100;
  add(w, names::kF12Caption, "F12 -> ITENS SELECIONADOS DO CUPOM EM ABERTO", {8, list_y - 20, list_w, 18},
      text_style(Align::Left, 0, true));
  add_list(w, 8, list_y, list_w);

  const int side_x = list_w + 24;
  const int side_w = width - side_x - 8;
  add(w, names::kCountCaption, "ITENS", {side_x, list_y, side_w, 24}, text_style(Align::Left, 14, true));
  add(w, names::kCount, "", {side_x, list_y + 24, side_w, 44}, text_style(Align::Right, 28, true));
  add(w, names::kSubtotalCaption, "SUBTOTAL", {side_x, list_y + 76, side_w, 24}, text_style(Align::Left, 14, true));
  add(w, names::kSubtotal, "", {side_x, list_y + 100, side_w, 44}, text_style(Align::Right, 28, true));
  add_receipt_buttons(ctx, w, side_x, list_y + 160);

  const int item_y = list_y + kRowHeight * (kListRows + 2) + 28;
  add(w, names::kItemDescription, "", {8, item_y, list_w, 26}, text_style(Align::Left, 16, true));
  add(w, names::kItemPrice, "", {8, item_y + 28, list_w / 2, 24}, text_style(Align::Left, 12, true));
  add(w, names::kItemTotal, "", {8 + list_w / 2, item_y + 28, list_w / 2, 24}, text_style(Align::Right, 12, true));
  add(w, names::kStatus, "", {8, usable - 26, width - 16, 22}, text_style(Align::Left, 0, true));

  PanelStyle banner = text_style(Align::Centre, 36, true);
  banner.text = Colour{0xFFFFFF};
  banner.background = Colour{0x1F4E9A};
  banner.frame = screen::Frame::Raised;
  add(w, names::kBanner, kFreeText, {width / 10, usable / 3, width * 8 / 10, 110}, banner);
}

}  // namespace zelto::sales
