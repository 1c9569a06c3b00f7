#pragma once
// Finding the item a typed code names in the items table (IT), and the
// item's fields a sale line takes.
//
// The lookup order: the code as a 13-digit barcode; then as an 8-digit
// barcode (only a barcode of exactly those 8 digits); then as the 8-digit
// item code. So an 8-digit code that is also some item's 8-digit barcode
// sells the item with that barcode. Inactive items are found too: the sale
// refuses them.

#include "core/context.hpp"

namespace zelto::sales {

using core::Decimal;
using core::Text;

// IT's orders by position.
inline constexpr int kItemCodeOrder = 1;     // C012
inline constexpr int kActiveCodeOrder = 2;   // C163+C012
inline constexpr int kActiveBarcodeOrder = 5;  // C163+C666
inline constexpr int kBarcodeOrder = 8;      // C666

// Positions IT on the item; false when none is found. A
// code of 14 digits is sought as it is, as a 14-digit barcode.
bool find_item(core::Ctx& ctx, const Decimal& code);
// By the item code alone (order 1).
bool find_item_by_code(core::Ctx& ctx, long long code);

// What a sale reads of an item, copied from IT's current record.
struct Item {
  std::uint32_t recno = 0;
  Text code;         // C012, 8 digits
  Text description;  // C030
  Decimal price;     // C031
  Text unit;         // C408
  Text situation;    // C100, the tax situation
  Text state;        // C163, "A" active
  Text barcode;      // C666
  Text anvisa;       // C841, "S" under ANVISA control
  Text c851, c852, c431, c432;

  long long code_number() const;
  // The code printed on the receipt: the barcode when it is above zero as
  // a number, else the item code.
  Decimal printed_code() const;
};
Item read_item(const xbase::Table& items);

}  // namespace zelto::sales
