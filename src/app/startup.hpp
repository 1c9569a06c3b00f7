#pragma once
// The program from a bare process to the main window and down again: the
// checks and settings of the start, the post-login set-up, the start of the
// sale state, the takeover of an error log left by an earlier run, and the
// orderly end.

#include <functional>

#include "core/context.hpp"
#include "platform/screen/progress.hpp"
#include "platform/screen/types.hpp"

namespace zelto::app {

// What the running program lends the start-up: the usable area of its
// screen, and its main loop.
struct StartupHost {
  screen::Rect screen_area{0, 0, 1024, 768};
  // Runs the operator's session on the main window until the run ends: the
  // window system's event loop, or headless the rest of the script.
  std::function<void()> run_until_end;
};

// The program entry: the start-up sequence, the login, the main window,
// until the run ends. Every table is closed when it returns. A state the
// program cannot go on from is shown and ends the run (ctx.run).
void MAIN(core::Ctx& ctx, const StartupHost& host);

// The settings declared with their start values before the first screen.
void VAR_DEFINE_PUBLIC(core::Globals& g);
// The environment of the run: the folders, and the payment forms the
// payment screen offers (V_USARPGTO 1 to 14, from the general parameters
// "m226", opened and closed here). The table engine's rules (deleted
// records hidden, the `=` of texts, dates, decimals) hold by construction.
void CONF_AMBIENTE(core::Ctx& ctx);
// The payment state, started at start and again when the main window is built.
void start_payment_state(core::Globals& g);

// The post-login set-up, run by the login window while it shows `meter`:
// the catalogue opened the first time, an earlier run's error log taken
// over, the fingerprint files rebuilt, the operator's records loaded. False
// when the catalogue could not be opened: the run has been ended in order.
bool TESTANDO(core::Ctx& ctx, screen::Progress& meter);

// Run once when the sales screen starts: the configuration, the general
// parameters and the operator into the settings, the sale state, the
// operator's open cash period, the working folders. Needs the catalogue open.
void INICIA_VARIAVEIS(core::Ctx& ctx);

// Takes "error.log" of the data folder over into the error-log table (Y0)
// and deletes it; the file stays when it cannot be stored.
void GRAVAR_LOG_ERRO(core::Ctx& ctx);

// "Deseja Finalizar a Execucao do ZeltoECF": yes runs the orderly end.
void SAIR_SISTEMA(core::Ctx& ctx);
// The orderly end: temporary files deleted, the main frame let go, the run
// ended (the frame then closes). Returns true.
bool FECHA_SISTEMA(core::Ctx& ctx);
// Closes every table and ends the run at once (from the login window).
void SAIR_ECF(core::Ctx& ctx);

}  // namespace zelto::app
