#include "core/dialogs.hpp"

#include "platform/screen/table_cursor.hpp"

namespace zelto::core {
namespace {

const Text kBoxTitle = " -= ZeltoECF =- ";

}  // namespace

bool G_CONF(Ctx& ctx, const Text& message, const Text& default_answer) {
  ctx.screen.tone(900, ticks(2));
  return ctx.screen.ask_yes_no("   " + ctx.g.VZELTOSISTEMAS, message + " ?     ", default_answer == "S");
}

void G_ERRO(Ctx& ctx, const Text& message) { ctx.screen.show_error(kBoxTitle, message); }

void G_ALERT(Ctx& ctx, const Text& message) { ctx.screen.show_alert(kBoxTitle, message); }

void G_MENS(Ctx& ctx, const Text& message, bool beep) {
  if (beep) ctx.screen.tone(100, ticks(2));
  ctx.screen.show_timed("Zelto Sistemas ", message, std::chrono::seconds(4));
}

void G_FIM(Ctx& ctx) {
  if (G_CONF(ctx, "Confirmar o fim de execucao do sistema")) ctx.run.request_end("G_FIM");
}

void G_DISPL2(Ctx& ctx, const Text& title, int top, int left, int bottom, int right, const Text& alias,
              std::vector<std::function<Text()>> columns, std::vector<Text> headings,
              std::vector<BrowseWindowButton> buttons) {
  xbase::Table& table = ctx.db.area(alias);
  screen::TableCursor cursor(table);
  screen::BrowseSpec def;
  def.title = title;
  // Dialog units: a character cell is 8 by 16 pixels in the standard font.
  def.geometry = screen::Rect{left * 8, top * 16, (right - left) * 8, (bottom - top) * 16};
  def.striped = ctx.g.VZEBRAR_WINDOW;
  for (size_t i = 0; i < columns.size(); ++i) {
    screen::Column c;
    c.heading = i < headings.size() ? headings[i] : Text();
    c.value = columns[i];
    def.columns.push_back(std::move(c));
  }
  for (auto& b : buttons) {
    auto action = b.action;
    def.buttons.push_back(screen::BrowseButton{
        b.caption, [&ctx, action](screen::BrowseSession& session) {
          if (action) action(ctx, session);
        }});
  }
  screen::BrowseSession session(std::move(def), cursor);
  ctx.screen.run_browse(session);
}

void FINALIZABRW(screen::BrowseSession& browse) { browse.close(); }

}  // namespace zelto::core
