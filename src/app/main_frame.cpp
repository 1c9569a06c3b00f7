#include "app/main_frame.hpp"

#include "app/startup_hooks.hpp"
#include "app/startup_record.hpp"
#include "app/startup_settings.hpp"
#include "core/run_guard.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::app {
namespace {

using core::Ctx;
using core::Text;

void read_window_settings(Ctx& ctx) {
  core::Globals& g = ctx.g;
  load_screen_settings(g, first_record(ctx, "CO"));
  g.WVOLTARITENS = false;
  const SettingsRecord general = first_record(ctx, "CG");
  g.VLEMENUS = general.is("C596", "N") ? "N" : "S";
  g.WOBRUSH = runtime::trim(general.text("C597"));
}

Text status_line(const core::Globals& g) {
  return "ZeltoECF " + g.VV_VERSAO + "   Usuario.: " + runtime::trim(g.VUSU) + "   ECF.: " + runtime::trim(g.WMAQUINA) +
         "   F11 Sair";
}

void build_frame(Ctx& ctx, const StartupHost& host) {
  screen::WindowSpec w;
  w.name = kFrameWindow;
  w.title = "ZeltoECF - " + ctx.g.VZELTOSISTEMAS + " - Versao " + ctx.g.VV_VERSAO;
  const screen::Rect area = main_window_area(host.screen_area);
  w.geometry = area;
  w.maximized = true;
  w.message_bar = true;
  screen::Window& frame = ctx.screen.open_window(std::move(w));

  screen::PanelStyle heading;
  heading.align = screen::Align::Centre;
  heading.point_size = 28;
  heading.bold = true;
  frame.add_panel({"titulo", "ZeltoECF", {0, 40, area.width, 60}, heading});
  const auto sair = core::guarded(ctx, "SAIR_SISTEMA", [&ctx] { SAIR_SISTEMA(ctx); });
  frame.add_button({"sair", "F11 Sair", {8, area.height - 60, 75, 20}, true, true, sair});
  frame.bind_key(screen::Key::F11, sair);
}

// What the sales screen does when the frame is first shown; the sales
// window itself joins the frame with its own screens.
void start_sales_screen(Ctx& ctx) { INICIA_VARIAVEIS(ctx); }

}  // namespace

screen::Rect main_window_area(const screen::Rect& s) {
  return {s.x + s.width * 4 / 100, s.y + s.height * 4 / 100, s.width * 92 / 100, s.height * 92 / 100};
}

bool frame_may_close(const core::Globals& g) { return g.WFIN_PROG; }

void OLD_MAIN(Ctx& ctx, const StartupHost& host) {
  read_window_settings(ctx);
  open_printer(ctx);
  start_payment_state(ctx.g);
  ctx.g.WCANCELOU_CUPOM = false;
  build_frame(ctx, host);
  core::run_guarded(ctx, "INICIA_VARIAVEIS", [&] { start_sales_screen(ctx); });
  ctx.screen.set_message(status_line(ctx.g));
  if (!ctx.run.end_requested && host.run_until_end) host.run_until_end();
  if (ctx.run.end_requested) ctx.screen.close_window(kFrameWindow);
}

}  // namespace zelto::app
