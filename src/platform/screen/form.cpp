#include "platform/screen/form.hpp"

#include "platform/runtime/text.hpp"

namespace zelto::screen {

Field Field::text(std::string id, Text label, Text value, int width, std::string picture) {
  Field f;
  f.id = std::move(id);
  f.label = std::move(label);
  f.value = runtime::padr(value, static_cast<std::size_t>(width));
  f.width = width;
  f.picture = std::move(picture);
  return f;
}

Field Field::number(std::string id, Text label, runtime::Decimal value, int width, int decimals, std::string picture) {
  Field f;
  f.id = std::move(id);
  f.label = std::move(label);
  f.value = value;
  f.width = width;
  f.decimals = decimals;
  f.picture = std::move(picture);
  return f;
}

Field Field::date(std::string id, Text label, runtime::Date value) {
  Field f;
  f.id = std::move(id);
  f.label = std::move(label);
  f.value = value;
  f.width = 10;
  f.picture = "99/99/9999";
  return f;
}

}  // namespace zelto::screen
