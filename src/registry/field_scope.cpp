#include "registry/field_scope.hpp"

#include <cctype>

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "registry/entry_form.hpp"

namespace zelto::registry {

FieldScope::FieldScope(EntryForm& form, std::size_t field, bool saving)
    : ctx_(form.ctx()), entry_(&form), session_(&form.session()), field_(field), saving_(saving) {}

FieldScope::FieldScope(core::Ctx& ctx, screen::FormSession& form, std::size_t index, bool saving)
    : ctx_(ctx), session_(&form), field_(index), saving_(saving) {}

bool FieldScope::moving_back() const { return !saving_ && session_->last_key() == screen::Key::Up; }

const FieldValue& FieldScope::value() const {
  return entry_ ? entry_->value(field_) : session_->field(field_).value;
}

Text FieldScope::text() const { return value_text(value()); }

runtime::Decimal FieldScope::number() const {
  const FieldValue& v = value();
  if (const auto* n = std::get_if<runtime::Decimal>(&v)) return *n;
  if (const auto* t = std::get_if<Text>(&v)) return val(*t);
  return runtime::Decimal(0);
}

runtime::Date FieldScope::date() const {
  const FieldValue& v = value();
  if (const auto* d = std::get_if<runtime::Date>(&v)) return *d;
  if (const auto* t = std::get_if<Text>(&v)) return runtime::Date::from_text(*t).value_or(runtime::Date());
  return runtime::Date();
}

void FieldScope::set_value(FieldValue value) {
  if (entry_) entry_->set_value(field_, std::move(value));
  else session_->set_value(field_, std::move(value));
}

void FieldScope::describe(const Text& text) {
  if (entry_) entry_->set_description(field_, text);
  else session_->set_description(field_, text);
}

const FieldValue& FieldScope::value_of(std::string_view id) const {
  return entry_ ? entry_->value(entry_->index_of(id)) : session_->value(id);
}

std::function<bool(screen::FormSession&)> field_check(core::Ctx& ctx, FieldCheck check) {
  return [&ctx, check = std::move(check)](screen::FormSession& form) {
    // The session runs a check while the field being left still has the focus.
    const auto at = form.focused_field();
    if (!at || !check) return true;
    FieldScope scope(ctx, form, *at, false);
    return check(scope);
  };
}

runtime::Decimal val(std::string_view text) {
  // Leading blanks, a sign, digits and one point: what follows is ignored.
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  bool point = false;
  while (i < text.size()) {
    const char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '.' && !point) {
      point = true;
      ++i;
    } else {
      break;
    }
  }
  std::string number(text.substr(start, i - start));
  if (number == "-" || number == "+" || number == "." || number.empty()) return runtime::Decimal(0);
  if (number.back() == '.') number.pop_back();
  return runtime::Decimal::parse(number).value_or(runtime::Decimal(0));
}

Text value_text(const FieldValue& value) {
  if (const auto* t = std::get_if<Text>(&value)) return *t;
  if (const auto* n = std::get_if<runtime::Decimal>(&value)) return n->to_string();
  return std::get<runtime::Date>(value).text();
}

}  // namespace zelto::registry
