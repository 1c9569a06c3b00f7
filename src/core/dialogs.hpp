#pragma once
// The general dialogs every screen asks, warns and lists through: the
// yes/no question, the error and alert boxes, the timed message, the
// end-of-run question and the browse window with buttons.

#include <functional>
#include <string>
#include <vector>

#include "core/context.hpp"
#include "platform/screen/browse_session.hpp"

namespace zelto::core {

// The yes/no question: a 900 Hz tone, message + " ?     ", the title
// "   " + VZELTOSISTEMAS; `default_answer` "S" preselects yes.
bool G_CONF(Ctx& ctx, const Text& message, const Text& default_answer = "N");
// Stop box and alert box titled " -= ZeltoECF =- ".
void G_ERRO(Ctx& ctx, const Text& message);
void G_ALERT(Ctx& ctx, const Text& message);
// A message without buttons titled "Zelto Sistemas " for 4 seconds; with
// beep, a 100 Hz tone first.
void G_MENS(Ctx& ctx, const Text& message, bool beep = false);
// "Confirmar o fim de execucao do sistema": yes ends the run.
void G_FIM(Ctx& ctx);

// One button of the browse window: its caption with the "&" hot letter and
// what it does. An action ends the window with FINALIZABRW.
struct BrowseWindowButton {
  Text caption;
  std::function<void(Ctx&, screen::BrowseSession&)> action;
};

// The browse window with buttons over the table open as `alias`, from its
// current record. Position in dialog units (top, left, bottom, right).
// `columns` give each row's cells for the current record.
void G_DISPL2(Ctx& ctx, const Text& title, int top, int left, int bottom, int right, const Text& alias,
              std::vector<std::function<Text()>> columns, std::vector<Text> headings,
              std::vector<BrowseWindowButton> buttons);
// Closes the innermost browse window (the action "FinalizaBrw()").
void FINALIZABRW(screen::BrowseSession& browse);

// One tick of the old PC clock, the unit tones are given in.
inline std::chrono::milliseconds ticks(int n) { return std::chrono::milliseconds(n * 10000L / 182); }

}  // namespace zelto::core
