#pragma once
// The two answers of the fiscal printer the fingerprint file keeps: its
// grand total ("GRANDE_TOTAL") and its serial number ("NUM_SER"). The
// printer layer sits above the store, so it puts its queries in the run's
// services; a run without them has no printer to ask, and every query
// counts as unanswered.

#include <functional>
#include <optional>
#include <string>

#include "core/context.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::store {

struct FingerprintPrinter {
  // Nothing when the printer did not answer.
  std::function<std::optional<runtime::Decimal>(core::Ctx&)> grand_total;
  std::function<std::optional<std::string>(core::Ctx&)> serial;
};

}  // namespace zelto::store
