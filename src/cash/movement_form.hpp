#pragma once
// The withdrawal and supply form: description, payment type, document number
// and amount, kept in WDESCRMOVIM, WCODIGTIDOC, WNUCHEMOVIM and WVALORMOVIM
// so that a form shown again keeps what was typed.

#include "core/context.hpp"

namespace zelto::cash {

// Field ids, for scripts and tests.
inline constexpr const char* kDescriptionField = "WDESCRMOVIM";
inline constexpr const char* kTypeField = "WCODIGTIDOC";
inline constexpr const char* kDocumentField = "WNUCHEMOVIM";
inline constexpr const char* kAmountField = "WVALORMOVIM";

// The form's values at the start of a movement.
void clear_movement_form(core::Globals& g);

// Shows the form for a supply (`supply`) or a withdrawal; true when left by
// " Gravar ", its values then in the settings; false on "ESC - Sair".
bool show_movement_form(core::Ctx& ctx, bool supply);

}  // namespace zelto::cash
