#pragma once
// Short builders for the layout tables, so that a layout reads like the
// table's structure: C("C012", 8), N("C031", 10, 2), D("DTESTOQUE").
// Only the layout sources include this.

#include "store/layout.hpp"

namespace zelto::store::shorthand {

constexpr Field C(std::string_view name, int width) { return {name, FieldType::Character, width, 0}; }
constexpr Field N(std::string_view name, int width, int decimals = 0) {
  return {name, FieldType::Numeric, width, decimals};
}
constexpr Field D(std::string_view name) { return {name, FieldType::Date, 8, 0}; }
constexpr Field L(std::string_view name) { return {name, FieldType::Logical, 1, 0}; }
constexpr Field M(std::string_view name) { return {name, FieldType::Memo, 10, 0}; }

// The operator, date and time of the last change, carried by most tables.
constexpr Field AUDIT_C001 = C("C001", 3);
constexpr Field AUDIT_C262 = D("C262");
constexpr Field AUDIT_C263 = C("C263", 5);

// The printer's serial number: 15 characters from the Bematech, Daruma and
// Sweda libraries, 20 from Epson and the monitor (and EF C209 is 20).
constexpr int kSerialWidth = 20;

}  // namespace zelto::store::shorthand
