#pragma once
// Windows that stay open while the program runs (the main frame, the sales
// window): named panels of text, buttons, function keys installed and
// removed as the screen changes state, and an entry row of fields. The
// window holds all of this as plain state; the backends draw it and pass it
// the operator's keys.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/screen/form_session.hpp"
#include "platform/screen/keys.hpp"
#include "platform/screen/types.hpp"

namespace zelto::screen {

struct PanelStyle {
  Align align = Align::Left;
  bool bottom = false;      // text anchored to the bottom edge
  int point_size = 0;       // 0: the window's font
  bool bold = false;
  bool fixed_pitch = false; // columns of figures that must line up
  Colour text{0x000000};
  std::optional<Colour> background{};  // none: the window shows through
  Frame frame = Frame::None;
};

struct Panel {
  std::string name{};
  Text text{};  // several lines are separated by "\n"
  Rect geometry{};
  PanelStyle style{};
  bool visible = true;
  std::function<void()> on_click{};
};

struct WindowButton {
  std::string name{};
  Text caption{};
  Rect geometry{};
  bool enabled = true;
  bool visible = true;
  std::function<void()> action{};
};

struct WindowSpec {
  std::string name{};
  Text title{};
  Rect geometry{};       // empty: the backend chooses
  std::string parent{};  // a window shown inside another one (the sales window in the frame)
  bool maximized = false;
  bool message_bar = false;  // the frame's bar for status texts
  std::optional<Colour> background{};
};

class Window {
 public:
  explicit Window(WindowSpec def) : spec_(std::move(def)) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const WindowSpec& definition() const { return spec_; }
  const std::string& name() const { return spec_.name; }
  std::uint64_t revision() const { return revision_; }
  // Told of every change (a backend redraws).
  void set_observer(std::function<void()> observer) { observer_ = std::move(observer); }

  void add_panel(Panel panel);
  void add_button(WindowButton button);
  const std::vector<Panel>& panels() const { return panels_; }
  const std::vector<WindowButton>& buttons() const { return buttons_; }
  const Panel& panel(std::string_view name) const;
  const WindowButton& button(std::string_view name) const;

  // A panel's text or a button's caption.
  void set_text(std::string_view name, Text text);
  const Text& text(std::string_view name) const;
  // Panels and buttons alike.
  void set_visible(std::string_view name, bool visible);
  bool visible(std::string_view name) const;
  void set_enabled(std::string_view button_name, bool enabled);

  void bind_key(Key key, std::function<void()> action);
  void unbind_key(Key key);
  bool bound(Key key) const { return keys_.count(key) != 0; }

  // The fields that stay in the window (the sales screen's entry row).
  FormSession& set_entry(FormSpec def);
  FormSession* entry() { return entry_.get(); }
  const FormSession* entry() const { return entry_.get(); }

  // Operator input. A bound key runs its action; the keys that move and
  // edit, F2 on a field with a lookup, and typed bytes go to the entry row.
  // False when nothing in the window took it (the parent window may).
  bool press(Key key);
  bool type(char c);
  // A click on a button (only when enabled and visible) or a panel.
  bool click(std::string_view name);

 private:
  Panel* find_panel(std::string_view name);
  WindowButton* find_button(std::string_view name);
  void changed();

  WindowSpec spec_{};
  std::vector<Panel> panels_{};
  std::vector<WindowButton> buttons_{};
  std::map<Key, std::function<void()>> keys_{};
  std::unique_ptr<FormSession> entry_{};
  std::function<void()> observer_{};
  std::uint64_t revision_ = 0;
};

}  // namespace zelto::screen
