#pragma once
// Instalments of a credit sale in the work table P2.

#include <vector>

#include "core/context.hpp"

namespace zelto::sales {

// `total` in `count` instalments of cents; what the rounding leaves over
// or short goes on the first (100.00 in 3: 33.34, 33.33, 33.33).
std::vector<core::Decimal> split_instalments(const core::Decimal& total, int count);

// GERA_PRESTACOES: the credit part (WTOTALVALOR less W_NENTRADA) in
// W_NPRESTA instalments of the document type W_NTIPDOCU, due every C134
// days of that type from today, the value to receive less its C132 percent.
void GERA_PRESTACOES(core::Ctx& ctx);

}  // namespace zelto::sales
