#pragma once
// Captions with "&" before their hot letter ("&Gravar", "ESC - Sair").

#include <optional>
#include <string_view>

#include "platform/screen/types.hpp"

namespace zelto::screen {

// The hot letter in upper case, or nullopt when the caption has none.
std::optional<char> hot_letter(std::string_view caption);
// The caption as shown: "&" markers removed ("&&" stays one "&").
Text plain_caption(std::string_view caption);
// The rule of the button rows: the caption, upper-cased, contains "&"
// followed by the letter in upper case.
bool claims_hot_key(std::string_view caption, char letter);

}  // namespace zelto::screen
