#pragma once
// The check that the cash account WCODIGCONTA has exactly one open period
// and that the present moment lies within it (the cash-account filter asks
// it when cash control is on).

#include "core/context.hpp"

namespace zelto::cash {

// True when the account has exactly one open period ("A") that holds the
// present moment. V_CAIXCAIX takes the account and V_CAIXHORA the open
// period's key (account + opening date "YYYYMMDD" + opening time), "" when
// more than one is open. Every refusal is shown. The cash periods (RE) are
// opened for the check when they are not open, and closed again after it.
bool G_CAICO1(core::Ctx& ctx);

}  // namespace zelto::cash
