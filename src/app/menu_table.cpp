// The system menu's entries: captions and status texts exactly as stored
// (Windows-1252, "&" before the hot letter, trailing blanks kept), the
// operation each runs and when it may be used. The top entries show in
// this order: Utilitarios, Leitura X, Comandos Fiscais.

#include "app/menu_system.hpp"

namespace zelto::app {

const std::vector<SystemMenuItem>& system_menu_table() {
  static const std::vector<SystemMenuItem> tree = {
      {"&A. Utilitarios    ", "", "", MenuRule::Always, {
        {"&A. Menu de Configuracoes", "", "", MenuRule::Always, {
          {"&A. Variaveis de configuracoes 1", "Variaveis de Configuracao 1", "VARIAVEIS", MenuRule::Always, {}},
          {"&B. Layout's da Mensagem do Rodape ", "Layout's do Rodape ", "M612", MenuRule::Always, {}},
          {"&C. Codigo de Barras para Balancas ", "Variaveis de Controle de Codigo de Barras em Balancas", "M614", MenuRule::Always, {}},
          {"&D. Campos para Layout's do Rodape ", "Layout's do Rodape ", "M615", MenuRule::Always, {}},
          {"&E. Variaveis de configuracoes 2", "Variaveis de Configuracao 2", "VARIA_2", MenuRule::Always, {}},
          {"&F. Variaveis de Forma de Pagamento 1", "Variaveis de Configuracao 3", "VARIA_3", MenuRule::Always, {}},
          {"&G. Variaveis de Forma de Pagamento 2", "Variaveis de Configuracao 3", "VARIA_4", MenuRule::Always, {}},
          {"&H. Variaveis de Forma de Pagamento 3", "Variaveis de Configuracao 4", "VARIA_5(1)", MenuRule::Always, {}},
          {"&I. Variaveis de Forma de Pagamento 4", "Variaveis de Configuracao 5", "VARIA_5(2)", MenuRule::Always, {}},
          {"&J. Variaveis de Importacao", "Variaveis de Importacao", "VARIA_6", MenuRule::Always, {}},
          {"&K. Selecionar Tela de Fundo", "Selecionar Tela de Fundo", "VARIA_7", MenuRule::Always, {}},
          {"&L. Log\xB4s de Erros - ERROR.LOG ", "", "LOG_N_543", MenuRule::Always, {}},
        }},
        {"&B. Menu de Usuarios", "", "", MenuRule::Always, {
          {"&A. Cadastro de Usuarios", "Tabela de Usuarios", "M_531", MenuRule::Always, {}},
          {"&B. Grupo de Usuarios", "Tabela de Grupo de Usuarios", "M622", MenuRule::Always, {}},
        }},
        {"&C. Menu de Cadastros", "", "", MenuRule::Always, {
          {"&A. Menu de Itens", "Menu de Itens", "", MenuRule::Always, {
            {"&A. Tabela de Itens", "Tabela de Itens", "TABELA_ITENS_BEM7", MenuRule::Always, {}},
            {"&B. Tabela de Unidades de Medida", "Unidades de Medidas", "M_464", MenuRule::Always, {}},
            {"&C. Tabela de Al\xEDquotas para ECF", "Aliquotas de ECF", "M_IC343", MenuRule::Always, {}},
            {"&D. Tabela de ECF Autorizados", "", "ECF_AUTORIZADOS", MenuRule::Always, {}},
          }},
          {"&B. Menu de Clientes", "Menu de Clientes", "", MenuRule::Always, {
            {"&A. Tabela de Clientes", "Tabela de Clientes", "N_421(\"I\")", MenuRule::Always, {}},
            {"&B. Unidades da Federacao", "Tabela de Unidades da Federacao", "M_471", MenuRule::Always, {}},
            {"&C. Tabela de Cidades    ", "Tabela de Cidades", "M_473", MenuRule::Always, {}},
          }},
          {"&C. Estabelecimento ", "Estabelecimentos      ", "M_41", MenuRule::Always, {}},
          {"&D. Tabela de Tipos de Documentos ", "Tipos de Documentos", "N_455", MenuRule::Always, {}},
          {"&E. Dados do Contabilista ", "Contabilista", "M_419", MenuRule::Always, {}},
          {"&F. Dados do ECF ", "", "M_41A", MenuRule::Always, {}},
        }},
        {"&D. Menu de Entradas e Saidas", "", "", MenuRule::Always, {
          {"&A. Cupons Fiscais Emitidos             ", "Cupons Fiscais Emitidos             ", "C_FISCAIS", MenuRule::Always, {}},
          {"&B. Modulos com as Reducoes Z           ", "Modulos com as Reducoes Z           ", "REDUCAOZ", MenuRule::Always, {}},
        }},
        {"&E. Caixa de Usuarios", "", "BEM7_M10", MenuRule::Always, {}},
        {"&F. Sair", "", "SAIR_SISTEMA", MenuRule::Always, {}},
      }},
      {"&C. Leitura X (tirar)", "", "LEITURA_X_BEM7", MenuRule::Always, {}},
      {"&B. Comandos Fiscais", "", "", MenuRule::Always, {
        {"&A. Fazer a Abertura DIARIA do Caixa", "Abre o ECF Diario", "ABRE_ECF_BEM7", MenuRule::Printer, {}},
        {"&B. Fechar o ECF no Dia REDUCAO Z   ", "Fechar o ECF no DIA", "REDUCAO_Z_BEM7", MenuRule::Printer, {}},
        {"&C. Fazer o CANCELAMENTO do Cupom   ", "Menu para Cancelamentos", "", MenuRule::PrinterSubmenu, {
          {" &A. Cancelar Todo o Cupom                             ", "Cancelar Cupom Totalmente               ", "CANCELA_BEM7(\"M\")", MenuRule::Printer, {}},
          {" &B. Cancelar o Ultimo Item Vendido no Cupom Em Aberto ", "Cancelar o Ultimo Item Vendido no Cupom ", "CANC_ITEM", MenuRule::Printer, {}},
          {" &C. Cancelar um Item Generico no Cupom Em Aberto      ", "Cancelar um Item Qualquer no Cupom      ", "ITEM_GENERICO", MenuRule::Printer, {}},
        }},
        {"&D. Menu de Outros Comandos Fiscais ", "", "", MenuRule::PrinterSubmenu, {
          {" &A. Programar Horario de Verao             ", "", "", MenuRule::PrinterSubmenu, {
            {" &A. Configurar para Iniciar o HORARIO DE VERAO      ", "", "M7741", MenuRule::Printer, {}},
            {" &B. Configurar para Finalizar o HORARIO DE VERAO    ", "", "M7742", MenuRule::Printer, {}},
          }},
          {" &B. Programar Arredondamento/Truncamento   ", "", "", MenuRule::PrinterSubmenu, {
            {" &A. Configurar para ARREDONDAMENTO ", "", "M7751", MenuRule::Printer, {}},
            {" &B. Configurar para TRUNCAMENTO    ", "", "M7752", MenuRule::Printer, {}},
          }},
          {" &C. Alterar o Simbolo da Moeda             ", "", "M776", MenuRule::Printer, {}},
          {" &D. Adicionar Aliquota Tributaria          ", "", "M777", MenuRule::Printer, {}},
          {" &E. Tipo de Documento (Forma de Pagamento) ", "", "", MenuRule::PrinterSubmenu, {
            {" &A. Incluir Forma de Pagamento na Impressora ", "", "INC_FORMA_PGTO_BEM7", MenuRule::Printer, {}},
            {" &B. Tipo de Documento (Forma de Pagamento)   ", "", "M778", MenuRule::Printer, {}},
          }},
          {" &F. Resetar em Caso de Erro                ", "", "M779", MenuRule::Printer, {}},
          {" &G. Dados da Ultima Reducao Z              ", "", "M77A", MenuRule::Printer, {}},
          {" &H. Vender Itens para Destravar            ", "", "M77B", MenuRule::Printer, {}},
        }},
        {"&E. Menu de Comandos de CARTOES     ", "", "", MenuRule::Always, {
          {"&A. Verificar se o Gerenciador esta Ativo    ", "", "", MenuRule::Always, {
            {"&A. Gerenciador REDECARD/AMERICAN/VISA  ", "", "M781(\"PAD\")", MenuRule::Always, {}},
            {"&B. Gerenciador Padrao TECBAN           ", "", "M781(\"TEC\")", MenuRule::Always, {}},
            {"&C. Gerenciador padrao HIPERCARD        ", "", "M781(\"HIP\")", MenuRule::Always, {}},
          }},
          {"&B. Ativar as Funcoes Administrativas        ", "", "", MenuRule::Always, {
            {"&A. Gerenciador REDECARD/AMERICAN/VISA  ", "", "M782(\"PAD\")", MenuRule::Always, {}},
            {"&B. Gerenciador Padrao TECBAN           ", "", "M782(\"TEC\")", MenuRule::Always, {}},
            {"&C. Gerenciador padrao HIPERCARD        ", "", "M782(\"HIP\")", MenuRule::Always, {}},
          }},
        }},
      }},
  };
  return tree;
}

}  // namespace zelto::app
