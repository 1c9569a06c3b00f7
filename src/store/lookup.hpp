#pragma once
// Finding a table of the front-end catalogue by its file name or alias, and
// handing its layout and orders to the table engine:
//
//   const auto& row = *store::find_entry("IT");
//   ws.create(row.file(), store::field_defs(*row.table));
//   ws.use(row.file(), row.alias(), row.mode, store::order_specs(row));

#include <string_view>
#include <vector>

#include "platform/xbase/field.hpp"
#include "platform/xbase/table.hpp"
#include "store/catalogue.hpp"
#include "store/layout.hpp"

namespace zelto::store {

// Names are compared without regard to case. A file name may be given with
// or without its ".dbf" extension ("M206.DBF", "m206"). nullptr when the
// catalogue has no such table.
const CatalogueEntry* find_entry(std::string_view alias);
const CatalogueEntry* find_entry_by_file(std::string_view file);
const Layout* find_layout(std::string_view alias);
const Layout* find_layout_by_file(std::string_view file);

// The layout's fields as the engine takes them (offsets are left to the engine).
std::vector<xbase::FieldDef> field_defs(const Layout& layout);

// The row's index files with their keys, order 1 first.
std::vector<xbase::OrderSpec> order_specs(const CatalogueEntry& entry);

}  // namespace zelto::store
