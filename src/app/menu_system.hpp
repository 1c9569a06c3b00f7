#pragma once
// The system menu that F10 opens: a pop-up tree leading to every screen of
// the program, built afresh at every F10 so that the entries that need the
// printer follow its state at that moment. Access rights are checked by the
// screens the entries open, not here.

#include <string>
#include <vector>

#include "core/context.hpp"
#include "platform/screen/menu.hpp"

namespace zelto::app {

// When an entry may be used.
enum class MenuRule {
  Always,
  // Enabled only while the printer is usable (VCOMUNICOU_C_IMPRESSORA).
  Printer,
  // A submenu that is left out while the printer is not usable: its entry
  // is then disabled and opens nothing.
  PrinterSubmenu,
};

struct SystemMenuItem {
  core::Text caption;  // as stored: "&" before the hot letter, blanks kept
  core::Text status;   // shown in the message bar while highlighted
  std::string call;    // the operation it runs (menu_operations.hpp); empty for a submenu
  MenuRule rule = MenuRule::Always;
  std::vector<SystemMenuItem> children;
};

// The tree, top entries in the order they show.
const std::vector<SystemMenuItem>& system_menu_table();

// The menu from the table and the printer's state now. Each leaf runs its
// operation guarded, so a failure is logged and shown and the program goes
// on. A call the operations table lacks throws std::out_of_range here.
screen::Menu BUILDMENU(core::Ctx& ctx);

// Builds the menu and pops it up at 200, 240 pixels of the main frame;
// when it closes the message bar shows the frame's status line again.
bool MENU_SISTEMA(core::Ctx& ctx);

}  // namespace zelto::app
