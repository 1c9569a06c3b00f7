#pragma once
// Fields of a dBase III table and the values they hold.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::xbase {

using runtime::Date;
using runtime::Decimal;

enum class FieldType : char { Character = 'C', Numeric = 'N', Date = 'D', Logical = 'L', Memo = 'M' };

struct FieldDef {
  std::string name;     // upper case as stored, at most 10 characters
  FieldType type = FieldType::Character;
  int length = 0;       // bytes in the record; C fields may exceed 255
  int decimals = 0;     // N only
  uint32_t offset = 0;  // position in the record, the deletion flag being byte 0 (set by the layout)
};

// A field's value: C and M hold Windows-1252 bytes (a 0x00 inside is data),
// N a Decimal, D a Date (possibly empty), L a bool.
using Value = std::variant<std::string, Decimal, Date, bool>;

// "C030,C,40,0" style parsing is done by the tools; here only the checks.
// Throws Error(BadField) for a name longer than 10 characters, an unknown
// type, or a length the type cannot have.
void validate(const FieldDef& f);

// The record bytes of a value for field f (exactly f.length bytes). Text is
// cut or blank-padded; a number that does not fit its width throws
// Error(BadField) rather than storing asterisks; a value of the wrong kind
// throws Error(BadField). Memo fields are written by the table (block numbers).
std::string encode_field(const FieldDef& f, const Value& v);
// The value of field f from its record bytes. Damaged numeric or date bytes
// read as zero or the empty date rather than failing, so a damaged record
// can still be shown and mended.
Value decode_field(const FieldDef& f, std::string_view bytes);
// The value a new blank record has for f.
Value blank_value(const FieldDef& f);

// The record a key expression reads from.
class RecordView {
 public:
  virtual ~RecordView() = default;
  virtual Value field_value(size_t index) const = 0;
};

std::string describe(const FieldDef& f);  // "C030 C(40)", "C034 N(12,2)"

}  // namespace zelto::xbase
