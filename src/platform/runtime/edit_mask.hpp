#pragma once
// Typing a value through a picture: which positions of the edit buffer are
// literals, what each other position takes, and overwrite typing over the
// buffer. Both screen backends edit fields through this one implementation,
// so a field behaves alike in the real windows and in scripted runs.
//
// Buffers and values are Windows-1252 bytes, as the tables hold them.
//
// Template letters: 9 digits; # digits, blank or sign; A letters; N letters
// and digits; X anything; ! anything, upper-cased; L Y a logical letter.
// Functions: "@!" upper-cases every position, "@A" takes letters only, "@R"
// makes the literals display-only (they are not stored). Without "@R" the
// literals are stored with the value ("12.345.678/0001-99"), which is what
// the registration screens keep in their tables.
//
// A blank is always accepted where a letter is taken: it is how a person
// clears a position while overwriting.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::runtime {

class EditMask {
 public:
  enum class Kind { Text, Number, Date };

  // A text field of `width` bytes. Without a template the buffer is the
  // whole width; with one, the template's length.
  static EditMask text(std::string_view picture, std::size_t width);
  // A number field. Without a template the STR form of width and decimals
  // decides ("9999999.99" for 10, 2).
  static EditMask number(std::string_view picture, int width, int decimals);
  // A date typed as DD/MM/YYYY.
  static EditMask date();

  Kind kind() const { return kind_; }
  std::size_t size() const { return template_.size(); }
  const std::string& template_text() const { return template_; }
  bool is_literal(std::size_t pos) const;
  // The byte the position keeps for a typed byte, or nullopt when refused.
  std::optional<char> accept(std::size_t pos, char typed) const;

  // First editable position at or after `pos`, last one before `pos`.
  std::optional<std::size_t> slot_at_or_after(std::size_t pos) const;
  std::optional<std::size_t> slot_before(std::size_t pos) const;
  // Number fields: position of the decimal point, if the template has one.
  std::optional<std::size_t> point() const;

  // Blanks in every slot, literals in place.
  std::string blank_buffer() const;

  std::string buffer_from_text(std::string_view stored) const;
  // The stored value: padded (or cut) to the field width.
  std::string text_from_buffer(std::string_view buffer) const;
  std::string buffer_from_number(const Decimal& value) const;
  // Blanks and group separators are ignored; nullopt when it is not a number.
  std::optional<Decimal> number_from_buffer(std::string_view buffer) const;
  std::string buffer_from_date(const Date& date) const;
  // "  /  /    " is the empty date; an incomplete or impossible date is nullopt.
  std::optional<Date> date_from_buffer(std::string_view buffer) const;

 private:
  EditMask(Kind kind, std::string functions, std::string tpl, std::size_t width);
  Kind kind_;
  std::string functions_;
  std::string template_;
  std::size_t width_;  // stored width of a text value
};

// The buffer of one field while it is typed into. Typing overwrites the
// character under the cursor and moves to the next editable position; the
// cursor never rests on a literal.
class MaskedEdit {
 public:
  MaskedEdit(EditMask mask, std::string buffer);

  const EditMask& mask() const { return mask_; }
  const std::string& buffer() const { return buffer_; }
  std::size_t cursor() const { return cursor_; }
  // True once anything was typed or erased.
  bool changed() const { return changed_; }

  // False when the position refuses the byte (the buffer stays as it was).
  // In a number field the first key typed clears the old number, and "." or
  // "," moves the integer digits typed so far before the decimal point.
  bool type(char c);
  void type_text(std::string_view text);
  void backspace();
  // Removes the character under the cursor; the rest of the run of slots up
  // to the next literal moves left.
  void erase();
  void left();
  void right();
  void home();
  void end();
  void clear();

 private:
  void decimal_point();
  EditMask mask_;
  std::string buffer_;
  std::size_t cursor_ = 0;
  bool changed_ = false;
};

}  // namespace zelto::runtime
