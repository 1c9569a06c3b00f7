#include "ecf/impresso.hpp"

#include "core/dialogs.hpp"
#include "ecf/commands.hpp"
#include "ecf/input_hold.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

void TRAVA_TECLADO(core::Ctx& ctx) {
  ctx.screen.block_input();
  ctx.g.VTECLADO_TRAVADO = true;
}

void DESTRAVA_TECLADO(core::Ctx& ctx) {
  ctx.screen.unblock_input();
  ctx.g.VTECLADO_TRAVADO = false;
}

Answer FINAL(core::Ctx& ctx, const Text& text) {
  // A receipt may be open on the printer when a command cannot run: ending
  // the program here would leave it so. The operator is told, the command
  // fails, and the caller decides what comes next.
  core::G_ERRO(ctx, text + "  /  " + ctx.g.WPARERRO);
  return Answer::outcome(false);
}

Answer IMP_FISCAL(core::Ctx& ctx, std::string_view name) {
  const Text upper = runtime::upper(name);
  ctx.g.WPARERRO = upper;
  ctx.g.VRETORIMPRE = false;
  ctx.g.VERROCOMUNICAECF = "";
  InputHold hold(ctx);
  const Command* command = find_command(upper);
  if (!command) return FINAL(ctx, "Nao achou a funcao " + upper);
  ctx.g.VERROCOMUNICAECF = command->failure;
  Answer answer = command->run(ctx);
  if (command->kind == CommandKind::Query) ctx.g.VRETORIMPRE = answer.ok;
  return answer;
}

}  // namespace zelto::ecf
