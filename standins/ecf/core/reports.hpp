#pragma once
// The bodies of the printer's fiscal reports: the day's totals of the X
// reading and the Z reduction, and the fiscal-memory reading.

#include <string>
#include <vector>

#include "ecf/core/memory.hpp"
#include "ecf/core/roll.hpp"

namespace zelto::ecfsim {

struct DaySummary {
  const Totals& totals;
  const std::vector<TaxRate>& rates;
  Cents gt_start = 0, gt_end = 0;
  int coo = 0, ccf = 0, gnf = 0, grg = 0, cdc = 0, crz = 0, cro = 0;
};

void print_day_summary(Paper& p, const DaySummary& s);

// "T01 18,00%" for a slot, "F1", "I1", "N1" for the others.
std::string totaliser_label(const TotaliserKey& key, const std::vector<TaxRate>& rates);

// The reduction records within a range, oldest first.
std::vector<const ZRecord*> reductions_in(const FiscalMemory& m, bool by_date, const Date& from, const Date& to,
                                          int first, int last);

// The fiscal-memory reading of those reductions, complete or simplified.
void print_memory_reading(Paper& p, const FiscalMemory& m, const std::vector<const ZRecord*>& zs,
                          const std::string& period, bool complete);

// Lines as a file for the program: Windows line ends.
std::string as_file(const std::vector<std::string>& lines);

}  // namespace zelto::ecfsim
