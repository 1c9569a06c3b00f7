#pragma once
// A modal form described as data: its fields, buttons and notes. The form
// session (form_session.hpp) gives it life; both backends only show it.

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"
#include "platform/screen/types.hpp"

namespace zelto::screen {

class FormSession;

// Text of a fixed width in bytes, an exact number, or a date. Amounts are
// never floating point.
using FieldValue = std::variant<Text, runtime::Decimal, runtime::Date>;

struct Field {
  std::string id{};  // how scripts and checks name the field
  Text label{};
  Frame label_frame = Frame::None;  // the label drawn as a framed text control
  Align label_align = Align::Left;  // within the labels' column of a modal form
  FieldValue value{};
  std::string picture{};  // "@!", "999999", "99.99", "99/99/9999" ...
  int width = 0;        // text: bytes stored; number: the STR width
  int decimals = 0;     // number: places
  bool enabled = true;
  bool visible = true;
  bool secret = false;  // passwords: shown as asterisks
  // Shown, but never takes the focus or input, whatever set_enabled says
  // later: a value the form only displays.
  bool read_only = false;
  Text description{};     // shown beside the input (a code's name)
  // The line of a modal form the field stands on; fields given the same
  // line stand side by side. -1: the line after the previous field's.
  int line = -1;
  // Where a window's entry row places the input and its label; a modal
  // form lays its fields out by itself and ignores them.
  Rect where{};
  Rect label_where{};
  // Run when the field is left forward or back; the key that left it is the
  // session's last_key(). False keeps the focus in the field.
  std::function<bool(FormSession&)> check{};
  std::function<void(FormSession&)> on_f2{};     // F2 lookup of this field
  std::function<void(FormSession&)> on_focus{};  // run when the field gets the focus

  static Field text(std::string id, Text label, Text value, int width, std::string picture = "");
  static Field number(std::string id, Text label, runtime::Decimal value, int width, int decimals,
                      std::string picture = "");
  static Field date(std::string id, Text label, runtime::Date value);

  bool focusable() const { return enabled && visible && !read_only; }
};

struct FormButton {
  Text caption{};  // "&Gravar": Alt+G or the letter's hot key presses it
  std::function<void(FormSession&)> action{};
  bool enabled = true;
};

struct FormSpec {
  Text title{};
  std::vector<Field> fields{};
  std::vector<FormButton> buttons{};
  std::vector<Text> notes{};  // plain texts shown below the fields
  Rect geometry{};            // the window's size; empty lets the backend choose
  // Asked before the form closes by any means; false keeps it open.
  std::function<bool(FormSession&)> can_close{};
};

}  // namespace zelto::screen
