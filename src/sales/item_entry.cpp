#include "sales/item_entry.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/barcode_check.hpp"
#include "sales/current_item.hpp"
#include "sales/item_lookup.hpp"
#include "sales/sale_messages.hpp"
#include "sales/sales_screen.hpp"
#include "sales/scale_label.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Decimal;
using screen::Field;
using screen::FormSession;
using screen::Key;

// The row's values into the settings the sale reads.
void take_row(Ctx& ctx, const FormSession& row) {
  core::Globals& g = ctx.g;
  g.WCODIGITEM = row.number(kItemCodeField);
  if (entry_layout(g) == EntryLayout::Value)
    g.WVALORPRODU = row.number(kValueField);
  else
    g.WQUANTPRODU = row.number(kQuantityField);
}

// And back: what the checks changed shows in the row.
void show_row(Ctx& ctx, FormSession& row) {
  const core::Globals& g = ctx.g;
  row.set_value(kItemCodeField, g.WCODIGITEM);
  if (entry_layout(g) == EntryLayout::Value)
    row.set_value(kValueField, g.WVALORPRODU);
  else
    row.set_value(kQuantityField, g.WQUANTPRODU);
}

void focus_code(FormSession& row) { row.focus(row.index_of(kItemCodeField)); }

Decimal quantity_limit(const core::Globals& g) {
  return g.VQTDEMAXIMO.sign() > 0 ? g.VQTDEMAXIMO : Decimal(1000);
}

// Asked until the operator gives in: the entry is refused either way.
void refuse_above_limit(Ctx& ctx) {
  const core::Text message = "A Quantidade vendida nao pode ser maior que " +
                             runtime::trim(runtime::str(quantity_limit(ctx.g), 20, 3)) + " Digite S para Continar";
  while (!core::G_CONF(ctx, message) && !ctx.run.end_requested) {
  }
}

void insist_wrong_code(Ctx& ctx) {
  while (!core::G_CONF(ctx, messages::kWrongCode) && !ctx.run.end_requested) {
  }
}

// The item found (IT standing on it): its code into WCODIGITEM, refused
// without a price, otherwise shown in the current-item texts.
bool take_found_item(Ctx& ctx) {
  const xbase::Table& it = ctx.db.area("IT");
  ctx.g.WCODIGITEM = Decimal(read_item(it).code_number());
  if (it.number("C031").sign() <= 0) {
    core::G_MENS(ctx, messages::kNoPrice);
    return false;
  }
  show_current_item(ctx);
  return true;
}

// Steps from the scale label to the item shown; false refuses the field.
bool find_entered_item(Ctx& ctx) {
  core::Globals& g = ctx.g;
  bool scale_item = false;
  if (const auto label = read_scale_label(g, g.WCODIGITEM)) {
    if (find_item_by_code(ctx, label->item_code)) {
      g.WCODIGITEM = Decimal(label->item_code);
      g.WQUANTPRODU = label->weight;
      scale_item = true;
    }
  }
  if (g.WCODIGITEM.sign() <= 0) {
    core::G_ERRO(ctx, messages::kAboveZero);
    return false;
  }
  if (!scale_item && !barcode_accepted(ctx, g.WCODIGITEM)) return false;

  bool found = scale_item || find_item(ctx, g.WCODIGITEM);
  if (found) {
    found = take_found_item(ctx);
  } else {
    core::G_MENS(ctx, messages::kNotFound);
  }
  ctx.db.area("IT").set_order(kActiveCodeOrder);
  if (!found) insist_wrong_code(ctx);
  return found;
}

// The line of WCODIGITEM sold, IT put back on its item first.
bool sell_entered(Ctx& ctx) {
  core::Globals& g = ctx.g;
  xbase::Table& it = ctx.db.area("IT");
  const int order = it.order();
  const bool found = find_item_by_code(ctx, g.WCODIGITEM.to_int());
  it.set_order(order);
  if (!found) {
    core::G_MENS(ctx, messages::kNotFound);
    return false;
  }
  return VENDER_ITEM_ECF(ctx);
}

Field code_field(Ctx& ctx, char mode) {
  Field f = Field::number(kItemCodeField, ".Item.:", ctx.g.WCODIGITEM, 14, 0, "99999999999999");
  f.visible = !ctx.g.WGET1ESCONDE;
  f.check = [&ctx, mode](FormSession& row) { return CON00123(ctx, row, mode); };
  return f;
}

Field quantity_field(Ctx& ctx) {
  Field f = Field::number(kQuantityField, ".Quantidade.:", ctx.g.WQUANTPRODU, 10, 3, "999999.999");
  f.visible = !ctx.g.WQTDEESCONDE;
  return f;
}

}  // namespace

EntryLayout entry_layout(const core::Globals& g) {
  if (g.WLE_VALOR_TOTAL) return EntryLayout::Value;
  return g.WLER_ITEM_PRIMEIRO ? EntryLayout::QuantityFirst : EntryLayout::ItemFirst;
}

const char* amount_field(const core::Globals& g) {
  return entry_layout(g) == EntryLayout::Value ? kValueField : kQuantityField;
}

screen::FormSpec entry_row_form(Ctx& ctx) {
  screen::FormSpec row;
  switch (entry_layout(ctx.g)) {
    case EntryLayout::Value: {
      row.fields.push_back(code_field(ctx, 'I'));
      Field value = Field::number(kValueField, ".Valor Total.:", ctx.g.WVALORPRODU, 9, 2, "999999.99");
      value.visible = !ctx.g.WQTDEESCONDE;
      value.check = [&ctx](FormSession& r) { return CON00234(ctx, r); };
      row.fields.push_back(std::move(value));
      break;
    }
    case EntryLayout::QuantityFirst:
      row.fields.push_back(quantity_field(ctx));
      row.fields.push_back(code_field(ctx, 'Q'));
      break;
    case EntryLayout::ItemFirst: {
      row.fields.push_back(code_field(ctx, 'I'));
      Field quantity = quantity_field(ctx);
      quantity.check = [&ctx](FormSession& r) { return CON_QTDE(ctx, r); };
      row.fields.push_back(std::move(quantity));
      break;
    }
  }
  return row;
}

bool CON00123(Ctx& ctx, FormSession& row, char mode) {
  core::Globals& g = ctx.g;
  if (row.last_key() == Key::Up) return true;
  take_row(ctx, row);

  bool refused = false;
  if (mode == 'Q') {
    if (g.WCODIGITEM.sign() < 0) {
      core::G_ERRO(ctx, messages::kNotSelected);
      refused = true;
    } else if (g.WQUANTPRODU.sign() <= 0) {
      core::G_ERRO(ctx, messages::kBadQuantity);
      refused = true;
    }
  }
  bool accepted = false;
  if (!refused && g.WCODIGITEM.is_zero()) {
    accepted = mode == 'Q';
  } else {
    if (!refused && g.WQUANTPRODU > quantity_limit(g)) {
      refuse_above_limit(ctx);
      refused = true;
    }
    accepted = !refused && find_entered_item(ctx);
    if (accepted && mode == 'Q') {
      VENDER_ITEM_ECF(ctx);
      TELA_ITENS(ctx);
    }
  }

  if (mode == 'Q') {
    g.WQUANTPRODU = Decimal(1);
    g.WCODIGITEM = Decimal(0);
    show_row(ctx, row);
    focus_code(row);
    return accepted;
  }
  if (!accepted) {
    show_row(ctx, row);
    focus_code(row);
    return false;
  }
  // Mode 'I': the second field starts afresh for this item.
  if (entry_layout(g) == EntryLayout::Value)
    g.WVALORPRODU = Decimal(0);
  else
    g.WQUANTPRODU = Decimal(1);
  show_row(ctx, row);
  row.focus(row.index_of(amount_field(g)));
  return true;
}

bool CON_QTDE(Ctx& ctx, FormSession& row) {
  if (row.last_key() == Key::Up) return true;
  take_row(ctx, row);
  if (ctx.g.WQUANTPRODU.sign() <= 0) {
    core::G_ERRO(ctx, messages::kAboveZero);
    return false;
  }
  // The limit holds for a quantity typed after the item as for one typed
  // before it.
  if (ctx.g.WQUANTPRODU > quantity_limit(ctx.g)) {
    refuse_above_limit(ctx);
    return false;
  }
  return CON00235(ctx, row);
}

bool CON00234(Ctx& ctx, FormSession& row) {
  // Back to the item code without selling, as from the quantity field.
  if (row.last_key() == Key::Up) return true;
  take_row(ctx, row);
  if (ctx.g.WCODIGITEM.is_zero()) {
    core::G_ERRO(ctx, messages::kNoCode);
    return false;
  }
  return CON00235(ctx, row);
}

bool CON00235(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  take_row(ctx, row);
  if (g.WCODIGITEM.is_zero()) return true;
  const bool sold = sell_entered(ctx);
  g.WCODIGITEM = Decimal(0);
  TELA_ITENS(ctx);
  g.WCODIGITEM = Decimal(0);
  g.WQUANTPRODU = Decimal(1);
  g.WVALORPRODU = Decimal(0);
  show_row(ctx, row);
  focus_code(row);
  return sold;
}

}  // namespace zelto::sales
