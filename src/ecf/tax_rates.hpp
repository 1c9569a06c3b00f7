#pragma once
// The printer's tax-rate table read into the two forms the system keeps:
// VALIQUOTAS, "+NN+II+FF+" and one "Akk-rr.dd+" a rate (the item sale
// searches it for "rr.dd"), and WALIQUOTAS, four digits a rate (the fiscal
// menu's rate screen cuts it).

#include "core/globals.hpp"

namespace zelto::ecf {

struct RateTable {
  core::Text valiquotas;
  core::Text waliquotas;
};

// The classic makes' answer: 16 slots of four digits joined by commas, a
// slot never programmed blank.
RateTable classic_rate_table(const core::Text& answer);
// Epson's: records of 23 joined by commas, the kind ("T" ICMS, "S" ISS),
// "-", the rate in four digits, the day's total. Only ICMS rates count.
RateTable epson_rate_table(const core::Text& answer);

}  // namespace zelto::ecf
