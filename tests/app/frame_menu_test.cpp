// The system menu: its tree and texts as stored, the printer's entries
// with the printer usable and not, the status texts in the message bar,
// an entry whose screen this version lacks, and a failure inside an entry.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/menu_operations.hpp"
#include "app/menu_system.hpp"
#include "frame_fixture.hpp"

namespace zelto::app {
namespace {

using screen::Key;
using screen::MenuEntry;

const MenuEntry& at(const screen::Menu& menu, const std::vector<core::Text>& labels) {
  const screen::MenuPathResult found = screen::find_menu_path(menu, labels);
  if (found.missing) throw std::runtime_error("no entry " + labels[*found.missing]);
  return *found.entries.back();
}

void leaves(const std::vector<MenuEntry>& entries, std::vector<const MenuEntry*>& out) {
  for (const MenuEntry& e : entries) {
    if (e.children.empty() && !e.submenu) out.push_back(&e);
    leaves(e.children, out);
  }
}

TEST(SystemMenu, TheTreeAndItsTextsAsStored) {
  testing::FrameFixture t;
  const screen::Menu menu = BUILDMENU(t.ctx);
  ASSERT_EQ(menu.entries.size(), 3u);
  EXPECT_EQ(menu.entries[0].caption, "&A. Utilitarios    ");
  EXPECT_EQ(menu.entries[1].caption, "&C. Leitura X (tirar)");
  EXPECT_EQ(menu.entries[2].caption, "&B. Comandos Fiscais");

  struct Case {
    std::vector<core::Text> path;
    core::Text caption, status;
  };
  const Case cases[] = {
      {{"A. Utilitarios", "A. Menu de Configuracoes", "B. Layout's da Mensagem do Rodape"},
       "&B. Layout's da Mensagem do Rodape ", "Layout's do Rodape "},
      {{"A. Utilitarios", "A. Menu de Configuracoes", "G. Variaveis de Forma de Pagamento 2"},
       "&G. Variaveis de Forma de Pagamento 2", "Variaveis de Configuracao 3"},
      {{"A. Utilitarios", "A. Menu de Configuracoes", "L. Log\xB4s de Erros - ERROR.LOG"},
       "&L. Log\xB4s de Erros - ERROR.LOG ", ""},
      {{"A. Utilitarios", "C. Menu de Cadastros", "A. Menu de Itens", "C. Tabela de Al\xEDquotas para ECF"},
       "&C. Tabela de Al\xEDquotas para ECF", "Aliquotas de ECF"},
      {{"A. Utilitarios", "C. Menu de Cadastros", "B. Menu de Clientes"}, "&B. Menu de Clientes", "Menu de Clientes"},
      {{"A. Utilitarios", "C. Menu de Cadastros", "B. Menu de Clientes", "C. Tabela de Cidades"},
       "&C. Tabela de Cidades    ", "Tabela de Cidades"},
      {{"A. Utilitarios", "C. Menu de Cadastros", "C. Estabelecimento"}, "&C. Estabelecimento ", "Estabelecimentos      "},
      {{"A. Utilitarios", "D. Menu de Entradas e Saidas", "A. Cupons Fiscais Emitidos"},
       "&A. Cupons Fiscais Emitidos             ", "Cupons Fiscais Emitidos             "},
      {{"B. Comandos Fiscais", "B. Fechar o ECF no Dia REDUCAO Z"}, "&B. Fechar o ECF no Dia REDUCAO Z   ",
       "Fechar o ECF no DIA"},
      {{"B. Comandos Fiscais", "C. Fazer o CANCELAMENTO do Cupom", "B. Cancelar o Ultimo Item Vendido no Cupom Em Aberto"},
       " &B. Cancelar o Ultimo Item Vendido no Cupom Em Aberto ", "Cancelar o Ultimo Item Vendido no Cupom "},
      {{"B. Comandos Fiscais", "D. Menu de Outros Comandos Fiscais", "E. Tipo de Documento (Forma de Pagamento)",
        "A. Incluir Forma de Pagamento na Impressora"},
       " &A. Incluir Forma de Pagamento na Impressora ", ""},
      {{"B. Comandos Fiscais", "E. Menu de Comandos de CARTOES", "B. Ativar as Funcoes Administrativas",
        "C. Gerenciador padrao HIPERCARD"},
       "&C. Gerenciador padrao HIPERCARD        ", ""},
  };
  for (const Case& c : cases) {
    const MenuEntry& e = at(menu, c.path);
    EXPECT_EQ(e.caption, c.caption);
    EXPECT_EQ(e.status, c.status) << c.caption;
  }

  std::vector<const MenuEntry*> all;
  leaves(menu.entries, all);
  EXPECT_EQ(all.size(), 52u);
  for (const MenuEntry* e : all) {
    EXPECT_TRUE(e->enabled) << e->caption;
    EXPECT_TRUE(static_cast<bool>(e->action)) << e->caption;
  }
}

TEST(SystemMenu, WithoutThePrinterItsCommandsAreOffAndTheirSubmenusLeftOut) {
  testing::FrameFixture t;
  t.g.VCOMUNICOU_C_IMPRESSORA = false;
  const screen::Menu menu = BUILDMENU(t.ctx);
  const MenuEntry& fiscal = at(menu, {"B. Comandos Fiscais"});
  EXPECT_TRUE(fiscal.enabled);
  ASSERT_EQ(fiscal.children.size(), 5u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_FALSE(fiscal.children[i].enabled) << fiscal.children[i].caption;
  EXPECT_FALSE(fiscal.children[2].opens_submenu());
  EXPECT_FALSE(fiscal.children[3].opens_submenu());
  const MenuEntry& cards = fiscal.children[4];
  EXPECT_TRUE(cards.enabled);
  std::vector<const MenuEntry*> card_leaves;
  leaves(cards.children, card_leaves);
  EXPECT_EQ(card_leaves.size(), 6u);
  for (const MenuEntry* e : card_leaves) EXPECT_TRUE(e->enabled && e->action) << e->caption;
  EXPECT_TRUE(at(menu, {"C. Leitura X (tirar)"}).enabled);
  std::vector<const MenuEntry*> utilities;
  leaves(at(menu, {"A. Utilitarios"}).children, utilities);
  EXPECT_EQ(utilities.size(), 29u);
  for (const MenuEntry* e : utilities) EXPECT_TRUE(e->enabled) << e->caption;

  // Rebuilt at every F10: the printer back, the entries are back.
  t.g.VCOMUNICOU_C_IMPRESSORA = true;
  const MenuEntry& again = at(BUILDMENU(t.ctx), {"B. Comandos Fiscais", "C. Fazer o CANCELAMENTO do Cupom"});
  EXPECT_TRUE(again.enabled);
  EXPECT_EQ(again.children.size(), 3u);
}

// F10 on the full row, an entry whose screen this version lacks: its box,
// the status texts passed on the way in the message bar, and the frame's
// own line back afterwards.
TEST(SystemMenu, AnEntryWithoutItsScreenShowsThePlaceholder) {
  testing::FrameFixture t;
  t.g.VV_VERSAO = "7.901H";
  t.g.VUSU = "ANA";
  t.open();
  SET_KEYS(t.ctx);
  t.script()
      .press(Key::F10)
      .choose({"A. Utilitarios", "C. Menu de Cadastros", "B. Menu de Clientes", "A. Tabela de Clientes"})
      .ok("Funcao nao disponivel nesta versao: N_421")
      .press(Key::F10)
      .choose({"B. Comandos Fiscais", "C. Fazer o CANCELAMENTO do Cupom", "A. Cancelar Todo o Cupom"})
      .ok("Funcao nao disponivel nesta versao: CANCELA_BEM7");
  t.play();
  const auto messages = t.transcript().texts("message");
  auto shown = [&](const std::string& text) { return std::find(messages.begin(), messages.end(), text) != messages.end(); };
  EXPECT_TRUE(shown("Menu de Clientes"));
  EXPECT_TRUE(shown("Tabela de Clientes"));
  EXPECT_TRUE(shown("Menu para Cancelamentos"));
  EXPECT_TRUE(shown("Cancelar Cupom Totalmente               "));
  EXPECT_EQ(t.screen.message().rfind("ZeltoECF 7.901H   Usuario.: ANA", 0), 0u) << t.screen.message();
  EXPECT_EQ(t.count("alert"), 2);
}

// An entry whose screen is here opens it.
TEST(SystemMenu, TheScaleSettingsEntryOpensItsScreen) {
  testing::FrameFixture t;
  t.open();
  SET_KEYS(t.ctx);
  t.script()
      .press(Key::F10)
      .choose({"A. Utilitarios", "A. Menu de Configuracoes", "C. Codigo de Barras para Balancas"})
      .button("ESC - Sair");
  t.play();
  EXPECT_EQ(t.transcript().texts("form").size(), 1u);
  bool titled = false;
  for (const auto& e : t.transcript().entries())
    titled |= e.kind == "form" && e.title == "M614 - Variaveis de Controle de Codigo de Barra de Balancas";
  EXPECT_TRUE(titled);
  EXPECT_EQ(t.count("alert"), 0);
}

// The placeholders name the operation without the menu's argument.
TEST(SystemMenu, PlaceholdersNameTheirOperation) {
  const std::pair<const char*, const char*> cases[] = {
      {"VARIA_5(2)", "VARIA_5"}, {"N_421(\"I\")", "N_421"}, {"CANCELA_BEM7(\"M\")", "CANCELA_BEM7"},
      {"M151(\"V\")", "M151"},   {"BEM7_M10", "BEM7_M10"},  {"M77B", "M77B"},
  };
  for (const auto& [call, name] : cases) {
    testing::FrameFixture t;
    t.script().ok(std::string("Funcao nao disponivel nesta versao: ") + name);
    system_operation(call)(t.ctx);
    t.screen.expect_done();
    EXPECT_EQ(t.count("alert"), 1) << call;
  }
  EXPECT_THROW(system_operation("M999"), std::out_of_range);
}

// A failure inside an entry is logged in error.log and shown; the program
// goes on, and the next entry works.
TEST(SystemMenu, AFailedEntryIsLoggedShownAndTheProgramGoesOn) {
  testing::FrameFixture t;
  t.g.VUSU = "ANA";
  t.open();
  SET_KEYS(t.ctx);
  // The error-log table is not open: the viewer cannot run.
  t.script()
      .press(Key::F10)
      .choose({"A. Utilitarios", "A. Menu de Configuracoes", "L. Log\u00B4s de Erros - ERROR.LOG"})
      .ok("Ocorreu um erro e a operacao foi interrompida: no table open as Y0")
      .press(Key::F10)
      .choose({"A. Utilitarios", "F. Sair"})
      .answer("Deseja Finalizar a Execucao do ZeltoECF ?     ", true);
  t.play();
  EXPECT_EQ(t.count("error"), 1);
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_EQ(t.run.reason, "FECHA_SISTEMA");
  std::ifstream log(t.dir / "error.log");
  ASSERT_TRUE(log.is_open());
  std::stringstream text;
  text << log.rdbuf();
  EXPECT_NE(text.str().find("Operacao: LOG_N_543"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("no table open as Y0"), std::string::npos) << text.str();
}

}  // namespace
}  // namespace zelto::app
