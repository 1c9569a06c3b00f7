#pragma once
// Access rights: which guarded screens and commands an operator may use.
// One record of the rights table `UM` (M006.DBF) per right granted, keyed by
// the operator code (3) and the right code blank-padded to 8, so "M4" and
// "M41" are different rights. The service operator "ZEL" holds them all.

#include <optional>
#include <string_view>

#include "core/context.hpp"

namespace zelto::app {

// Whether operator `who` holds the right `code` (taken as given). Reads `UM`
// and leaves it on the record it was on; throws xbase::Error when the
// table is not open or cannot be read.
bool operator_holds_right(core::Ctx& ctx, std::string_view who, std::string_view code);

// The logged-in operator (VUSU) holds the right; otherwise shows `message`,
// or "Este usuario nao tem permissao para acessar o modulo " + the trimmed
// code, and returns false.
bool G_PERMIS(core::Ctx& ctx, const core::Text& code, const std::optional<core::Text>& message = std::nullopt);

// The same without any message, for callers that show their own refusal;
// the code is upper-cased first. A rights table that cannot be read refuses.
bool G_PERMI1(core::Ctx& ctx, const core::Text& code);

}  // namespace zelto::app
