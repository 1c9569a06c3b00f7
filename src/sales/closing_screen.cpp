#include "sales/closing_screen.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/amounts.hpp"
#include "sales/closing_adjustment.hpp"
#include "sales/item_entry.hpp"
#include "sales/payment_forms.hpp"
#include "sales/sales_keys.hpp"
#include "sales/sales_screen.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using screen::Field;
using screen::FormSession;
using screen::Key;
using screen::Panel;
namespace cn = closing_names;

constexpr const char* kClosingFields[] = {kKindField, kAdjustmentField, kFormField, kPaidField};
constexpr const char* kItemFields[] = {kItemCodeField, kQuantityField, kValueField};
constexpr const char* kClosingPanels[] = {cn::kCaption,     cn::kModeCaption, cn::kProducts, cn::kTotal,
                                          cn::kFormName,    cn::kChangeLabel, cn::kChange,   cn::kFormsList,
                                          cn::kBackCaption, cn::kAdjustmentLabel, cn::kPaidLabel};
// The items list's totals and current item give way to the closing.
constexpr const char* kItemPanels[] = {names::kItemDescription, names::kItemPrice, names::kItemTotal};

bool has_field(const FormSession& row, std::string_view id) {
  for (const Field& f : row.definition().fields)
    if (f.id == id) return true;
  return false;
}

bool has_panel(screen::Window& w, std::string_view name) {
  for (const Panel& p : w.panels())
    if (p.name == name) return true;
  return false;
}

void add_closing_panels(screen::Window& w) {
  if (has_panel(w, cn::kCaption)) return;
  const int x = 540;
  int y = 60;
  for (const char* name : kClosingPanels) {
    Panel p;
    p.name = name;
    p.visible = false;
    p.style.fixed_pitch = true;
    if (std::string_view(name) == cn::kFormsList) {
      p.geometry = {x + 260, 180, 200, 240};
      p.style.frame = screen::Frame::Box;
    } else {
      p.geometry = {x, y, 440, 24};
      y += 28;
    }
    if (std::string_view(name) == cn::kChange) p.style.point_size = 20;
    w.add_panel(std::move(p));
  }
}

Field closing_field(Field f, int y) {
  f.label_where = {540, y, 260, 24};
  f.where = {800, y, 140, 24};
  f.enabled = false;
  f.visible = false;
  return f;
}

// The entry row with the closing's fields after the item fields, made once.
FormSession& closing_row(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  FormSession* row = w.entry();
  if (row && has_field(*row, kPaidField)) return *row;
  screen::FormSpec def = row ? row->definition() : screen::FormSpec{};
  def.fields.push_back(closing_field(Field::text(kKindField, "Desconto/Acrescimo.......:", "D", 1, "!"), 400));
  def.fields.back().check = [&ctx](FormSession& s) { return CON_ACDESCONTO(ctx, s); };
  def.fields.push_back(closing_field(Field::number(kAdjustmentField, "", Decimal(0), 9, 2, "999999.99"), 428));
  def.fields.back().check = [&ctx](FormSession& s) { return CON_DESCONTO(ctx, s); };
  def.fields.push_back(closing_field(Field::text(kFormField, "Forma de Pagamento.....", "D", 1, "!"), 456));
  def.fields.back().check = [&ctx](FormSession& s) { return CON_FORMAPGTO(ctx, s); };
  def.fields.push_back(closing_field(Field::number(kPaidField, "", Decimal(0), 10, 2, "9999999.99"), 484));
  def.fields.back().check = [&ctx](FormSession& s) { return CON_VALOR(ctx, s); };
  FormSession& made = w.set_entry(std::move(def));
  return made;
}

void set_field(FormSession& row, const char* id, bool visible, bool enabled) {
  const std::size_t i = row.index_of(id);
  row.set_visible(i, visible);
  row.set_enabled(i, enabled);
}

void reset_closing_state(Ctx& ctx) {
  core::Globals& g = ctx.g;
  g.WCANCELOU_CUPOM = g.WCANC_TEF = g.WCANC_CUPOM = false;
  for (core::Text* t : {&g.WC_002, &g.WC_010, &g.WC_011, &g.WC_012, &g.WC_022, &g.WC_027}) t->clear();
  for (Decimal* d : {&g.NPAGOD, &g.NPAGOC, &g.NPAGOT, &g.NPAGOA, &g.NPAGOH, &g.NVALO, &g.NACRE, &g.NDESC})
    *d = Decimal(0);
  g.WTROCO = Decimal(0);
  g.W_NENTRADA = Decimal(0);
  g.NFORM = "D";
  g.W_VISTA = " ";
  g.W_TIPODOCUM = "  ";
  g.W_NUMEVENCI = Decimal(0);
  g.W_DATAVENCI = core::Date();
  g.WOK = false;
}

// The receipt's keys off; F6 still cancels the receipt and F8 goes back.
void closing_keys(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  DESATIVA_KEYS(ctx);
  w.set_visible(names::kCancelReceiptButton, true);
  w.bind_key(Key::F6, [&ctx] { not_in_this_version(ctx, "CANCELA_BEM7"); });
  w.bind_key(Key::F8, [&ctx] { VOLTAR_ITENS(ctx); });
}

void show_cash_mode(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  screen::Window& w = sales_window(ctx);
  g.NVALO = g.WTOTALVALOR;
  w.set_text(cn::kModeCaption, "Pagamento em DINHEIRO");
  w.set_text(cn::kProducts, "I T E N S  " + runtime::trim(runtime::str(g.WTOTALITENS, 10)));
  w.set_text(cn::kTotal, "T O T A L  " + subtotal_text(g.WTOTALVALOR));
  w.set_text(cn::kChangeLabel, "T R O C O");
  w.set_text(cn::kChange, "0.00");
  const std::size_t paid = row.index_of(kPaidField);
  set_field(row, kPaidField, true, true);
  w.set_text(cn::kPaidLabel, "D I N H E I R O");
  w.set_visible(cn::kPaidLabel, true);
  row.set_value(paid, g.NVALO);
  for (const char* p : {cn::kModeCaption, cn::kProducts, cn::kTotal, cn::kChangeLabel, cn::kChange})
    w.set_visible(p, true);
  row.focus(paid);
}

}  // namespace

namespace {

void SHOW_FECHA_CUPOM(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  screen::Window& w = sales_window(ctx);
  const AdjustmentMode mode = adjustment_mode(g.VDF);
  w.set_text(cn::kModeCaption, "Pagamento DIVERSOS");
  w.set_text(cn::kProducts, "Total dos Produtos.........: " + runtime::str(g.WTOTALVALOR, 12, 2));
  w.set_text(cn::kTotal, "Total do Cupom...............: " + runtime::str(g.WTOTALVALOR, 12, 2));
  w.set_text(cn::kFormName, "");
  w.set_text(cn::kChangeLabel, "TROCO..................");
  w.set_text(cn::kChange, "");
  w.set_text(cn::kPaidLabel, "Valor Pago.......................");
  for (const char* p : {cn::kModeCaption, cn::kProducts, cn::kTotal, cn::kFormName, cn::kChangeLabel,
                        cn::kAdjustmentLabel, cn::kPaidLabel})
    w.set_visible(p, true);
  row.set_value(kAdjustmentField, Decimal(0));
  row.set_value(kFormField, core::Text("D"));
  row.set_value(kPaidField, Decimal(0));
  set_field(row, kFormField, true, false);
  set_field(row, kPaidField, true, false);
  if (mode.chosen) {
    g.NTIDES = mode.code == "CV" ? "A" : "D";
    row.set_value(kKindField, g.NTIDES);
    set_field(row, kKindField, true, true);
    set_field(row, kAdjustmentField, true, false);
    show_adjustment_label(ctx);
    row.focus(row.index_of(kKindField));
  } else {
    g.NTIDES = "D";
    set_field(row, kKindField, false, false);
    set_field(row, kAdjustmentField, true, true);
    show_adjustment_label(ctx);
    row.focus(row.index_of(kAdjustmentField));
  }
}

}  // namespace

bool FECHA_CUPOM(Ctx& ctx, char mode) {
  core::Globals& g = ctx.g;
  if (mode != 'D') mode = 'T';
  g.WPAR17 = core::Text(1, mode);
  g.WFECHOU_CUPOM = false;
  g.WCODIGITEM = Decimal(0);
  xbase::Table& io = ctx.db.area("IO");
  io.go_top();
  if (io.eof() || g.WTOTALVALOR.is_zero()) {
    core::G_ALERT(ctx, "Nao e permitido fechar um cupom sem ter Item selecionado");
    return false;
  }
  reset_closing_state(ctx);
  screen::Window& w = sales_window(ctx);
  add_closing_panels(w);
  FormSession& row = closing_row(ctx);
  for (const char* p : kItemPanels) w.set_visible(p, false);
  w.set_text(cn::kCaption, "FECHAMENTO DO CUPOM");
  w.set_text(cn::kBackCaption, "F8 - Voltar para os Itens");
  w.set_visible(cn::kCaption, true);
  w.set_visible(cn::kBackCaption, true);
  g.WVOLTARITENS = false;
  closing_keys(ctx);
  for (const char* id : kItemFields)
    if (has_field(row, id)) row.set_enabled(row.index_of(id), false);
  for (const char* id : kClosingFields) set_field(row, id, false, false);
  if (mode == 'D')
    show_cash_mode(ctx, row);
  else
    SHOW_FECHA_CUPOM(ctx, row);
  return true;
}

void ESCONDE_FECHA_CUPOM(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  for (const char* p : kClosingPanels) w.set_visible(p, false);
  w.unbind_key(Key::F8);
  FormSession* row = w.entry();
  if (!row || !has_field(*row, kPaidField)) return;
  for (const char* id : kClosingFields) set_field(*row, id, false, false);
  for (const char* id : kItemFields)
    if (has_field(*row, id)) row->set_enabled(row->index_of(id), true);
}

void VOLTAR_ITENS(Ctx& ctx) {
  ctx.g.WVOLTARITENS = true;
  ESCONDE_FECHA_CUPOM(ctx);
  screen::Window& w = sales_window(ctx);
  for (const char* p : kItemPanels) w.set_visible(p, true);
  UNSET_CAIXA_LIVRE(ctx);
  focus_item_code(ctx);
}

void TELA_FORMA(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  core::Text text;
  for (const core::Text& line : offered_forms_lines(ctx.g)) text += (text.empty() ? "" : "\n") + line;
  w.set_text(cn::kFormsList, text);
  w.set_visible(cn::kFormsList, true);
}

void VOLTA_P_FORMA_PGTO(Ctx& ctx, FormSession& row) {
  screen::Window& w = sales_window(ctx);
  TELA_FORMA(ctx);
  w.set_text(cn::kChangeLabel, "TROCO..................");
  w.set_text(cn::kFormName, "");
  set_field(row, kFormField, true, true);
  set_field(row, kPaidField, true, true);
  row.focus(row.index_of(kFormField));
}

void show_adjustment_label(Ctx& ctx) {
  const AdjustmentMode mode = adjustment_mode(ctx.g.VDF);
  screen::Window& w = sales_window(ctx);
  w.set_text(cn::kAdjustmentLabel, adjustment_label(mode, adjustment_kind(mode, ctx.g.NTIDES)));
}

}  // namespace zelto::sales
