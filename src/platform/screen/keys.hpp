#pragma once
// The keys a checkout uses. Typed characters travel apart, as bytes.

#include <optional>
#include <string>
#include <string_view>

namespace zelto::screen {

enum class Key {
  None,  // no key yet, or focus moved by the mouse
  Enter, Esc, Tab, BackTab, Up, Down, Left, Right, Home, End, PageUp, PageDown,
  Backspace, Delete,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
};

// "Enter", "F3", "PageDown" ...
std::string key_name(Key key);
std::optional<Key> key_from_name(std::string_view name);
// F1 .. F12 from 1 .. 12.
Key function_key(int number);

}  // namespace zelto::screen
