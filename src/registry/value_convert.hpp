#pragma once
// Values crossing between a form's inputs (text, number, date) and a
// table's fields (C, N, D, L, M), read the way the old runtime read them.

#include "platform/screen/form.hpp"
#include "platform/xbase/field.hpp"

namespace zelto::registry {

// A form value as the table field `field` takes it: a number into a text
// field as its plain digits, a text into a number field by its leading
// number, a text into a date field as "DD/MM/YYYY" or "YYYYMMDD", a text
// into a logical field true for "T", "S" or "Y".
xbase::Value to_field(const xbase::FieldDef& field, const xbase::Value& value);
xbase::Value to_field(const xbase::FieldDef& field, const screen::FieldValue& value);

// A table value read as the kind of form value `like` holds.
screen::FieldValue to_form(const screen::FieldValue& like, const xbase::Value& value);

}  // namespace zelto::registry
