#pragma once
// The record layout of a table: its file, its alias and its fields, and for
// the fiscal tables the fields their record seal covers. Layouts are constant
// data; the table engine gets them through field_defs() (lookup.hpp).

#include <span>
#include <string_view>

#include "platform/xbase/field.hpp"

namespace zelto::store {

using xbase::FieldType;

struct Field {
  std::string_view name;  // upper case, as stored in the .dbf header
  FieldType type = FieldType::Character;
  int width = 0;     // bytes in the record (10 for a memo: its block number)
  int decimals = 0;  // numeric fields only
};

// Who decides the fields of a table. The checkout opens some back-office
// tables only so that their index files exist; it never reads them, so their
// layout here holds just what their keys need.
enum class Owner { FrontEnd, BackOffice };

struct Layout {
  std::string_view file = {};   // as the catalogue spells it: "M206.DBF", "m002.dbf"
  std::string_view alias = {};  // "IT", "GR", "ST1"
  std::span<const Field> fields = {};
  // MD5_REGI's fields, in the order the seal joins them (a field may come
  // twice). Empty for tables without a seal.
  std::span<const std::string_view> seal = {};
  Owner owner = Owner::FrontEnd;

  bool sealed() const { return !seal.empty(); }
};

}  // namespace zelto::store
