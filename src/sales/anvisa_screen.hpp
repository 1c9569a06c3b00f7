#pragma once
// The data a medicine under ANVISA control must carry on its receipt line:
// the lot, the prescription, the prescriber and the buyer. Asked for each
// such line before it is sold, and stored with the line in PC (C507-C521).

#include "core/context.hpp"
#include "sales/item_lookup.hpp"

namespace zelto::sales {

// The line's ANVISA data (WANVISAVD), by the PC field each goes to.
struct AnvisaData {
  bool present = false;  // the screen was confirmed for this line (C507 "S")
  Text prescription_kind = " ";  // C508
  Text lot;                      // C509
  Text use = "1";                // C510
  runtime::Date prescribed;      // C511
  Text prescriber;               // C512
  Text prescriber_registry;      // C513
  Text council;                  // C514
  Text council_state;            // C515
  Text buyer;                    // C516
  Text document_kind;            // C517
  Text document_number;          // C518
  Text issuer;                   // C519
  Text issuer_state;             // C520
  Text blue_notification;        // C521
};

// Whether the item's lines need the data: W_ANVISA "S" and the item's
// C841 "S".
bool needs_anvisa(const core::Globals& g, const Item& item);

// The data screen. True when the sale may go on: the item needs no data,
// or the operator confirmed them (then in `data`); false on "ESC - Sair".
bool LE_ANVISA(core::Ctx& ctx, const Item& item, AnvisaData& data);

}  // namespace zelto::sales
