#pragma once
// The operator's key presses in the layer's terms.

#include <QKeyEvent>
#include <optional>

#include "platform/screen/keys.hpp"

namespace zelto::screen::qt {

std::optional<Key> key_of(const QKeyEvent& event);
// The Windows-1252 byte a key typed, when it typed one printable character.
std::optional<char> typed_byte(const QKeyEvent& event);
// Alt with a letter or digit: a hot key.
std::optional<char> alt_letter(const QKeyEvent& event);

}  // namespace zelto::screen::qt
