#include <chrono>
#include <memory>
#include <vector>

#include "demo_window.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "platform/screen/list_cursor.hpp"

namespace zelto::demo {
namespace {

using namespace std::chrono_literals;
using screen::Key;
using screen::Text;

const Text kBoxTitle = " -= ZeltoECF =- ";

void form_demo(screen::Screen& s) {
  screen::FormSpec def;
  def.title = "M421 Inclusao de Unidades da Federacao";
  screen::Field code = screen::Field::text("uf", "Codigo........", "", 2, "!!");
  code.check = [&s](screen::FormSession& f) {
    if (f.last_key() == Key::Up || runtime::trim(f.text("uf")).size() == 2) return true;
    s.show_error(kBoxTitle, "O Codigo nao pode estar Vazio");
    return false;
  };
  code.on_f2 = [](screen::FormSession& f) {
    f.set_value("uf", Text("SP"));
    f.press(Key::Enter);
  };
  def.fields.push_back(code);
  def.fields.push_back(screen::Field::text("nome", "Nome..........", "", 30, "@!"));
  def.fields.push_back(screen::Field::text("cnpj", "CNPJ..........", "", 18, "99.999.999/9999-99"));
  def.fields.push_back(screen::Field::number("aliq", "Aliquota (%)..", runtime::Decimal(0), 5, 2, "99.99"));
  def.fields.push_back(screen::Field::date("data", "Data..........", *runtime::Date::ymd(2026, 12, 11)));
  def.notes.push_back("F2 no codigo: lista de estados");
  def.buttons.push_back({.caption = "&Gravar", .action = [&s](screen::FormSession& f) {
                            if (s.ask_yes_no("   Zelto Sistemas", "Confirma ?     ", false)) f.confirm();
                          }});
  def.buttons.push_back({.caption = "ESC - Sair", .action = [](screen::FormSession& f) { f.cancel(); }});
  screen::FormSession form(def);
  s.run_form(form);
}

void browse_demo(screen::Screen& s) {
  auto rows = std::make_shared<long>(40);
  screen::ListCursor cursor([rows] { return *rows; });
  screen::BrowseSpec def;
  def.title = "Itens do Cupom em Aberto";
  def.columns.push_back({.heading = "Item", .value = [&cursor] { return runtime::strzero(cursor.position() + 1, 4); }});
  def.columns.push_back({.heading = "Desricao do Item", .value = [&cursor] {
                            return "PRODUTO " + runtime::strzero(cursor.position() + 1, 3);
                          }, .width = 30});
  def.columns.push_back({.heading = "Valor", .value = [&cursor] {
                            return runtime::str(runtime::Decimal::from_units(199 + cursor.position(), 2), 12, 2);
                          }, .align = screen::Align::Right, .heading_align = screen::Align::Right,
                          .footer = [] { return Text("157,60"); }});
  def.buttons.push_back({.caption = "&Fechar", .action = [](screen::BrowseSession& b) { b.close(); }});
  screen::BrowseSession browse(def, cursor);
  s.run_browse(browse);
}

void menu_demo(screen::Screen& s) {
  screen::Menu menu;
  menu.where = {200, 240, 0, 0};
  screen::MenuEntry tools{.caption = "&A. Utilitarios    "};
  tools.children.push_back({.caption = "&A. Mensagem", .status = "Mostra uma mensagem", .action = [&s] {
                              s.show_info(kBoxTitle, "Escolhido no menu");
                            }});
  tools.children.push_back({.caption = "&F. Sair", .status = "Fecha o menu"});
  screen::MenuEntry fiscal{.caption = "&B. Comandos Fiscais", .status = "Comandos da impressora"};
  fiscal.children.push_back({.caption = "&A. Fazer a Abertura DIARIA do Caixa", .status = "Abre o ECF Diario", .enabled = false});
  menu.entries = {tools, {.caption = "&C. Leitura X (tirar)", .status = "Leitura X"}, fiscal};
  s.popup_menu(menu);
}

void progress_demo(screen::Screen& s) {
  auto meter = s.open_progress("Gerando arquivo", 5);
  for (long i = 1; i <= 5; ++i) {
    meter->set_text("Registro " + std::to_string(i) + " de 5");
    meter->set_value(i);
    s.show_timed("Zelto Sistemas ", "Processando...", 300ms);
  }
}

}  // namespace

void install_demo_actions(screen::Screen& s, screen::Window& frame) {
  struct Entry {
    Key key;
    const char* caption;
    std::function<void()> run;
  };
  const std::vector<Entry> entries{
      {Key::F2, "F2 Pergunta", [&s] { s.ask_yes_no("   Zelto Sistemas", "Confirma ?     ", false); }},
      {Key::F3, "F3 Erro", [&s] { s.show_error(kBoxTitle, "Nao achou o Produto."); }},
      {Key::F4, "F4 Alerta", [&s] { s.show_alert(kBoxTitle, "Existe Cupom em Aberto, Providenciar o Cancelamento"); }},
      {Key::F5, "F5 Aviso", [&s] { s.show_info(kBoxTitle, "Simbolo da Moeda Gravado"); }},
      {Key::F6, "F6 Mensagem", [&s] {
         s.tone(100, 110ms);
         s.show_timed("Zelto Sistemas ", "Este Codigo de Barra e Errado ...", 4000ms);
       }},
      {Key::F7, "F7 Formulario", [&s] { form_demo(s); }},
      {Key::F8, "F8 Lista", [&s] { browse_demo(s); }},
      {Key::F9, "F9 Progresso", [&s] { progress_demo(s); }},
      {Key::F10, "F10 Menus", [&s] { menu_demo(s); }},
      {Key::F11, "F11 Sair", [&s] { s.close_window("frame"); }},
  };
  int i = 0;
  for (const auto& e : entries) {
    const std::string name = "key" + std::to_string(i);
    frame.add_button({.name = name,
                      .caption = e.caption,
                      .geometry = {10 + (i % 5) * 86, 240 + (i / 5) * 30, 82, 26},
                      .action = e.run});
    frame.bind_key(e.key, e.run);
    ++i;
  }
}

}  // namespace zelto::demo
