#include "platform/screen/form_session.hpp"

#include <stdexcept>

#include "platform/runtime/text.hpp"
#include "platform/screen/hot_key.hpp"

namespace zelto::screen {

using runtime::EditMask;
using runtime::MaskedEdit;

FormSession::FormSession(FormSpec def) : spec_(std::move(def)) {}

void FormSession::start() {
  if (auto first = next_focusable(0, true)) {
    enter_field(*first);
  } else if (auto b = first_button(true)) {
    focus_button(*b);
  }
  changed();
}

std::size_t FormSession::index_of(std::string_view id) const {
  for (std::size_t i = 0; i < spec_.fields.size(); ++i)
    if (spec_.fields[i].id == id) return i;
  throw std::out_of_range("form has no field " + std::string(id));
}

std::optional<std::size_t> FormSession::focused_field() const { return field_; }
std::optional<std::size_t> FormSession::focused_button() const { return button_; }

EditMask FormSession::mask_of(const Field& f) const {
  if (std::holds_alternative<runtime::Decimal>(f.value)) return EditMask::number(f.picture, f.width, f.decimals);
  if (std::holds_alternative<runtime::Date>(f.value)) return EditMask::date();
  return EditMask::text(f.picture, static_cast<std::size_t>(f.width));
}

Text FormSession::display_value(const Field& f) const {
  const EditMask m = mask_of(f);
  if (const auto* n = std::get_if<runtime::Decimal>(&f.value)) return m.buffer_from_number(*n);
  if (const auto* d = std::get_if<runtime::Date>(&f.value)) return m.buffer_from_date(*d);
  return m.buffer_from_text(std::get<Text>(f.value));
}

Text FormSession::display(std::size_t i) const {
  if (field_ == i && editor_) return editor_->buffer();
  return display_value(spec_.fields.at(i));
}

const Text& FormSession::text(std::string_view id) const { return std::get<Text>(value(id)); }
const runtime::Decimal& FormSession::number(std::string_view id) const { return std::get<runtime::Decimal>(value(id)); }
const runtime::Date& FormSession::date(std::string_view id) const { return std::get<runtime::Date>(value(id)); }

// What was typed becomes the field's value; false when it cannot be read
// (an impossible date, a malformed number), and the value stays as it was.
bool FormSession::commit_editor() {
  if (!field_ || !editor_) return true;
  Field& f = spec_.fields[*field_];
  const EditMask& m = editor_->mask();
  const std::string& buf = editor_->buffer();
  switch (m.kind()) {
    case EditMask::Kind::Text:
      f.value = m.text_from_buffer(buf);
      return true;
    case EditMask::Kind::Number:
      if (auto n = m.number_from_buffer(buf)) {
        f.value = f.decimals > 0 ? n->round(f.decimals) : *n;
        return true;
      }
      return false;
    case EditMask::Kind::Date:
      if (auto d = m.date_from_buffer(buf)) {
        f.value = *d;
        return true;
      }
      return false;
  }
  return false;
}

std::optional<std::size_t> FormSession::next_focusable(std::size_t from, bool forward) const {
  const auto& fs = spec_.fields;
  if (forward) {
    for (std::size_t i = from; i < fs.size(); ++i)
      if (fs[i].focusable()) return i;
  } else {
    for (std::size_t i = std::min(from + 1, fs.size()); i-- > 0;)
      if (fs[i].focusable()) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> FormSession::first_button(bool forward) const {
  const auto& bs = spec_.buttons;
  for (std::size_t k = 0; k < bs.size(); ++k) {
    const std::size_t i = forward ? k : bs.size() - 1 - k;
    if (bs[i].enabled) return i;
  }
  return std::nullopt;
}

void FormSession::enter_field(std::size_t i) {
  field_ = i;
  button_.reset();
  ++focus_moves_;
  const Field& f = spec_.fields[i];
  editor_.emplace(mask_of(f), display_value(f));
  changed();
  if (f.on_focus) f.on_focus(*this);
}

void FormSession::focus(std::size_t i) {
  if (!open()) return;
  enter_field(i);
}

void FormSession::focus_button(std::size_t i) {
  field_.reset();
  editor_.reset();
  button_ = i;
  ++focus_moves_;
  changed();
}

void FormSession::leave_field(Key key, bool forward) {
  last_key_ = key;
  const std::size_t here = *field_;
  if (!commit_editor()) {
    changed();
    return;
  }
  const std::uint64_t moves = focus_moves_;
  const Field& f = spec_.fields[here];
  const bool ok = !f.check || f.check(*this);
  if (!open()) return;
  if (focus_moves_ != moves) return;  // the check placed the focus itself
  if (!ok) {
    // The check may have changed the value: show it afresh.
    if (field_ == here) editor_.emplace(mask_of(spec_.fields[here]), display_value(spec_.fields[here]));
    changed();
    return;
  }
  if (forward) {
    if (auto next = next_focusable(here + 1, true)) {
      enter_field(*next);
    } else if (auto b = first_button(true)) {
      focus_button(*b);
    } else {
      enter_field(here);
    }
  } else if (here > 0) {
    if (auto prev = next_focusable(here - 1, false)) enter_field(*prev);
    else enter_field(here);
  } else {
    enter_field(here);
  }
}

bool FormSession::type(char c) {
  if (!open() || !editor_) return false;
  const bool ok = editor_->type(c);
  changed();
  return ok;
}

void FormSession::type_text(std::string_view text) {
  for (char c : text) type(c);
}

void FormSession::press(Key key) {
  if (!open()) return;
  if (key == Key::Esc) {
    last_key_ = key;
    cancel();
    return;
  }
  if (button_) {
    const std::size_t b = *button_;
    switch (key) {
      case Key::Enter:
        press_button(b);
        return;
      case Key::Tab: case Key::Down: case Key::Right:
        for (std::size_t i = b + 1; i < spec_.buttons.size(); ++i)
          if (spec_.buttons[i].enabled) return focus_button(i);
        return;
      case Key::BackTab: case Key::Up: case Key::Left:
        for (std::size_t i = b; i-- > 0;)
          if (spec_.buttons[i].enabled) return focus_button(i);
        if (auto last = next_focusable(spec_.fields.empty() ? 0 : spec_.fields.size() - 1, false))
          enter_field(*last);
        return;
      default:
        return;
    }
  }
  if (!field_ || !editor_) return;
  switch (key) {
    case Key::Enter: case Key::Tab: case Key::Down:
      leave_field(key, true);
      break;
    case Key::Up: case Key::BackTab:
      leave_field(key, false);
      break;
    case Key::F2: {
      last_key_ = key;
      const Field& f = spec_.fields[*field_];
      if (f.on_f2) {
        commit_editor();
        f.on_f2(*this);
      }
      break;
    }
    case Key::Left: editor_->left(); break;
    case Key::Right: editor_->right(); break;
    case Key::Home: editor_->home(); break;
    case Key::End: editor_->end(); break;
    case Key::Backspace: editor_->backspace(); break;
    case Key::Delete: editor_->erase(); break;
    default: break;
  }
  changed();
}

bool FormSession::press_hot_key(char letter) {
  for (std::size_t i = 0; i < spec_.buttons.size(); ++i) {
    if (spec_.buttons[i].enabled && claims_hot_key(spec_.buttons[i].caption, letter)) {
      press_button(i);
      return true;
    }
  }
  return false;
}

void FormSession::press_button(std::size_t i) {
  if (!open()) return;
  const FormButton& b = spec_.buttons.at(i);
  if (!b.enabled) return;
  commit_editor();
  last_key_ = Key::None;
  // Copied: the action may change the buttons.
  auto action = b.action;
  if (action) action(*this);
  changed();
}

void FormSession::click_field(std::size_t i) {
  if (!open() || !spec_.fields.at(i).focusable() || field_ == i) return;
  if (field_) {
    last_key_ = Key::None;
    if (!commit_editor()) return;
    const std::uint64_t moves = focus_moves_;
    const Field& f = spec_.fields[*field_];
    if (f.check && !f.check(*this)) return;
    if (!open() || focus_moves_ != moves) return;
  }
  enter_field(i);
}

void FormSession::set_value(std::size_t i, FieldValue value) {
  Field& f = spec_.fields.at(i);
  if (auto* t = std::get_if<Text>(&value)) *t = runtime::padr(*t, static_cast<std::size_t>(f.width));
  f.value = std::move(value);
  if (field_ == i) editor_.emplace(mask_of(f), display_value(f));
  changed();
}

void FormSession::set_enabled(std::size_t i, bool enabled) {
  spec_.fields.at(i).enabled = enabled;
  changed();
}

void FormSession::set_visible(std::size_t i, bool visible) {
  spec_.fields.at(i).visible = visible;
  changed();
}

void FormSession::set_description(std::size_t i, Text description) {
  spec_.fields.at(i).description = std::move(description);
  changed();
}

void FormSession::set_picture(std::size_t i, std::string picture) {
  Field& f = spec_.fields.at(i);
  f.picture = std::move(picture);
  if (field_ == i) editor_.emplace(mask_of(f), display_value(f));
  changed();
}

void FormSession::set_button_enabled(std::size_t i, bool enabled) {
  spec_.buttons.at(i).enabled = enabled;
  changed();
}

void FormSession::close(FormOutcome outcome) {
  if (!open()) return;
  const FormOutcome before = outcome_;
  outcome_ = outcome;  // can_close sees how the form is being closed
  if (spec_.can_close && !spec_.can_close(*this)) {
    outcome_ = before;
    changed();
    return;
  }
  field_.reset();
  editor_.reset();
  button_.reset();
  changed();
}

void FormSession::confirm() { close(FormOutcome::Confirmed); }
void FormSession::cancel() { close(FormOutcome::Cancelled); }

}  // namespace zelto::screen
