#pragma once
// Field values as readable UTF-8 text, for CSV files people edit: the text
// of a C or M field, numbers with a point, dates as YYYYMMDD (DD/MM/YYYY is
// read too), logicals as T or F.

#include <string>
#include <string_view>

#include "platform/xbase/field.hpp"

namespace zelto::tools {

// Throws std::invalid_argument naming the field when the text does not fit it.
xbase::Value value_from_text(const xbase::FieldDef& field, std::string_view utf8);
std::string value_to_text(const xbase::FieldDef& field, const xbase::Value& value);

}  // namespace zelto::tools
