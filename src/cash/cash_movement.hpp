#pragma once
// Cash withdrawals ("Sangria") and supplies ("Ressuprimento") of the
// operator's cash: the form, the document on the printer, and what it leaves
// in the tables.
//
//   cash::RS_M10_BEM7(ctx, cash::kSupply);       // the cash window's "&Ressuprimento"
//   cash::RS_M10_BEM7(ctx, cash::kWithdrawal);   // and its "&Sangria"
//
// The operator needs the right "M103" (supply) or "M104" (withdrawal) and an
// open cash period (WABERTCAIXA); after the day's Z nothing is done. The form shows again after a "no" to the
// confirmation and after the printer refused the document, until the
// operator leaves it with "ESC - Sair". A document printed is recorded: one
// cash movement (MV, numbered from the counter NV C780), one record of the
// printer's other documents (Y4) and, for a supply, one payment record (Y2),
// the last two sealed.

#include "core/context.hpp"

namespace zelto::cash {

inline constexpr int kSupply = 1;
inline constexpr int kWithdrawal = 2;

// True when the movement was printed and recorded.
bool RS_M10_BEM7(core::Ctx& ctx, int kind);

}  // namespace zelto::cash
