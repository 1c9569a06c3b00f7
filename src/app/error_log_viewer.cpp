#include "app/error_log_viewer.hpp"

#include "app/main_frame.hpp"
#include "registry/table_dialog.hpp"

namespace zelto::app {
namespace {

using core::Text;

// The log text's lines, as the takeover stored them (CR LF after each).
std::vector<Text> lines_of(const Text& text) {
  std::vector<Text> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == Text::npos) end = text.size();
    Text line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    from = end + 1;
  }
  while (!lines.empty() && lines.back().find_first_not_of(' ') == Text::npos) lines.pop_back();
  return lines;
}

// The log text shown whole, read-only: nothing typed can reach the table.
void show_description(core::Ctx& ctx, const xbase::Table& y0) {
  screen::FormSpec window;
  window.title = "Descri\xE7\xE3o";
  window.notes = y0.eof() ? std::vector<Text>{} : lines_of(y0.text("C901"));
  if (window.notes.empty()) window.notes.push_back("");
  window.buttons.push_back({"&Fechar", [](screen::FormSession& form) { form.cancel(); }});
  screen::FormSession session(std::move(window));
  ctx.screen.run_form(session);
}

registry::ColumnDef centred(Text header, std::function<registry::CellValue()> value) {
  return {.header = std::move(header),
          .header_align = screen::Align::Centre,
          .value = std::move(value),
          .align = screen::Align::Centre};
}

}  // namespace

void LOG_N_543(core::Ctx& ctx) {
  xbase::Table& y0 = ctx.db.area("Y0");
  y0.set_order(1);
  y0.go_top();
  auto field = [&y0](const char* name) { return [&y0, name] { return registry::field_cell(y0, name); }; };

  registry::TableDialog dialog;
  dialog.code = "M111249";
  dialog.title = "Tentativas de Comunica\xE7\xE3o";
  dialog.alias = "Y0";
  dialog.columns = {centred("Data do Arquivo", field("C902")), centred("Hora do Arquivo", field("C903")),
                    centred("Usu\xE1rio do Acesso", field("C001")), centred("Data do Acesso", field("C262")),
                    centred("Hora do Acesso", field("C263"))};
  dialog.frozen = 2;
  dialog.buttons.push_back({"&Descri\xE7\xE3o", [&y0](core::Ctx& c) { show_description(c, y0); }});
  const screen::Rect area = usable_screen(ctx);
  dialog.width = area.width * 66 / 100;
  dialog.height = area.height * 46 / 100;
  registry::TELA_DIALOG(ctx, dialog);
}

}  // namespace zelto::app
