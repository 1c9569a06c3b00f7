#pragma once
// The maintenance screens of the footers: the list of footer fields (AM),
// which the program only reads.

#include "core/context.hpp"

namespace zelto::sales {

// "Campos para Layout's de Rodape": AM by description, closed with
// "&Fechar"; AM is back in its first order afterwards. Always true.
bool M615(core::Ctx& ctx);

}  // namespace zelto::sales
