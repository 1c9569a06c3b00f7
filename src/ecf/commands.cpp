#include "ecf/commands.hpp"

#include "ecf/operations.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

constexpr CommandKind A = CommandKind::Action;
constexpr CommandKind Q = CommandKind::Query;

// The failure texts are written here as they read; the screens take
// Windows-1252.
Command cmd(std::string_view name, const char* failure_utf8, CommandKind kind, Answer (*run)(core::Ctx&)) {
  return Command{name, runtime::utf8_to_cp1252(failure_utf8), kind, run};
}

std::vector<Command> build() {
  return {
      // The receipt.
      cmd("ABRIR_CUPOM", "Não Conseguiu Abrir o Cupom Fiscal", A, ABRIR_CUPOM),
      cmd("VEN_ITEM", "Não Conseguiu Vender o Item", A, VEN_ITEM),
      cmd("CANC_ANTERIOR", "Não Conseguiu Cancelar o Item Anterior", A, CANC_ANTERIOR),
      cmd("CANC_GENERICO", "Não Conseguiu Cancelar o Item Genérico", A, CANC_GENERICO),
      cmd("CANCELA_CUPOM", "Não Conseguiu Gerar o Cancelamento do Cupom", A, CAN_CUPOM),
      cmd("INIC_FECHAMENTO", "Não Conseguiu Iniciar o Fechamento do Cupom", A, INIC_FECHAMENTO),
      cmd("PAGO_DINHEIRO", "Não Conseguiu Gerar o Pagamento por Dinheiro", A, PG_DINHEIRO),
      cmd("PAGO_CHEQUE", "Não Conseguiu Gerar o Pagamento por Cheque", A, PG_CHEQUE),
      cmd("PAGO_TICKET", "Não Conseguiu Gerar o Pagamento por Ticket", A, PG_TICKET),
      cmd("PAGO_CARTAO", "Não Conseguiu Gerar o Pagamento por Cartão", A, PG_CARTAO),
      cmd("PAGO_CART_AVULSO", "Não Conseguiu Gerar o Pagamento por Cartão Avulso", A, PG_CART_AVULSO),
      cmd("PAGO_VISA_AVULSO", "Não Conseguiu Gerar o Pagamento por Visa Avulso", A, PG_VISA_AVULSO),
      cmd("PAGO_AMER_AVULSO", "Não Conseguiu Gerar o Pagamento por American Avulso", A, PG_AMER_AVULSO),
      cmd("PAGO_TECB_AVULSO", "Não Conseguiu Gerar o Pagamento por Tecban Avulso", A, PG_TECB_AVULSO),
      cmd("PAGO_HIPE_AVULSO", "Não Conseguiu Gerar o Pagamento por Hipercad Avulso", A, PG_HIPE_AVULSO),
      cmd("PAGO_CH_CONSULTA", "Não Conseguiu Gerar o Pagamento por Cheque Consulta", A, PG_CH_CONSULTA),
      cmd("PAGO_CH_CON_TECBAN", "Não Conseguiu Gerar o Pagamento por TecBan", A, PGCH_CON_TECBAN),
      cmd("IMP_RODAPE", "Não Conseguiu Imprimir o Rodapé", A, IMP_RODAPE),
      cmd("IDENTIFICA_CLIENTE", "Não Conseguiu Identificar o Cliente", A, IDENTIFICA_CLIENTE),
      cmd("CARREGAR_MD5_NO_CUPOM", "Não Conseguiu Carregar o MD5 na Impressora", A, CARREGAR_MD5_NO_CUPOM),
      // The day, reports and readings.
      cmd("ABRE_PORTA_SERIAL", "Nao Conseguiu Abrir a Porta Serial de Comunicacao", A, ABRE_PORTA_SERIAL),
      cmd("ABERTURA_ECF", "Nao Conseguiu fazer a Abertura do ECF", A, ABERTURA_ECF),
      cmd("LEITURA_X", "Não Conseguiu Emitir a Leitura X pelo ECF", A, LEITURA_X),
      cmd("SERIAL_LEITURA_X", "Não Conseguiu Emitir a Leitura X para Arquivo", A, SERIAL_LEITURA_X),
      cmd("REDUCAO_Z", "Não Conseguiu Executar a Redução Z", A, REDUCAO_Z),
      cmd("RESET_ERRO", "Não Conseguiu Executar um Reset de Erro", A, RESET_ERRO),
      cmd("MEMORIA_FISCAL_DATA", "Não Conseguiu Gerar Memoria Fiscal por Data", A,
          [](core::Ctx& c) { return MEM_F_DATA(c, "1"); }),
      cmd("SIMP_MEMORIA_FISCAL_DATA", "Não Conseguiu Gerar Memoria Fiscal por Data", A,
          [](core::Ctx& c) { return MEM_F_DATA(c, "0"); }),
      cmd("MEMORIA_FISCAL_INTERVALO", "Não Conseguiu Gerar Memoria Fiscal por Intervalo", A,
          [](core::Ctx& c) { return MEM_F_INTERVALO(c, "1"); }),
      cmd("SIMP_MEMORIA_FISCAL_INTERVALO", "Não Conseguiu Gerar Memoria Fiscal por Intervalo", A,
          [](core::Ctx& c) { return MEM_F_INTERVALO(c, "0"); }),
      cmd("MEM_F_DATA_ARQUIVO", "Não Conseguiu Gerar Memoria Fiscal por Data", A,
          [](core::Ctx& c) { return MEM_F_DATA_ARQUIVO(c, "1"); }),
      cmd("SIMP_MEM_F_DATA_ARQUIVO", "Não Conseguiu Gerar Memoria Fiscal Simples por Data", A,
          [](core::Ctx& c) { return MEM_F_DATA_ARQUIVO(c, "0"); }),
      cmd("MEM_F_INTERVALO_ARQUIVO", "Não Conseguiu Gerar Memoria Fiscal por Intervalo", A,
          [](core::Ctx& c) { return MEM_F_INTERVALO_ARQUIVO(c, "1"); }),
      cmd("SIMP_MEM_F_INTERVALO_ARQUIVO", "Não Conseguiu Gerar Memoria Fiscal Simples por Intervalo", A,
          [](core::Ctx& c) { return MEM_F_INTERVALO_ARQUIVO(c, "0"); }),
      cmd("ESPELHO_MFD_DATA", "Nao Conseguiu Gerar Espelho MFD por Data", A, ESP_MFD_DATA),
      cmd("ESPELHO_MFD_COO", "Não Conseguiu Gerar Espelho MFD por COO", A, ESP_MFD_COO),
      cmd("ARQUIVO_MFD_DATA", "Não Conseguiu Gerar Arquivo MFD por Data", A, ARQ_MFD_DATA),
      cmd("ARQUIVO_MFD_COO", "Não Conseguiu Gerar Arquivo MFD por COO", A, ARQ_MFD_COO),
      cmd("GERAR_MFPAF_DATA", "Não Conseguiu Gerar o MPAF por Data", A, GERAR_MFPAF_DATA),
      // Status and counters.
      cmd("STATUS1", "Não Conseguiu Obter o Status da Impressora", Q, STATUS),
      cmd("MINUTOS", "Nao Conseguiu Obter a Data e Hora da Impressora", Q, MINUTOS),
      cmd("NUM_SER", "Não Conseguiu Obter o Número de Série da Impressora", Q, NUM_SER),
      cmd("CARREGA_ALIQUOTAS", "Não Conseguiu Obter as Alíquotas na Impressora", Q, ALIQUOTAS),
      cmd("NRO_CUPOM", "Não Conseguiu Obter o Número do Cupom", Q, NRO_CUPOM),
      cmd("NRO_CCF_CUPOM", "Não Conseguiu Obter o Número do CCF", Q, NRO_CCF_CUPOM),
      cmd("NRO_USUARIO_ECF", "Não Conseguiu Obter o Número do Usuário do ECF", Q, NRO_USUARIO_ECF),
      cmd("NUMERO_CRO", "Não Conseguiu Obter o Número do CRO", Q, NUMERO_CRO),
      cmd("NUMERO_GNF", "Não Conseguiu Obter o Número do GNF", Q, NUMERO_GNF),
      cmd("NUMERO_GRG", "Não Conseguiu Obter o Número do GCG", Q, NUMERO_GRG),
      cmd("NUMERO_CDC", "Não Conseguiu Obter o Número do CDC", Q, NUMERO_CDC),
      cmd("DATA_HORA_RODAPE", "Não Conseguiu Obter a Data e Hora do Rodapé", Q, DATA_HORA_RODAPE),
      cmd("LER_MOEDA", "Não Conseguiu Obter qual Moeda está Configurada", Q, LER_MOEDA),
      cmd("ESTA_HORARIO_VERAO", "Não Conseguiu Obter se Está Configurado em Horário de Verão", Q, ESTA_HORARIO_VERAO),
      cmd("LER_TRUNC_ARRED", "Não Conseguiu Obter se está Configurado para Truncamento ou Arredondamento", Q,
          LER_TRUNC_ARRED),
      cmd("DATA_ULTIMA_REDUCAO_Z", "Não Conseguiu Obter a Data da Última Redução Z", Q, DATA_REDUCAO_Z),
      cmd("DATA_MOVIM_REDUCAO_Z", "Não Conseguiu Obter a Data do Movimento da Redução Z", Q, DATA_MOVIM_REDUCAO_Z),
      cmd("NUMERO_REDUCOES_Z", "Não Conseguiu Obter o Número de Reduções Z", Q, NRO_REDUCAO_Z),
      cmd("PODE_CANCELAR_CUPOM", "Não Conseguiu Verificar se Pode Cancelar o Cupom", Q, PODE_CANCELAR_CUPOM),
      cmd("JA_REDUCAO_Z", "Não Conseguiu Verificar se Já foi Dado a Redução Z", Q, JA_REDUCAO_Z),
      cmd("DADOS_ULTIMA_REDUCAO_Z", "Não Conseguiu Obter os Dados da Última Redução Z", Q, DADOS_REDUCAO_Z),
      cmd("GRANDE_TOTAL", "Não Conseguiu Obter o Grande Total", Q, GRANDE_TOTAL),
      cmd("VENDA_DIARIA_ACUMULADA", "Não Conseguiu a Venda Bruta no dia Acumulada", Q, VENDA_DIARIA_ACUMULADA),
      cmd("GT_INICIAL_ULT_REDUCAO_Z", "Não Conseguiu o GT Inicial da Ultima Reducao Z", Q, GT_INICIAL_ULT_REDUCAO_Z),
      cmd("GT_FINAL_ULT_REDUCAO_Z", "Não Conseguiu o GT Final da Ultima Reducao Z", Q, GT_FINAL_ULT_REDUCAO_Z),
      // Drawer, cash, non-fiscal documents and printer settings.
      cmd("GAVETA", "Não Conseguiu Abrir a Gaveta", A, GAVETA),
      cmd("SANGRIA", "Não Conseguiu Gerar Sangria", A, SANGRIA),
      cmd("ABRE_CU_NAO_FISCAL", "Nao Conseguiu Abrir o Cupom Não Fiscal", A, ABRE_N_FISCAL),
      cmd("FECHA_CU_NAO_FISCAL", "Não Conseguiu Fechar o Cupom Não Fiscal", A, FECHA_N_FISCAL),
      cmd("ABRIR_RESPOSTA", "Não Conseguiu Abrir a Resposta", A, ABRIR_RESPOSTA),
      cmd("LINHA_RESPOSTA", "Não Conseguiu Imprimir a Linha da Resposta", A, LINHA_RESPOSTA),
      cmd("FECHA_RESPOSTA", "Não Conseguiu Fechar a Resposta", A, FECHA_RESPOSTA),
      cmd("PROG_FORMAS_PGTO", "Não Conseguiu Programar as Formas de Pagamento", A, PROG_FORMAS_PGTO),
      cmd("INC_FORMAS_PGTO", "Não Conseguiu Incluir a Forma de Pagamento", A, INC_FORMAS_PGTO),
      cmd("INC_ALIQUOTA", "Não Conseguiu Incluir a Alíquota", A, INC_ALIQUOTA),
      cmd("HORARIO_VERAO", "Não Conseguiu Configurar para Horário de Verão", A, HORARIO_VERAO),
      cmd("GR_TRUNCAMENTO", "Não Conseguiu Configurar para Truncamento", A, GR_TRUNCAMENTO),
      cmd("GR_ARREDONDAMENTO", "Não Conseguiu Configurar para Arredondamento", A, GR_ARREDONDAMENTO),
      cmd("GR_MOEDA", "Não Conseguiu Gravar a Moeda", A, GR_MOEDA),
  };
}

}  // namespace

const std::vector<Command>& commands() {
  static const std::vector<Command> table = build();
  return table;
}

const Command* find_command(std::string_view upper_name) {
  for (const Command& c : commands())
    if (runtime::prefix_equal(upper_name, c.name)) return &c;
  return nullptr;
}

}  // namespace zelto::ecf
