#pragma once
// The viewer of the error-log table (Y0): the failures earlier runs left
// in "error.log", taken over at the login, newest first.

#include "core/context.hpp"

namespace zelto::app {

// A read-only browse titled "Tentativas de Comunicação" over Y0 in its
// first order from the top, 66 % of the usable screen's width and 46 % of
// its height. "&Descrição" shows the current record's log text in a window
// of its own; nothing there is stored.
void LOG_N_543(core::Ctx& ctx);

}  // namespace zelto::app
