#pragma once
// Item entry: the sales window's entry row and the checks of its two
// fields, which find the item, take the quantity (or the line's value) and
// sell the line (VENDER_ITEM_ECF).
//
// The row has one of three layouts, chosen by the configuration:
//   value layout (WLE_VALOR_TOTAL): ".Item.:" then ".Valor Total.:"
//   quantity-first (WLER_ITEM_PRIMEIRO): ".Quantidade.:" then ".Item.:",
//     so a scan sells at once with quantity 1
//   item-first (otherwise): ".Item.:" then ".Quantidade.:"
//
// The sales window sets the row with Window::set_entry(entry_row_form(ctx))
// after placing its fields; the checks keep WCODIGITEM, WQUANTPRODU and
// WVALORPRODU and the fields' values in step.

#include "core/context.hpp"
#include "platform/screen/form.hpp"
#include "platform/screen/form_session.hpp"

namespace zelto::sales {

enum class EntryLayout { Value, QuantityFirst, ItemFirst };
EntryLayout entry_layout(const core::Globals& g);

// Field ids of the entry row.
inline constexpr const char* kItemCodeField = "WCODIGITEM";
inline constexpr const char* kQuantityField = "WQUANTPRODU";
inline constexpr const char* kValueField = "WVALORPRODU";
// The id of the row's second input in the layout in force (quantity or value),
// or the first one in the quantity-first layout.
const char* amount_field(const core::Globals& g);

// The entry row for the layout in force: both fields with labels, pictures,
// visibility (WQTDEESCONDE, WGET1ESCONDE) and checks. Positions are left to
// the caller.
screen::FormSpec entry_row_form(core::Ctx& ctx);

// The checks of the row's fields. `row` is the row's form session.
// Item-code field: mode 'I' (item first, then quantity or value) or 'Q'
// (quantity already typed: sells at once). True accepts the field.
bool CON00123(core::Ctx& ctx, screen::FormSession& row, char mode);
// Quantity field of the item-first layout: sells.
bool CON_QTDE(core::Ctx& ctx, screen::FormSession& row);
// Value field of the value layout: sells.
bool CON00234(core::Ctx& ctx, screen::FormSession& row);
// Sells the line of the code in WCODIGITEM; true when sold or no code is set.
bool CON00235(core::Ctx& ctx, screen::FormSession& row);

// The sale of one line, IT standing on the item: printed and recorded in IO
// and PC. True when the line was printed and recorded.
bool VENDER_ITEM_ECF(core::Ctx& ctx);

// The weighing-scale barcode settings screen (menu entry "M614").
void M614(core::Ctx& ctx);

}  // namespace zelto::sales
