#pragma once
// The life of one form: values, focus, the last key, the checks run when a
// field is left, F2, buttons and closing. Both backends feed it keys and
// draw what it holds, so a form behaves the same headless and on screen.
//
// Keys: Enter, Tab and Down leave a field forward, Up and BackTab back; each
// runs the field's check with that key as the last key. Past the last field
// the focus goes to the buttons, where Enter presses the focused one. Esc
// closes the form as cancelled (the check is not run). F2 runs the field's
// lookup. A button press keeps what was typed in the field and runs the
// button's action; the action confirms or cancels the form.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/runtime/edit_mask.hpp"
#include "platform/screen/form.hpp"
#include "platform/screen/keys.hpp"

namespace zelto::screen {

enum class FormOutcome { Open, Confirmed, Cancelled };

class FormSession {
 public:
  explicit FormSession(FormSpec def);

  // Puts the focus on the first field that takes it (running its focus
  // action). Backends call it once their window is up.
  void start();

  const FormSpec& definition() const { return spec_; }
  std::size_t field_count() const { return spec_.fields.size(); }
  const Field& field(std::size_t i) const { return spec_.fields.at(i); }
  const Field& field(std::string_view id) const { return spec_.fields.at(index_of(id)); }
  std::size_t index_of(std::string_view id) const;  // throws std::out_of_range

  std::optional<std::size_t> focused_field() const;
  std::optional<std::size_t> focused_button() const;
  // The text a field shows: the buffer while it is typed into, otherwise the
  // value through its picture.
  Text display(std::size_t i) const;
  const runtime::MaskedEdit* editor() const { return editor_ ? &*editor_ : nullptr; }
  Key last_key() const { return last_key_; }
  FormOutcome outcome() const { return outcome_; }
  bool open() const { return outcome_ == FormOutcome::Open; }
  // Grows with every change, so that a backend knows when to redraw.
  std::uint64_t revision() const { return revision_; }

  // Operator input.
  bool type(char c);  // a Windows-1252 byte into the focused field
  void type_text(std::string_view text);
  void press(Key key);
  // The first enabled button whose caption claims the letter; false if none.
  bool press_hot_key(char letter);
  void press_button(std::size_t i);
  // The mouse put the focus on a field: the one left is checked with no key.
  void click_field(std::size_t i);

  // For checks and actions.
  void set_value(std::size_t i, FieldValue value);
  void set_value(std::string_view id, FieldValue value) { set_value(index_of(id), std::move(value)); }
  const FieldValue& value(std::string_view id) const { return field(id).value; }
  const Text& text(std::string_view id) const;
  const runtime::Decimal& number(std::string_view id) const;
  const runtime::Date& date(std::string_view id) const;
  void set_enabled(std::size_t i, bool enabled);
  void set_visible(std::size_t i, bool visible);
  void set_description(std::size_t i, Text description);
  void set_picture(std::size_t i, std::string picture);
  void set_button_enabled(std::size_t i, bool enabled);
  // Moves the focus without checking the field left.
  void focus(std::size_t i);
  void focus_button(std::size_t i);
  // Close the form, unless its can_close refuses.
  void confirm();
  void cancel();

 private:
  runtime::EditMask mask_of(const Field& f) const;
  Text display_value(const Field& f) const;
  bool commit_editor();
  void leave_field(Key key, bool forward);
  void enter_field(std::size_t i);
  std::optional<std::size_t> next_focusable(std::size_t from, bool forward) const;
  std::optional<std::size_t> first_button(bool forward) const;
  void close(FormOutcome outcome);
  void changed() { ++revision_; }

  FormSpec spec_;
  std::optional<std::size_t> field_;
  std::optional<std::size_t> button_;
  std::optional<runtime::MaskedEdit> editor_;
  Key last_key_ = Key::None;
  FormOutcome outcome_ = FormOutcome::Open;
  std::uint64_t revision_ = 0;
  std::uint64_t focus_moves_ = 0;
};

}  // namespace zelto::screen
