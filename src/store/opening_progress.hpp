#pragma once
// Where the steps of a pass that opens the catalogue show: the start-up
// meter of the login window, or the progress window of a pass that reopens
// the catalogue after working in another folder (mode "SINTEGRA").

#include "core/context.hpp"
#include "platform/screen/progress.hpp"

namespace zelto::store {

// The start-up meter's total: the opening pass and the rest of the
// post-login set-up share it.
inline constexpr long kStartMeterTotal = 421;

struct OpeningProgress {
  core::Text mode;                     // "" (start-up) or "SINTEGRA"
  screen::Progress* window = nullptr;  // nullptr: steps are counted, nothing is shown
  long meter = 0;                      // the start-up meter's position

  static OpeningProgress start_up(screen::Progress* meter) { return {"", meter, 0}; }
  static OpeningProgress sintegra(screen::Progress* window) { return {"SINTEGRA", window, 0}; }
  bool sintegra_mode() const { return mode == "SINTEGRA"; }
};

// One step. Flag "N": nothing. In mode "SINTEGRA" WMABREAR goes up by one
// and the window shows "Lendo Arquivo Zeltoecf " and the counter; otherwise
// the start-up meter moves on by one (never past its total).
void M_ABREAR(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag = "S");

}  // namespace zelto::store
