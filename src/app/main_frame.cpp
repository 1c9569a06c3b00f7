#include "app/main_frame.hpp"

#include "app/button_rows.hpp"
#include "app/startup_hooks.hpp"
#include "app/startup_record.hpp"
#include "app/startup_settings.hpp"
#include "core/run_guard.hpp"
#include "platform/runtime/text.hpp"
#include "sales/item_entry.hpp"
#include "sales/sales_screen.hpp"

namespace zelto::app {
namespace {

using core::Ctx;
using core::Text;

// The screen's usable area, kept for the run.
struct ScreenArea {
  screen::Rect rect;
};

// The message bar's own height, left free below the sales window.
constexpr int kMessageBarHeight = 24;

void read_window_settings(Ctx& ctx) {
  core::Globals& g = ctx.g;
  load_screen_settings(g, first_record(ctx, "CO"));
  g.WVOLTARITENS = false;
  const SettingsRecord general = first_record(ctx, "CG");
  g.VLEMENUS = general.is("C596", "N") ? "N" : "S";
  g.WOBRUSH = runtime::trim(general.text("C597"));
}

void build_frame(Ctx& ctx, const StartupHost& host) {
  ctx.services.put(std::make_shared<ScreenArea>(ScreenArea{host.screen_area}));
  const screen::Rect area = main_window_area(host.screen_area);

  screen::WindowSpec frame;
  frame.name = kFrameWindow;
  frame.title = "ZeltoECF - " + ctx.g.VZELTOSISTEMAS + " - Versao " + ctx.g.VV_VERSAO;
  frame.geometry = area;
  frame.maximized = true;
  frame.message_bar = true;
  ctx.screen.open_window(std::move(frame));

  screen::WindowSpec sales;
  sales.name = kSalesWindow;
  sales.title = "ZeltoECF";
  sales.parent = kFrameWindow;
  sales.geometry = {0, 0, area.width, area.height - kMessageBarHeight};
  build_button_rows(ctx, ctx.screen.open_window(std::move(sales)));
}

// After the frame's own F10 and F11: the focus back on the item code.
void focus_item_code(Ctx& ctx) {
  screen::Window* w = ctx.screen.window(kSalesWindow);
  if (!w || !w->entry()) return;
  screen::FormSession& row = *w->entry();
  for (std::size_t i = 0; i < row.definition().fields.size(); ++i)
    if (row.definition().fields[i].id == sales::kItemCodeField && row.field(sales::kItemCodeField).focusable())
      row.focus(i);
}

// What the frame lends the sales screen: its rows and the free keys whose
// actions live here.
sales::SalesHost sales_host() {
  sales::SalesHost host;
  host.show_button_row = [](Ctx& c) { show_button_row(c); };
  host.hide_button_row = [](Ctx& c) { hide_button_rows(c); };
  host.free_key = [](Ctx& c, int key) { frame_free_key(c, key); };
  return host;
}

}  // namespace

screen::Rect main_window_area(const screen::Rect& s) {
  return {s.x + s.width * 4 / 100, s.y + s.height * 4 / 100, s.width * 92 / 100, s.height * 92 / 100};
}

screen::Rect usable_screen(const Ctx& ctx) {
  if (const ScreenArea* kept = ctx.services.find<ScreenArea>()) return kept->rect;
  return {0, 0, 1024, 768};
}

Text frame_status_line(const core::Globals& g) {
  return "ZeltoECF " + g.VV_VERSAO + "   Usuario.: " + runtime::trim(g.VUSU) + "   ECF.: " + runtime::trim(g.WMAQUINA);
}

bool frame_may_close(const core::Globals& g) { return g.WFIN_PROG; }

void OLD_MAIN(Ctx& ctx, const StartupHost& host) {
  read_window_settings(ctx);
  open_printer(ctx);
  start_payment_state(ctx.g);
  ctx.g.WCANCELOU_CUPOM = false;
  build_frame(ctx, host);
  set_after_key(ctx, focus_item_code);
  core::run_guarded(ctx, "OLD_TELA_DE_VENDA", [&] { sales::OLD_TELA_DE_VENDA(ctx, sales_host()); });
  ctx.screen.set_message(frame_status_line(ctx.g));
  if (!ctx.run.end_requested && host.run_until_end) host.run_until_end();
  if (ctx.run.end_requested) ctx.screen.close_window(kFrameWindow);
}

}  // namespace zelto::app
