#pragma once
// The stock rule. Closing a receipt, cancelling one and the day's opening
// change items' stock in the items table without anybody checking the item
// first. A seal recomputed after such a change would mend a record that
// somebody altered outside the program; so the seal is tested before the
// change and written again only when it held, and a record found tampered
// stays marked.

#include <functional>

#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"
#include "platform/xbase/table.hpp"

namespace zelto::store {

// Runs `change` on the table's current record (locked by the caller) and
// seals the record again only when its seal held before. Returns whether it
// held.
bool change_keeping_seal_state(xbase::Table& table, const std::function<void(xbase::Table&)>& change);

// The item's stock C837 moved by `quantity` (negative lowers it) and its
// stock date DTESTOQUE set to `day`, under the rule above.
bool move_item_stock(xbase::Table& items, const runtime::Decimal& quantity, const runtime::Date& day);

}  // namespace zelto::store
