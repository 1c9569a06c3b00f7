// The ways out of a run: the question of F11 and the menu, the orderly
// end, and the way out of the login window.

#include "app/startup.hpp"
#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "store/temp_folder.hpp"

namespace zelto::app {

void SAIR_SISTEMA(core::Ctx& ctx) {
  if (core::G_CONF(ctx, "Deseja Finalizar a Execucao do ZeltoECF")) FECHA_SISTEMA(ctx);
}

bool FECHA_SISTEMA(core::Ctx& ctx) {
  if (!runtime::trim(ctx.g.VTMP).empty()) store::G_DELTMP(ctx, true);
  ctx.g.WFIN_PROG = true;
  ctx.g.WCONFFFFF = true;
  // The frame closes when the main loop sees the end, once the key or menu
  // entry that got here has returned: a window must not go away under its
  // own key handler.
  ctx.run.request_end("FECHA_SISTEMA");
  return true;
}

void SAIR_ECF(core::Ctx& ctx) {
  ctx.db.close_all();
  ctx.run.request_end("SAIR_ECF");
}

}  // namespace zelto::app
