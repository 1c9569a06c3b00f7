#include "store/seal_text.hpp"

#include <stdexcept>

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::store {
namespace {

const Field& layout_field(const Layout& layout, std::string_view name) {
  for (const auto& field : layout.fields)
    if (os::iequals(field.name, name)) return field;
  throw std::logic_error("seal of " + std::string(layout.alias) + " names " + std::string(name) +
                         ", which its layout lacks");
}

std::string sealed_value(const xbase::Table& table, const SealedTable& sealed, const Field& field) {
  switch (field.type) {
    case FieldType::Character:
      return table.text(field.name);
    case FieldType::Date:
      return table.date(field.name).dtos();
    case FieldType::Memo:
      return runtime::trim(table.text(field.name));
    case FieldType::Numeric: {
      const SealNumberForm* form = sealed.number_form(field.name);
      if (!form)
        throw std::logic_error("seal of " + std::string(sealed.alias()) + " has no number form for " +
                               std::string(field.name));
      return runtime::str(table.number(field.name), form->width, form->decimals);
    }
    case FieldType::Logical:
      return table.logical(field.name) ? "T" : "F";
  }
  return {};
}

}  // namespace

std::string seal_text(const xbase::Table& table, const SealedTable& sealed) {
  std::string text;
  for (std::string_view name : sealed.layout->seal)
    text += sealed_value(table, sealed, layout_field(*sealed.layout, name));
  return text;
}

}  // namespace zelto::store
