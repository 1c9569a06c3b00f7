#include "app/menu_system.hpp"

#include "app/main_frame.hpp"
#include "app/menu_operations.hpp"
#include "core/run_guard.hpp"

namespace zelto::app {
namespace {

screen::MenuEntry build_entry(core::Ctx& ctx, const SystemMenuItem& item, bool printer_usable) {
  screen::MenuEntry entry;
  entry.caption = item.caption;
  entry.status = item.status;
  entry.enabled = item.rule == MenuRule::Always || printer_usable;
  const bool left_out = item.rule == MenuRule::PrinterSubmenu && !printer_usable;
  if (!item.call.empty()) {
    // Looked up now, so that a call missing from the table shows at the
    // first F10 instead of when the entry is chosen.
    Operation run = system_operation(item.call);
    entry.action = core::guarded(ctx, item.call, [&ctx, run] { run(ctx); });
  } else if (!left_out) {
    entry.submenu = true;
    for (const SystemMenuItem& child : item.children) entry.children.push_back(build_entry(ctx, child, printer_usable));
  }
  return entry;
}

}  // namespace

screen::Menu BUILDMENU(core::Ctx& ctx) {
  const bool printer_usable = ctx.g.VCOMUNICOU_C_IMPRESSORA;
  screen::Menu menu;
  for (const SystemMenuItem& item : system_menu_table()) menu.entries.push_back(build_entry(ctx, item, printer_usable));
  return menu;
}

bool MENU_SISTEMA(core::Ctx& ctx) {
  screen::Menu menu = BUILDMENU(ctx);
  menu.where = screen::Rect{240, 200, 1, 1};
  ctx.screen.popup_menu(menu);
  // The status texts of the entries passed over stay in the bar otherwise.
  if (!ctx.run.end_requested) ctx.screen.set_message(frame_status_line(ctx.g));
  return true;
}

}  // namespace zelto::app
