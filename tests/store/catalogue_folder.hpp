#pragma once
// A data folder holding every table of the front-end catalogue, empty and
// without index files, made from the layouts.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/xbase/workspace.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"

namespace zelto::store::testing {

// Another program's handle on the same folder.
inline xbase::WorkspaceOptions folder_options(const std::filesystem::path& folder) {
  xbase::WorkspaceOptions options;
  options.folder = folder;
  return options;
}

inline void create_catalogue_tables(xbase::Workspace& db) {
  for (const auto& entry : front_end_catalogue()) db.create(entry.file(), field_defs(*entry.table));
}

inline std::string file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace zelto::store::testing
