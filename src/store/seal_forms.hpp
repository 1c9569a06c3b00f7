#pragma once
// What each sealed table's seal text is made of. The fields and their order
// come from the table's layout (Layout::seal); how each is written comes
// from its type there: a text as stored at its full width, a date as
// YYYYMMDD (eight blanks when empty), a memo with its leading and trailing
// blanks removed, and a number in the form listed here for that table. The
// number forms are the ones the seals have always been written with; they
// differ from the fields' own widths (PC C133 is N 12,4 and is sealed as
// N 14.4), and a seal written by another checkout verifies only when every
// form is kept exactly.

#include <span>
#include <string_view>

#include "store/layout.hpp"

namespace zelto::store {

// A number right-aligned in `width` characters with `decimals` places.
struct SealNumberForm {
  std::string_view field;
  int width = 0;
  int decimals = 0;
};

struct SealedTable {
  const Layout* layout = nullptr;
  std::span<const SealNumberForm> numbers = {};

  std::string_view alias() const { return layout->alias; }
  // The form of a numeric field of the seal, or nullptr.
  const SealNumberForm* number_form(std::string_view field) const;
};

// The eight sealed tables: PC, RO, IT, EF, PD, Y1, Y2, Y4.
std::span<const SealedTable> sealed_tables();
// By alias, in any case; nullptr for a table without a seal.
const SealedTable* find_sealed_table(std::string_view alias);

}  // namespace zelto::store
