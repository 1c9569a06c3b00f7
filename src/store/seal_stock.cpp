#include "store/seal_stock.hpp"

#include "store/seal_record.hpp"

namespace zelto::store {

bool change_keeping_seal_state(xbase::Table& table, const std::function<void(xbase::Table&)>& change) {
  const bool held = seal_holds(table);
  change(table);
  if (held) write_seal(table);
  return held;
}

bool move_item_stock(xbase::Table& items, const runtime::Decimal& quantity, const runtime::Date& day) {
  return change_keeping_seal_state(items, [&](xbase::Table& it) {
    it.put("C837", it.number("C837") + quantity);
    it.put("DTESTOQUE", day);
  });
}

}  // namespace zelto::store
