#include "platform/screen/window.hpp"

#include <stdexcept>

namespace zelto::screen {
namespace {

// The entry row takes the keys that move and edit; function keys it leaves
// to the windows, except F2 on a field that has a lookup.
bool entry_takes(const FormSession& entry, Key key) {
  if (key == Key::Esc) return false;
  if (key == Key::F2) {
    const auto f = entry.focused_field();
    return f && bool(entry.field(*f).on_f2);
  }
  return key < Key::F1;
}

}  // namespace

void Window::changed() {
  ++revision_;
  if (observer_) observer_();
}

void Window::add_panel(Panel panel) {
  if (find_panel(panel.name) || find_button(panel.name)) throw std::invalid_argument("name in use: " + panel.name);
  panels_.push_back(std::move(panel));
  changed();
}

void Window::add_button(WindowButton button) {
  if (find_panel(button.name) || find_button(button.name)) throw std::invalid_argument("name in use: " + button.name);
  buttons_.push_back(std::move(button));
  changed();
}

Panel* Window::find_panel(std::string_view name) {
  for (auto& p : panels_)
    if (p.name == name) return &p;
  return nullptr;
}

WindowButton* Window::find_button(std::string_view name) {
  for (auto& b : buttons_)
    if (b.name == name) return &b;
  return nullptr;
}

const Panel& Window::panel(std::string_view name) const {
  if (auto* p = const_cast<Window*>(this)->find_panel(name)) return *p;
  throw std::out_of_range("window " + spec_.name + " has no panel " + std::string(name));
}

const WindowButton& Window::button(std::string_view name) const {
  if (auto* b = const_cast<Window*>(this)->find_button(name)) return *b;
  throw std::out_of_range("window " + spec_.name + " has no button " + std::string(name));
}

void Window::set_text(std::string_view name, Text text) {
  if (auto* p = find_panel(name)) p->text = std::move(text);
  else if (auto* b = find_button(name)) b->caption = std::move(text);
  else throw std::out_of_range("window " + spec_.name + " has nothing named " + std::string(name));
  changed();
}

const Text& Window::text(std::string_view name) const {
  if (auto* p = const_cast<Window*>(this)->find_panel(name)) return p->text;
  return button(name).caption;
}

void Window::set_visible(std::string_view name, bool visible) {
  if (auto* p = find_panel(name)) p->visible = visible;
  else if (auto* b = find_button(name)) b->visible = visible;
  else throw std::out_of_range("window " + spec_.name + " has nothing named " + std::string(name));
  changed();
}

bool Window::visible(std::string_view name) const {
  if (auto* p = const_cast<Window*>(this)->find_panel(name)) return p->visible;
  return button(name).visible;
}

void Window::set_enabled(std::string_view button_name, bool enabled) {
  auto* b = find_button(button_name);
  if (!b) throw std::out_of_range("window " + spec_.name + " has no button " + std::string(button_name));
  b->enabled = enabled;
  changed();
}

void Window::bind_key(Key key, std::function<void()> action) {
  keys_[key] = std::move(action);
  changed();
}

void Window::unbind_key(Key key) {
  keys_.erase(key);
  changed();
}

FormSession& Window::set_entry(FormSpec def) {
  entry_ = std::make_unique<FormSession>(std::move(def));
  entry_->start();
  changed();
  return *entry_;
}

bool Window::press(Key key) {
  if (auto it = keys_.find(key); it != keys_.end()) {
    auto action = it->second;  // the action may rebind its own key
    action();
    changed();
    return true;
  }
  if (entry_ && entry_->open() && entry_takes(*entry_, key)) {
    entry_->press(key);
    changed();
    return true;
  }
  return false;
}

bool Window::type(char c) {
  if (!entry_ || !entry_->open()) return false;
  entry_->type(c);
  changed();
  return true;
}

bool Window::click(std::string_view name) {
  if (auto* b = find_button(name)) {
    if (!b->enabled || !b->visible) return false;
    auto action = b->action;
    if (action) action();
    changed();
    return true;
  }
  if (auto* p = find_panel(name)) {
    if (!p->visible || !p->on_click) return false;
    auto action = p->on_click;
    action();
    changed();
    return true;
  }
  return false;
}

}  // namespace zelto::screen
