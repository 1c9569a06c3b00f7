#pragma once
// The front-end catalogue: the tables the checkout opens all together after
// login and keeps open for the run, in the order they are opened, each with
// its mode and its index files. Orders are addressed by position everywhere
// in the system, so the order of the index files is part of the format.

#include <span>
#include <string_view>

#include "platform/xbase/table.hpp"
#include "store/layout.hpp"

namespace zelto::store {

// One index file and the key it is built with, quoted as stored.
struct IndexFile {
  std::string_view file;  // "M206A.NTX"
  std::string_view key;   // "C163+C012"
};

// Which operation opens the row. Four tables have small openers of their own
// that do exactly what G_ABREAR does for them.
enum class Opener { G_ABREAR, G_AB_IE, G_AB_ST, G_AB_IR, G_AB_A1 };

struct CatalogueEntry {
  const Layout* table = nullptr;
  xbase::OpenMode mode = xbase::OpenMode::Shared;
  std::span<const IndexFile> orders = {};  // order 1 first
  Opener opener = Opener::G_ABREAR;

  std::string_view file() const { return table->file; }
  std::string_view alias() const { return table->alias; }
};

// The 62 rows in opening order; row n of the system is element n - 1.
std::span<const CatalogueEntry> front_end_catalogue();

}  // namespace zelto::store
