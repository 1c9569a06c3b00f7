#pragma once
// The fiscal flags byte of the classic makes ("BE", "DA", "SW").

#include <optional>

#include "core/context.hpp"

namespace zelto::ecf {

namespace flags {
inline constexpr int kReceiptOpen = 1;
inline constexpr int kSummerTime = 4;
inline constexpr int kZDone = 8;
inline constexpr int kMayCancel = 32;
}  // namespace flags

// One read of the flags byte; nothing when it failed (the operator has been
// told why).
std::optional<int> read_fiscal_flags(core::Ctx& ctx);

}  // namespace zelto::ecf
