#pragma once
// The data of the last Z reduction as the callers cut it: 631 characters
// (positions from 1):
//   1-2 "01" automatic, else commanded   8-21 grand total
//   23-36 cancellations                  38-51 discounts
//   53-116 the 16 rates, four digits     118-383 their totals, 14 digits each
//   385-398 withdrawals                  400-413 supplies
//   579-584 COO   586-591 GNF   593-594 number of rates   596-601 movement ddmmyy
//   603-616 surcharges                   618-631 financial surcharges
// Amounts: 12 digits of reais and 2 of cents.

#include "core/globals.hpp"
#include "ecf/make.hpp"

namespace zelto::ecf {

inline constexpr std::size_t kZDataWidth = 631;
inline constexpr std::size_t kEpsonZDataWidth = 1167;

// The answer of "DADOS_ULTIMA_REDUCAO_Z" in the 631 layout whatever the
// make. Epson answers 1167 characters: the date and time of the reduction
// in 1-14, the CRZ in 16-19 and the mode in 21, the 631 layout from 23 on,
// the grand total in 633-650 (16 digits and 2 of cents) and the movement
// date in 1160-1167; its head is brought to the 631 layout here.
core::Text z_data_631(Make make, const core::Text& answer);

}  // namespace zelto::ecf
