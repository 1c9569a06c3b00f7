#include "platform/screen/scripted/scripted_screen.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/screen/list_cursor.hpp"

namespace zelto::screen::scripted {
namespace {

using ::testing::HasSubstr;
using namespace std::chrono_literals;

const Text kTitle = " -= ZeltoECF =- ";

std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const ScriptError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ScriptedScreen, BoxesAreAnsweredByTheirExactText) {
  ScriptedScreen s;
  s.script().answer("Confirma ?     ", false).ok("Nao achou o Produto.").answer("Confirma ?     ", true);
  EXPECT_FALSE(s.ask_yes_no("   Zelto Sistemas", "Confirma ?     ", false));
  s.show_error(kTitle, "Nao achou o Produto.");
  EXPECT_TRUE(s.ask_yes_no("   Zelto Sistemas", "Confirma ?     ", true));
  s.expect_done();
  EXPECT_EQ(s.transcript().str(),
            "question [   Zelto Sistemas] Confirma ?      -> no (no preselected)\n"
            "error [ -= ZeltoECF =- ] Nao achou o Produto.\n"
            "question [   Zelto Sistemas] Confirma ?      -> yes (yes preselected)\n");
}

TEST(ScriptedScreen, AnUnexpectedBoxFailsAtOnceWithItsTitleAndText) {
  ScriptedScreen s;
  EXPECT_EQ(error_of([&] { s.show_alert(kTitle, "Sem papel"); }),
            "unexpected alert box [ -= ZeltoECF =- ] \"Sem papel\"; the script has no more steps");
  s.script().ok("Sem papel ");  // a blank more is another text
  EXPECT_THAT(error_of([&] { s.show_alert(kTitle, "Sem papel"); }), HasSubstr("next step is: ok \"Sem papel \""));
  ScriptedScreen q;
  q.script().ok("Confirma ?     ");  // an answer of the wrong kind
  EXPECT_THAT(error_of([&] { q.ask_yes_no(kTitle, "Confirma ?     ", false); }), HasSubstr("unexpected question box"));
}

TEST(ScriptedScreen, TextsAreWindows1252InsideAndUtf8InTheScript) {
  ScriptedScreen s;
  s.script().ok("Não disponível");
  s.show_info(kTitle, "N\xE3o dispon\xEDvel");
  EXPECT_EQ(s.transcript().texts("info"), (std::vector<std::string>{"Não disponível"}));
}

TEST(ScriptedScreen, BoxesLiftTheInputBlockWhileShown) {
  ScriptedScreen s;
  s.script().ok("Erro de comunicacao");
  s.block_input();
  s.show_error(kTitle, "Erro de comunicacao");
  s.show_timed("Zelto Sistemas ", "Aguarde", 4000ms);
  EXPECT_TRUE(s.input_blocked());
  const auto& e = s.transcript().entries();
  EXPECT_FALSE(e[0].input_blocked);
  EXPECT_TRUE(e[1].input_blocked);  // a timed message does not lift it
}

TEST(ScriptedScreen, TimedMessagesAndTonesReturnAtOnceAndAreRecorded) {
  ScriptedScreen s;
  s.tone(900, 110ms);
  s.show_timed("Zelto Sistemas ", "Nao achou o Produto.", 4000ms);
  EXPECT_EQ(s.transcript().str(),
            "tone 900 Hz -> 110 ms\n"
            "timed [Zelto Sistemas ] Nao achou o Produto. -> 4000 ms\n");
}

FormSpec code_form(std::vector<std::string>& log, Screen& screen) {
  FormSpec def;
  def.title = "Procurar Item Pelo CODIGO";
  Field code = Field::number("code", "Codigo", runtime::Decimal(0), 6, 0, "999999");
  code.check = [&screen](FormSession& f) {
    if (f.last_key() == Key::Up || f.number("code") > 0) return true;
    screen.show_error(kTitle, "Este Valor tem que ser Maior que zero...");
    return false;
  };
  def.fields.push_back(code);
  def.buttons.push_back({.caption = "&Continuar", .action = [&log](FormSession& f) { log.push_back("continuar"); f.confirm(); }});
  def.buttons.push_back({.caption = "ESC - Sair", .action = [](FormSession& f) { f.cancel(); }});
  return def;
}

TEST(ScriptedScreen, FormsTakeTypingKeysAndButtonsWithBoxesOfTheirChecksInBetween) {
  ScriptedScreen s;
  std::vector<std::string> log;
  FormSession form(code_form(log, s));
  s.script()
      .focus("code")
      .press(Key::Enter)
      .ok("Este Valor tem que ser Maior que zero...")
      .type("123")
      .press(Key::Enter)
      .button("Continuar");
  EXPECT_EQ(s.run_form(form), FormOutcome::Confirmed);
  EXPECT_EQ(form.number("code"), runtime::Decimal(123));
  EXPECT_EQ(log, (std::vector<std::string>{"continuar"}));
  s.expect_done();
}

TEST(ScriptedScreen, AFormsNotesAreItsTextInTheTranscript) {
  ScriptedScreen s;
  std::vector<std::string> log;
  FormSpec def = code_form(log, s);
  def.notes = {"Registrado -  por GER em 11/12/2026 as 10:30", "Vers\xE3o"};
  FormSession form(def);
  s.script().press(Key::Esc).expect("Registrado -  por GER");
  s.run_form(form);
  s.settle();
  EXPECT_EQ(s.transcript().texts("form"),
            std::vector<std::string>{"Registrado -  por GER em 11/12/2026 as 10:30 | Vers\u00E3o"});
}

TEST(ScriptedScreen, AFormWaitingForInputTheScriptDoesNotGiveIsAnError) {
  ScriptedScreen s;
  std::vector<std::string> log;
  FormSession form(code_form(log, s));
  s.script().type("5");
  EXPECT_EQ(error_of([&] { s.run_form(form); }),
            "unexpected form [Procurar Item Pelo CODIGO] waiting for input (focus on field code); "
            "the script has no more steps");
  FormSession again(code_form(log, s));
  s.script().ok("Confirma ?     ");
  EXPECT_THAT(error_of([&] { s.run_form(again); }), HasSubstr("next step is: ok \"Confirma ?     \""));
  FormSession third(code_form(log, s));
  s.script() = Script().button("&Gravar");
  EXPECT_THAT(error_of([&] { s.run_form(third); }), HasSubstr("has no button \"&Gravar\""));
}

TEST(ScriptedScreen, BrowsesTakeKeysLettersAndButtons) {
  ScriptedScreen s;
  std::vector<std::string> rows{"Arroz", "Feijao", "Sal"};
  ListCursor cursor([&] { return long(rows.size()); });
  BrowseSpec def;
  def.title = "Itens do Cupom em Aberto";
  def.columns.push_back({.heading = "Item", .value = [&] { return rows[cursor.position()]; }});
  std::vector<std::string> chosen;
  def.buttons.push_back({.caption = "&Selecionar", .action = [&](BrowseSession& b) { chosen.push_back(rows[cursor.position()]); b.close(); }});
  def.buttons.push_back({.caption = "&Fechar", .action = [](BrowseSession& b) { b.close(); }});
  BrowseSession browse(def, cursor);
  s.script().press(Key::Down).type("xs");
  s.run_browse(browse);
  EXPECT_EQ(chosen, (std::vector<std::string>{"Feijao"}));
  EXPECT_THAT(s.transcript().str(), HasSubstr("row [Itens do Cupom em Aberto] Feijao -> s"));
}

TEST(ScriptedScreen, MenusAreChosenByPathAndShowStatusTexts) {
  ScriptedScreen s;
  int ran = 0;
  Menu menu;
  MenuEntry fiscal{.caption = "&B. Comandos Fiscais"};
  fiscal.children.push_back({.caption = "&A. Fazer a Abertura DIARIA do Caixa", .status = "Abre o ECF Diario", .enabled = false, .action = [&] { ++ran; }});
  MenuEntry cancel{.caption = "&C. Fazer o CANCELAMENTO do Cupom   ", .status = "Menu para Cancelamentos", .enabled = false};
  cancel.submenu = true;  // left out while the printer is not usable
  fiscal.children.push_back(cancel);
  MenuEntry cards{.caption = "&E. Menu de Comandos de CARTOES     "};
  cards.children.push_back({.caption = "&A. Verificar", .status = "Gerenciador", .action = [&] { ran += 10; }});
  fiscal.children.push_back(cards);
  menu.entries.push_back(fiscal);

  s.script().choose({"B. Comandos Fiscais", "E. Menu de Comandos de CARTOES", "A. Verificar"});
  EXPECT_TRUE(s.popup_menu(menu));
  EXPECT_EQ(ran, 10);
  EXPECT_EQ(s.message(), "Gerenciador");

  s.script().choose({"B. Comandos Fiscais", "A. Fazer a Abertura DIARIA do Caixa"});
  EXPECT_THAT(error_of([&] { s.popup_menu(menu); }), HasSubstr("is disabled"));
  s.script().press(Key::Esc);
  EXPECT_FALSE(s.popup_menu(menu));
  s.script().choose({"B. Comandos Fiscais", "Z. Nada"});
  EXPECT_THAT(error_of([&] { s.popup_menu(menu); }), HasSubstr("no entry \"Z. Nada\""));
  EXPECT_EQ(ran, 10);
}

TEST(ScriptedScreen, PlayDrivesTheWindowOpenedLastAndItsParent) {
  ScriptedScreen s;
  Window& frame = s.open_window({.name = "frame", .title = "ZeltoECF"});
  Window& sales = s.open_window({.name = "sales", .title = "Vendas", .parent = "frame"});
  std::vector<std::string> ran;
  frame.bind_key(Key::F11, [&] { ran.push_back("sair"); });
  sales.bind_key(Key::F3, [&] {
    ran.push_back("f3");
    if (s.ask_yes_no(kTitle, "Confirma ?     ", false)) ran.push_back("confirmed");
  });
  FormSpec entry;
  entry.fields.push_back(Field::text("item", ".Item.:", "", 14));
  sales.set_entry(entry);
  sales.add_button({.name = "cancel", .caption = "F6-Cancelar CUPOM", .enabled = false});

  s.script() = Script::parse(
      "# a road\n"
      "press F3\n"
      "answer \"Confirma ?     \" yes\n"
      "type \"789\"   # into the entry row\n"
      "focus \"item\"\n"
      "press F7 F11\n"
      "button \"F6-Cancelar CUPOM\"\n");
  s.play();
  EXPECT_EQ(ran, (std::vector<std::string>{"f3", "confirmed", "sair"}));
  EXPECT_EQ(sales.entry()->display(0).substr(0, 3), "789");
  EXPECT_EQ(s.transcript().texts("ignored"), (std::vector<std::string>{"F7", "F6-Cancelar CUPOM"}));

  s.script().ok("sobra");
  EXPECT_THAT(error_of([&] { s.play(); }), HasSubstr("nothing is shown that it answers"));
}

TEST(ScriptedScreen, ExpectationsClockStepsAndTheEnd) {
  ScriptedScreen s;
  std::vector<std::string> clock;
  s.set_clock_setter([&](const std::string& t) { clock.push_back(t); });
  Window& frame = s.open_window({.name = "frame", .title = "ZeltoECF"});
  bool ended = false;
  frame.bind_key(Key::F11, [&] {
    s.show_timed("Zelto Sistemas ", "Ate logo", 1s);
    ended = true;
  });
  s.script() = Script::parse(
      "clock 11/12/2026 10:30\n"
      "expect \"ZeltoECF\"   # the frame's title\n"
      "press F11\n"
      "expect \"Ate logo\"\n"
      "clock 12/12/2026 08:00\n"
      "end\n");
  s.play([&] { return ended; });
  EXPECT_EQ(clock, (std::vector<std::string>{"11/12/2026 10:30", "12/12/2026 08:00"}));
  EXPECT_TRUE(s.take_end());
  s.expect_done();

  // An expectation looks only past the previous one.
  s.script().expect("Ate logo");
  EXPECT_THAT(error_of([&] { s.settle(); }), HasSubstr("expect \"Ate logo\": not shown"));
  // A box that comes where the script expects the end.
  s.script() = Script::parse("end");
  EXPECT_THAT(error_of([&] { s.show_error(kTitle, "Falhou"); }), HasSubstr("next step is: end"));
  EXPECT_EQ(error_of([] { Script::parse("clock 11-12-2026 10:30"); }), "script line 1: clock DD/MM/YYYY HH:MM");
  ScriptedScreen no_clock;
  no_clock.script().clock("11/12/2026 10:30");
  EXPECT_THAT(error_of([&] { no_clock.settle(); }), HasSubstr("no clock to set"));
}

TEST(Script, ParseErrorsNameTheLine) {
  EXPECT_EQ(error_of([] { Script::parse("press Enter\npress Foo\n"); }), "script line 2: no key named Foo");
  EXPECT_EQ(error_of([] { Script::parse("answer \"x\" maybe"); }), "script line 1: answer \"text\" yes|no");
  EXPECT_EQ(error_of([] { Script::parse("type \"abc"); }), "script line 1: unclosed quote");
  const Script ok = Script::parse("type \"a \\\"b\\\"\"\nchoose \"A. X\" \"B. Y\"");
  EXPECT_EQ(describe(ok.next()), "type \"a \\\"b\\\"\"");
}

}  // namespace
}  // namespace zelto::screen::scripted
