#include "platform/screen/qt/key_map.hpp"

#include "platform/screen/qt/qt_text.hpp"

namespace zelto::screen::qt {

std::optional<Key> key_of(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return: case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Esc;
    case Qt::Key_Tab: return event.modifiers() & Qt::ShiftModifier ? Key::BackTab : Key::Tab;
    case Qt::Key_Backtab: return Key::BackTab;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Delete: return Key::Delete;
    default: break;
  }
  if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F12) return function_key(event.key() - Qt::Key_F1 + 1);
  return std::nullopt;
}

std::optional<char> typed_byte(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return std::nullopt;
  const QString text = event.text();
  if (text.size() != 1 || !text.at(0).isPrint()) return std::nullopt;
  const Text bytes = from_qt(text);
  if (bytes.size() != 1) return std::nullopt;
  return bytes[0];
}

std::optional<char> alt_letter(const QKeyEvent& event) {
  if (!(event.modifiers() & Qt::AltModifier)) return std::nullopt;
  const int k = event.key();
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return static_cast<char>(k);
  return std::nullopt;
}

}  // namespace zelto::screen::qt
