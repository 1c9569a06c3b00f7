#include "sales/item_entry.hpp"

namespace zelto::sales {

EntryLayout entry_layout(const core::Globals& g) {
  if (g.WLE_VALOR_TOTAL) return EntryLayout::Value;
  return g.WLER_ITEM_PRIMEIRO ? EntryLayout::QuantityFirst : EntryLayout::ItemFirst;
}

const char* amount_field(const core::Globals& g) {
  return entry_layout(g) == EntryLayout::Value ? kValueField : kQuantityField;
}

}  // namespace zelto::sales
