#include "registry/value_convert.hpp"

#include "platform/runtime/text.hpp"
#include "registry/field_scope.hpp"

namespace zelto::registry {
namespace {

Text as_text(const xbase::Value& v) {
  if (const auto* t = std::get_if<std::string>(&v)) return *t;
  if (const auto* n = std::get_if<runtime::Decimal>(&v)) return n->to_string();
  if (const auto* d = std::get_if<runtime::Date>(&v)) return d->text();
  return std::get<bool>(v) ? "T" : "F";
}

runtime::Date as_date(const Text& text) {
  if (auto d = runtime::Date::from_text(text)) return *d;
  return runtime::Date::from_dtos(runtime::trim(text)).value_or(runtime::Date());
}

}  // namespace

xbase::Value to_field(const xbase::FieldDef& field, const xbase::Value& value) {
  switch (field.type) {
    case xbase::FieldType::Character:
    case xbase::FieldType::Memo:
      if (const auto* d = std::get_if<runtime::Date>(&value)) return d->dtos();
      return as_text(value);
    case xbase::FieldType::Numeric:
      if (const auto* n = std::get_if<runtime::Decimal>(&value)) return *n;
      if (std::holds_alternative<bool>(value)) return runtime::Decimal(std::get<bool>(value) ? 1 : 0);
      return val(as_text(value));
    case xbase::FieldType::Date:
      if (const auto* d = std::get_if<runtime::Date>(&value)) return *d;
      return as_date(as_text(value));
    case xbase::FieldType::Logical: {
      if (const auto* b = std::get_if<bool>(&value)) return *b;
      const Text t = runtime::upper(runtime::trim(as_text(value)));
      return t == "T" || t == "S" || t == "Y";
    }
  }
  return value;
}

xbase::Value to_field(const xbase::FieldDef& field, const screen::FieldValue& value) {
  if (const auto* t = std::get_if<Text>(&value)) return to_field(field, xbase::Value(*t));
  if (const auto* n = std::get_if<runtime::Decimal>(&value)) return to_field(field, xbase::Value(*n));
  return to_field(field, xbase::Value(std::get<runtime::Date>(value)));
}

screen::FieldValue to_form(const screen::FieldValue& like, const xbase::Value& value) {
  if (std::holds_alternative<runtime::Decimal>(like)) {
    if (const auto* n = std::get_if<runtime::Decimal>(&value)) return *n;
    return val(as_text(value));
  }
  if (std::holds_alternative<runtime::Date>(like)) {
    if (const auto* d = std::get_if<runtime::Date>(&value)) return *d;
    return as_date(as_text(value));
  }
  return as_text(value);
}

}  // namespace zelto::registry
