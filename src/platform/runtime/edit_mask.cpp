#include "platform/runtime/edit_mask.hpp"

#include <algorithm>

#include "platform/runtime/picture.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::runtime {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Letters of Windows-1252, accented ones included (names are typed with them).
bool is_letter(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
  if (b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9A || b == 0x9C || b == 0x9E || b == 0x9F) return true;
  return b >= 0xC0 && b != 0xD7 && b != 0xF7;
}

std::string nines(int count) { return std::string(static_cast<std::size_t>(std::max(count, 0)), '9'); }

}  // namespace

EditMask::EditMask(Kind kind, std::string functions, std::string tpl, std::size_t width)
    : kind_(kind), functions_(std::move(functions)), template_(std::move(tpl)), width_(width) {}

EditMask EditMask::text(std::string_view picture, std::size_t width) {
  Picture p = Picture::parse(picture);
  std::string tpl = p.template_text;
  if (tpl.empty()) tpl = std::string(width, 'X');
  return EditMask(Kind::Text, p.functions, tpl, width);
}

EditMask EditMask::number(std::string_view picture, int width, int decimals) {
  Picture p = Picture::parse(picture);
  std::string tpl = p.template_text;
  if (tpl.empty()) tpl = decimals > 0 ? nines(width - decimals - 1) + "." + nines(decimals) : nines(width);
  return EditMask(Kind::Number, p.functions, tpl, tpl.size());
}

EditMask EditMask::date() { return EditMask(Kind::Date, "", "99/99/9999", 10); }

bool EditMask::is_literal(std::size_t pos) const {
  return pos >= template_.size() || !Picture::is_template_letter(template_[pos]);
}

std::optional<char> EditMask::accept(std::size_t pos, char typed) const {
  if (is_literal(pos)) return std::nullopt;
  const char t = static_cast<char>(upper_1252_char(template_[pos]));
  if (kind_ != Kind::Text) {
    if (is_digit(typed) || typed == ' ') return typed;
    const bool integer_slot = !point() || pos < *point();
    if (kind_ == Kind::Number && typed == '-' && integer_slot) return typed;
    return std::nullopt;
  }
  const bool upper_all = functions_.find('!') != std::string::npos;
  const bool letters_only = functions_.find('A') != std::string::npos;
  if (letters_only && typed != ' ' && !is_letter(typed)) return std::nullopt;
  char c = typed;
  switch (t) {
    case '9':
      if (!is_digit(c)) return std::nullopt;
      break;
    case '#':
      if (!is_digit(c) && c != ' ' && c != '-' && c != '+') return std::nullopt;
      break;
    case 'A':
      if (c != ' ' && !is_letter(c)) return std::nullopt;
      break;
    case 'N':
      if (c != ' ' && !is_letter(c) && !is_digit(c)) return std::nullopt;
      break;
    case '!':
      c = upper_1252_char(c);
      break;
    case 'L':
    case 'Y': {
      c = upper_1252_char(c);
      if (c != 'T' && c != 'F' && c != 'Y' && c != 'N' && c != 'S') return std::nullopt;
      break;
    }
    default:
      break;
  }
  if (upper_all) c = upper_1252_char(c);
  return c;
}

std::optional<std::size_t> EditMask::slot_at_or_after(std::size_t pos) const {
  for (std::size_t i = pos; i < template_.size(); ++i)
    if (!is_literal(i)) return i;
  return std::nullopt;
}

std::optional<std::size_t> EditMask::slot_before(std::size_t pos) const {
  for (std::size_t i = std::min(pos, template_.size()); i-- > 0;)
    if (!is_literal(i)) return i;
  return std::nullopt;
}

std::optional<std::size_t> EditMask::point() const {
  if (kind_ != Kind::Number) return std::nullopt;
  const std::size_t p = template_.find('.');
  if (p == std::string::npos) return std::nullopt;
  return p;
}

std::string EditMask::blank_buffer() const {
  std::string out = template_;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (!is_literal(i)) out[i] = ' ';
  return out;
}

std::string EditMask::buffer_from_text(std::string_view stored) const {
  std::string out = blank_buffer();
  const bool insert = functions_.find('R') != std::string::npos;
  std::size_t vi = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (is_literal(i)) {
      if (!insert) ++vi;
      continue;
    }
    if (vi < stored.size()) out[i] = stored[vi];
    ++vi;
  }
  return out;
}

std::string EditMask::text_from_buffer(std::string_view buffer) const {
  std::string value;
  const bool insert = functions_.find('R') != std::string::npos;
  for (std::size_t i = 0; i < buffer.size(); ++i)
    if (!insert || !is_literal(i)) value.push_back(buffer[i]);
  return padr(value, width_);
}

std::string EditMask::buffer_from_number(const Decimal& value) const {
  // The display form already right-aligns through the template; "E" and
  // other display functions are not part of typing.
  return transform(value, template_);
}

std::optional<Decimal> EditMask::number_from_buffer(std::string_view buffer) const {
  std::string plain;
  const auto pt = point();
  for (std::size_t i = 0; i < buffer.size(); ++i) {
    const char c = buffer[i];
    if (pt && i == *pt) {
      plain.push_back('.');
    } else if (!is_literal(i) && c != ' ') {
      if (!is_digit(c) && c != '-') return std::nullopt;
      // A sign only leads the number.
      if (c == '-' && plain.find_first_of("0123456789-") != std::string::npos) return std::nullopt;
      plain.push_back(c);
    }
  }
  if (plain == "-" || plain == "-.") return std::nullopt;
  return Decimal::parse(plain);
}

std::string EditMask::buffer_from_date(const Date& date) const { return date.text(); }

std::optional<Date> EditMask::date_from_buffer(std::string_view buffer) const { return Date::from_text(buffer); }

// ---------------------------------------------------------------------------

MaskedEdit::MaskedEdit(EditMask mask, std::string buffer) : mask_(std::move(mask)), buffer_(std::move(buffer)) {
  buffer_ = padr(buffer_, mask_.size());
  home();
}

bool MaskedEdit::type(char c) {
  if (mask_.kind() == EditMask::Kind::Number && (c == '.' || c == ',')) {
    if (!mask_.point()) return false;
    if (!changed_) buffer_ = mask_.blank_buffer();
    changed_ = true;
    decimal_point();
    return true;
  }
  if (cursor_ >= buffer_.size()) return false;
  const auto kept = mask_.accept(cursor_, c);
  if (!kept) return false;
  if (mask_.kind() == EditMask::Kind::Number && !changed_) {
    buffer_ = mask_.blank_buffer();
    home();
  }
  changed_ = true;
  buffer_[cursor_] = *kept;
  cursor_ = mask_.slot_at_or_after(cursor_ + 1).value_or(buffer_.size());
  return true;
}

void MaskedEdit::type_text(std::string_view text) {
  for (char c : text) type(c);
}

void MaskedEdit::decimal_point() {
  const std::size_t pt = *mask_.point();
  std::string digits;
  for (std::size_t i = 0; i < pt; ++i)
    if (!mask_.is_literal(i) && buffer_[i] != ' ') digits.push_back(buffer_[i]);
  // Right-align the integer digits typed so far against the point.
  std::size_t di = digits.size();
  for (std::size_t i = pt; i-- > 0;) {
    if (mask_.is_literal(i)) continue;
    buffer_[i] = di > 0 ? digits[--di] : ' ';
  }
  cursor_ = mask_.slot_at_or_after(pt + 1).value_or(buffer_.size());
}

void MaskedEdit::erase() {
  if (cursor_ >= buffer_.size() || mask_.is_literal(cursor_)) return;
  std::size_t i = cursor_;
  while (i + 1 < buffer_.size() && !mask_.is_literal(i + 1)) {
    buffer_[i] = buffer_[i + 1];
    ++i;
  }
  buffer_[i] = ' ';
  changed_ = true;
}

void MaskedEdit::backspace() {
  const auto prev = mask_.slot_before(cursor_);
  if (!prev) return;
  cursor_ = *prev;
  erase();
}

void MaskedEdit::left() {
  if (const auto prev = mask_.slot_before(cursor_)) cursor_ = *prev;
}

void MaskedEdit::right() {
  if (cursor_ < buffer_.size()) cursor_ = mask_.slot_at_or_after(cursor_ + 1).value_or(buffer_.size());
}

void MaskedEdit::home() { cursor_ = mask_.slot_at_or_after(0).value_or(buffer_.size()); }

void MaskedEdit::end() {
  std::size_t last = 0;
  for (std::size_t i = 0; i < buffer_.size(); ++i)
    if (!mask_.is_literal(i) && buffer_[i] != ' ') last = i + 1;
  cursor_ = mask_.slot_at_or_after(last).value_or(buffer_.size());
}

void MaskedEdit::clear() {
  buffer_ = mask_.blank_buffer();
  changed_ = true;
  home();
}

}  // namespace zelto::runtime
