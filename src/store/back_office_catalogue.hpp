#pragma once
// The back office's tables that this program opens by alias on demand
// (G_ABRE5): the counters NV, the general parameters CG and the fiscal
// options CG1, and the tables whose keys the SINTEGRA pass, the closings
// and the export of receipts rely on, each with its index files in order.
// The back office owns these tables; their fields are its own, and the
// checkout relies only on the file names, aliases and keys given here.
//
// The same alias can name another file in the front-end catalogue (CO, RO,
// PC, ES, CR, IE ...); which catalogue an alias belongs to is the caller's
// knowledge.

#include <span>
#include <string_view>
#include <vector>

#include "platform/xbase/table.hpp"
#include "store/catalogue.hpp"

namespace zelto::store {

enum class BackOfficeOpen {
  Shared,
  // Held open exclusively only for the time of one number allocation: this
  // is how the back office serialises its counters, so the opener waits
  // for it.
  ExclusiveWaiting,
};

struct BackOfficeEntry {
  std::string_view file;                   // "m206.dbf"
  std::string_view alias;                  // "IT"
  std::span<const IndexFile> orders = {};  // order 1 first
  BackOfficeOpen open = BackOfficeOpen::Shared;
};

std::span<const BackOfficeEntry> back_office_catalogue();

// By alias, without regard to case; nullptr when the alias is not here.
const BackOfficeEntry* find_back_office_entry(std::string_view alias);

std::vector<xbase::OrderSpec> order_specs(const BackOfficeEntry& entry);

}  // namespace zelto::store
