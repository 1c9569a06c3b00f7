#pragma once
// The generic operations behind the printer commands, one per command, each
// routed by the make VIMP_FIS. They read their arguments from the global
// settings. IMP_FISCAL runs them by name with the command's failure text in
// VERROCOMUNICAECF and operator input held; a caller may also run one
// directly, which does neither.

#include "core/context.hpp"
#include "ecf/answer.hpp"

namespace zelto::ecf {

// The receipt.
Answer ABRIR_CUPOM(core::Ctx& ctx);
Answer VEN_ITEM(core::Ctx& ctx);
Answer CANC_ANTERIOR(core::Ctx& ctx);
Answer CANC_GENERICO(core::Ctx& ctx);
Answer CAN_CUPOM(core::Ctx& ctx);
Answer INIC_FECHAMENTO(core::Ctx& ctx);
Answer PG_DINHEIRO(core::Ctx& ctx);
Answer PG_CHEQUE(core::Ctx& ctx);
Answer PG_TICKET(core::Ctx& ctx);
Answer PG_CARTAO(core::Ctx& ctx);
Answer PG_CART_AVULSO(core::Ctx& ctx);
Answer PG_VISA_AVULSO(core::Ctx& ctx);
Answer PG_AMER_AVULSO(core::Ctx& ctx);
Answer PG_TECB_AVULSO(core::Ctx& ctx);
Answer PG_HIPE_AVULSO(core::Ctx& ctx);
Answer PG_CH_CONSULTA(core::Ctx& ctx);
Answer PGCH_CON_TECBAN(core::Ctx& ctx);
Answer IMP_RODAPE(core::Ctx& ctx);
Answer IDENTIFICA_CLIENTE(core::Ctx& ctx);
Answer CARREGAR_MD5_NO_CUPOM(core::Ctx& ctx);

// The day.
Answer ABRE_PORTA_SERIAL(core::Ctx& ctx);
Answer ABERTURA_ECF(core::Ctx& ctx);
Answer LEITURA_X(core::Ctx& ctx);
Answer SERIAL_LEITURA_X(core::Ctx& ctx);
Answer REDUCAO_Z(core::Ctx& ctx);
Answer RESET_ERRO(core::Ctx& ctx);

// Fiscal memory and MFD readings; `type` "1" complete, "0" simplified.
Answer MEM_F_DATA(core::Ctx& ctx, const Text& type);
Answer MEM_F_INTERVALO(core::Ctx& ctx, const Text& type);
Answer MEM_F_DATA_ARQUIVO(core::Ctx& ctx, const Text& type);
Answer MEM_F_INTERVALO_ARQUIVO(core::Ctx& ctx, const Text& type);
Answer ESP_MFD_DATA(core::Ctx& ctx);
Answer ESP_MFD_COO(core::Ctx& ctx);
Answer ARQ_MFD_DATA(core::Ctx& ctx);
Answer ARQ_MFD_COO(core::Ctx& ctx);
Answer GERAR_MFPAF_DATA(core::Ctx& ctx);

// Status and counters.
Answer STATUS(core::Ctx& ctx);
Answer MINUTOS(core::Ctx& ctx);
Answer NUM_SER(core::Ctx& ctx);
Answer ALIQUOTAS(core::Ctx& ctx);
Answer NRO_CUPOM(core::Ctx& ctx);
Answer NRO_CCF_CUPOM(core::Ctx& ctx);
Answer NRO_USUARIO_ECF(core::Ctx& ctx);
Answer NUMERO_CRO(core::Ctx& ctx);
Answer NUMERO_GNF(core::Ctx& ctx);
Answer NUMERO_GRG(core::Ctx& ctx);
Answer NUMERO_CDC(core::Ctx& ctx);
Answer DATA_HORA_RODAPE(core::Ctx& ctx);
Answer LER_MOEDA(core::Ctx& ctx);
Answer ESTA_HORARIO_VERAO(core::Ctx& ctx);
Answer LER_TRUNC_ARRED(core::Ctx& ctx);
Answer DATA_REDUCAO_Z(core::Ctx& ctx);
Answer DATA_MOVIM_REDUCAO_Z(core::Ctx& ctx);
Answer NRO_REDUCAO_Z(core::Ctx& ctx);
Answer PODE_CANCELAR_CUPOM(core::Ctx& ctx);
Answer JA_REDUCAO_Z(core::Ctx& ctx);
Answer DADOS_REDUCAO_Z(core::Ctx& ctx);
Answer GRANDE_TOTAL(core::Ctx& ctx);
Answer VENDA_DIARIA_ACUMULADA(core::Ctx& ctx);
Answer GT_INICIAL_ULT_REDUCAO_Z(core::Ctx& ctx);
Answer GT_FINAL_ULT_REDUCAO_Z(core::Ctx& ctx);

// Drawer, cash, non-fiscal documents and printer settings.
Answer GAVETA(core::Ctx& ctx);
Answer SANGRIA(core::Ctx& ctx);
Answer ABRE_N_FISCAL(core::Ctx& ctx);
Answer FECHA_N_FISCAL(core::Ctx& ctx);
Answer ABRIR_RESPOSTA(core::Ctx& ctx);
Answer LINHA_RESPOSTA(core::Ctx& ctx);
Answer FECHA_RESPOSTA(core::Ctx& ctx);
Answer PROG_FORMAS_PGTO(core::Ctx& ctx);
Answer INC_FORMAS_PGTO(core::Ctx& ctx);
Answer INC_ALIQUOTA(core::Ctx& ctx);
Answer HORARIO_VERAO(core::Ctx& ctx);
Answer GR_TRUNCAMENTO(core::Ctx& ctx);
Answer GR_ARREDONDAMENTO(core::Ctx& ctx);
Answer GR_MOEDA(core::Ctx& ctx);

}  // namespace zelto::ecf
