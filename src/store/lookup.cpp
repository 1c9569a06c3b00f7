#include "store/lookup.hpp"

#include "platform/os/file_lookup.hpp"

namespace zelto::store {
namespace {

std::string_view without_dbf(std::string_view file) {
  constexpr std::string_view kExtension = ".dbf";
  if (file.size() > kExtension.size() && os::iequals(file.substr(file.size() - kExtension.size()), kExtension))
    file.remove_suffix(kExtension.size());
  return file;
}

}  // namespace

const CatalogueEntry* find_entry(std::string_view alias) {
  for (const auto& entry : front_end_catalogue())
    if (os::iequals(entry.alias(), alias)) return &entry;
  return nullptr;
}

const CatalogueEntry* find_entry_by_file(std::string_view file) {
  const std::string_view wanted = without_dbf(file);
  for (const auto& entry : front_end_catalogue())
    if (os::iequals(without_dbf(entry.file()), wanted)) return &entry;
  return nullptr;
}

const Layout* find_layout(std::string_view alias) {
  const auto* entry = find_entry(alias);
  return entry ? entry->table : nullptr;
}

const Layout* find_layout_by_file(std::string_view file) {
  const auto* entry = find_entry_by_file(file);
  return entry ? entry->table : nullptr;
}

std::vector<xbase::FieldDef> field_defs(const Layout& layout) {
  std::vector<xbase::FieldDef> defs;
  defs.reserve(layout.fields.size());
  for (const Field& f : layout.fields) {
    xbase::FieldDef def;
    def.name = std::string(f.name);
    def.type = f.type;
    def.length = f.width;
    def.decimals = f.decimals;
    defs.push_back(std::move(def));
  }
  return defs;
}

std::vector<xbase::OrderSpec> order_specs(const CatalogueEntry& entry) {
  std::vector<xbase::OrderSpec> defs;
  defs.reserve(entry.orders.size());
  for (const IndexFile& index : entry.orders) defs.push_back({std::string(index.file), std::string(index.key)});
  return defs;
}

}  // namespace zelto::store
