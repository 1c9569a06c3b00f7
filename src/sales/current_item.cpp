#include "sales/current_item.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/amounts.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales {

using runtime::trim;

void show_current_item(core::Ctx& ctx) {
  const xbase::Table& it = ctx.db.area("IT");
  screen::Window& w = sales_window(ctx);
  const core::Decimal price = it.number("C031");
  w.set_text(names::kItemDescription, trim(runtime::left(it.text("C030"), 30)));
  w.set_text(names::kItemPrice, "VALOR UNITARIO  " + trim(runtime::str(price, 12, 2)));
  w.set_text(names::kItemTotal, "TOTAL " + trim(runtime::str(line_total(ctx.g, price, ctx.g.WQUANTPRODU), 14, 2)));
}

void clear_current_item(core::Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  for (const char* name : {names::kItemDescription, names::kItemPrice, names::kItemTotal}) w.set_text(name, "");
}

}  // namespace zelto::sales
