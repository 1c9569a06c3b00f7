#pragma once
// A supervisor's authorisation in place of a right the operator lacks: the
// cancellations ask it after G_PERMIS refused. A supervisor types his own
// code and password; they are verified like a login, and the authorisation
// holds only when that supervisor has the right himself.

#include "core/context.hpp"

namespace zelto::app {

// True when a supervisor holding the right `code` authorised. Cancelling
// the form refuses quietly; every other refusal shows why.
bool M11111AV(core::Ctx& ctx, const core::Text& code);

// The form's field ids, for scripts.
inline constexpr const char* kSupervisorField = "SUPERVISOR";
inline constexpr const char* kSupervisorPasswordField = "SENHA";

}  // namespace zelto::app
