// The list of the lines of the receipt being sold (F12).

#include "platform/runtime/number_text.hpp"
#include "platform/screen/browse_session.hpp"
#include "platform/screen/table_cursor.hpp"
#include "sales/sales_screen.hpp"

namespace zelto::sales {

bool F12_ITENS_ATIVOS(core::Ctx& ctx) {
  xbase::Table& io = ctx.db.area("IO");
  xbase::Table& items = ctx.db.area("IT");
  const xbase::Position items_kept = items.position();
  items.set_order(1);
  io.set_order(1);
  io.set_relation(items, [](const xbase::Table& line) { return xbase::Value(line.text("C012")); });
  io.go_top();

  screen::BrowseSpec list;
  list.title = "Itens do Cupom em Aberto";
  auto column = [](core::Text heading, std::function<core::Text()> value, screen::Align align) {
    screen::Column c;
    c.heading = std::move(heading);
    c.value = std::move(value);
    c.align = align;
    c.heading_align = align;
    return c;
  };
  using screen::Align;
  list.columns = {
      column("Item", [&io] { return io.text("C400"); }, Align::Left),
      column("Codigo", [&io] { return io.text("C012"); }, Align::Left),
      column("Desricao do Item", [&items] { return items.eof() ? core::Text() : items.text("C030"); }, Align::Left),
      column("Quantidade", [&io] { return runtime::str(io.number("C035"), 12, 4); }, Align::Right),
      column("Valor", [&io] { return runtime::str(io.number("C034"), 12, 2); }, Align::Right),
  };
  list.buttons = {{"&Fechar", [](screen::BrowseSession& b) { b.close(); }}};
  screen::TableCursor cursor(io);
  screen::BrowseSession session(std::move(list), cursor);
  ctx.screen.run_browse(session);

  io.clear_relations();
  io.set_order(1);
  items.restore(items_kept);
  return true;
}

}  // namespace zelto::sales
