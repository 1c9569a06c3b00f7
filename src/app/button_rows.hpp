#pragma once
// The function-key rows along the bottom of the sales window, the footer
// above or beside them, and the free checkout's keys whose actions live in
// the main frame.
//
// Two rows exist, one shown at a time as VLEMENUS names it: the full row
// ("F2 Itens" ... "F9 menu fiscal", "F10 Menus", "F11 Voltar") with the
// footer copy above it, and the short row ("F10 Menus", "F11 Sair") with
// the footer copy beside it at the bottom. A button presses its key on the
// sales window, so it does whatever the key does in the free state. The
// footer is "ECF.: " + the printer's serial, "Caixa.: " + the operator's
// cash account, "Usuario.: " + the operator.
//
// The sales screen reaches this through its SalesHost: its free state
// binds F2 to F11 to frame_free_key and then shows the row VLEMENUS names
// (show_button_row, which binds F10 and F11 over them); its receipt state
// hides both rows (hide_button_rows) and clears the keys itself.
//
// Everything here acts on the sales window (kSalesWindow), which the main
// frame opens before the sales screen starts.

#include <functional>

#include "core/context.hpp"
#include "platform/screen/keys.hpp"
#include "platform/screen/window.hpp"

namespace zelto::app {

// Button names on the sales window, for the states and for tests.
std::string full_row_button(screen::Key key);
std::string short_row_button(screen::Key key);
// A footer panel: part "ecf", "caixa" or "usuario"; the upper copy stands
// above the full row, the lower one beside the short row.
std::string footer_panel(const char* part, bool upper);

// Both rows and both footer copies, hidden; then the row VLEMENUS names is
// shown. No key is bound yet. Run once, by OLD_MAIN.
void build_button_rows(core::Ctx& ctx, screen::Window& sales);

// The full row and the upper footer copy; VLEMENUS "S"; F10 opens the
// system menu, F11 ends the program (SAIR_SISTEMA). The row's F3, F6, F7
// and F8 are disabled while the printer is not usable.
void MOSTRA_MENUS(core::Ctx& ctx);
// The short row and the lower footer copy; VLEMENUS "N"; F10 shows the
// full row (MOSTRA_MENUS), F11 ends the program.
void VOLTA_MENU(core::Ctx& ctx);
// MOSTRA_MENUS or VOLTA_MENU, as VLEMENUS says.
void show_button_row(core::Ctx& ctx);
// Both rows hidden; the footer stays.
void hide_button_rows(core::Ctx& ctx);

// What a free-state function key does when its action lives in the frame
// (`key` is the number of F2 ... F11): F10 the system menu, or the full
// row while the short one shows; F11 the end question; the others their
// operation (menu_operations.hpp). Run guarded.
void frame_free_key(core::Ctx& ctx, int key);

// The free keys F2 to F9 bound to frame_free_key (F3, F6, F7 and F8 only
// while the printer is usable), then the row VLEMENUS names. For a sales
// window without its sales screen.
void SET_KEYS(core::Ctx& ctx);
// Both rows hidden; F2 to F8, F10 and F11 cleared.
void TIRA_KEYS(core::Ctx& ctx);

// The footer's texts written from the settings now, and the copy VLEMENUS
// names shown (the other hidden).
void show_footer(core::Ctx& ctx);

// Run after every action of the F10 and F11 keys the rows bind, unless the
// run is ending (the sales window's refresh and the focus back on its
// item-code field); its failure is logged and shown like the action's.
void set_after_key(core::Ctx& ctx, std::function<void(core::Ctx&)> after);

}  // namespace zelto::app
