#pragma once
// The discount or surcharge on the subtotal of a receipt. The mode comes
// from the configuration (VDF): "DV" discount in money, "DP" discount in
// percent, "AV" surcharge in money, "AP" surcharge in percent, and "TV" or
// "CV" where the operator chooses per receipt between a discount and a
// surcharge in money ("TV" starts at the discount, "CV" at the surcharge).
// Any other mode is taken as "DV".

#include <string>

#include "core/globals.hpp"

namespace zelto::sales {

using core::Decimal;
using core::Text;

struct AdjustmentMode {
  Text code;         // one of the six handled modes
  bool chosen;       // "TV" or "CV": the kind is asked per receipt
  bool percent;      // "DP" or "AP"
  char fixed_kind;   // 'D' or 'A' for the four fixed modes
};

AdjustmentMode adjustment_mode(const Text& vdf);

// The kind in force: the per-receipt kind (NTIDES) in the chosen modes,
// the mode's own otherwise.
char adjustment_kind(const AdjustmentMode& mode, const Text& chosen_kind);

// The label of the adjustment field.
Text adjustment_label(const AdjustmentMode& mode, char kind);

// A discount may not take the whole subtotal: in money it must be below
// the subtotal, in percent below 100. A surcharge has no limit here.
bool adjustment_too_large(const AdjustmentMode& mode, char kind, const Decimal& value, const Decimal& subtotal);

// The money the adjustment moves, to cents: a percentage of the subtotal
// rounded to 2 decimals, or the value itself. Positive for both kinds.
Decimal adjustment_amount(const AdjustmentMode& mode, const Decimal& value, const Decimal& subtotal);

// The receipt total after the adjustment.
Decimal receipt_total(const AdjustmentMode& mode, char kind, const Decimal& value, const Decimal& subtotal);

// The adjustment as the printer's start of the closing takes it: the kind
// into WTIDESCACRES, "$" or "%" into WTIPODESCAC, NDESC, and the mode's
// "P" or "V" into WVALORPERCENTUAL; WVALDESC from NDESC.
void set_printer_adjustment(core::Globals& g, const AdjustmentMode& mode, char kind, const Decimal& value);

// NDESC with leading zeros in 14 characters: 2 decimals for "$", 4 for "%".
Text adjustment_value_text(const Text& kind_of_value, const Decimal& value);

}  // namespace zelto::sales
