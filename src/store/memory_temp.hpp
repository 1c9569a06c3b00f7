#pragma once
// Temporary tables without a file: they live in memory and vanish when
// closed.

#include <string>
#include <vector>

#include "core/context.hpp"
#include "platform/xbase/field.hpp"

namespace zelto::store {

// Creates a temporary table with `fields` and returns the alias it is open
// under (and selected as). With autoname "S" the alias is the operator code
// and a four-digit number from the time of day (as for work-table files),
// raised until no open table has it; otherwise `alias` is used, and a
// temporary table already open under it is replaced.
//
// Orders: one per entry of `tags`, named and keyed by the entry's text, or,
// without tags, one per field ("001", "002" ... keyed by the field; memo
// fields have none). Order 1 is current.
//
// "" after an error box when the alias names a table with a file, or the
// fields or a key are not valid.
core::Text CRIA_TMP(core::Ctx& ctx, std::vector<xbase::FieldDef> fields, const core::Text& alias,
                    const core::Text& autoname = "", const std::vector<core::Text>& tags = {});

}  // namespace zelto::store
