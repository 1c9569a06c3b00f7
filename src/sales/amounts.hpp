#pragma once
// Amounts of a sale line brought to cents as the configuration says
// (W_ARREDON): "T" cuts after the second decimal, anything else rounds.
// The cut is the old one: the value written with 4 decimals in 14
// characters and its first 12 characters read back, so 0.34815 gives 0.34
// and 0.349996 (0.3500 with 4 decimals) gives 0.35.

#include "core/globals.hpp"

namespace zelto::sales {

using core::Decimal;
using core::Text;

bool truncates(const core::Globals& g);
Decimal to_cents(const Decimal& value, bool truncate);
inline Decimal to_cents(const core::Globals& g, const Decimal& value) { return to_cents(value, truncates(g)); }
// Unit price times quantity, to cents.
inline Decimal line_total(const core::Globals& g, const Decimal& price, const Decimal& quantity) {
  return to_cents(g, price * quantity);
}

// The subtotal as the totals panel shows it: 2 decimals and a blank
// between thousands and hundreds ("123 456.78"); at most six integer digits.
Text subtotal_text(const Decimal& value);

}  // namespace zelto::sales
