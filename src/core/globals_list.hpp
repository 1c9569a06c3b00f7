#pragma once
// Every global setting of the system by its own name and start value, in
// one list, so that the settings object and the lookup by name (used by the
// footer layouts and the scripts) can never disagree.
//
// TEXT(name, start)    Windows-1252 text
// NUMBER(name, start)  exact decimal; start written as a text ("0", "13")
// DATE(name)           starts as the empty date
// FLAG(name, start)    logical

#include "core/ead_keys.hpp"

// clang-format off
#define ZELTO_GLOBALS(TEXT, NUMBER, DATE, FLAG) \
  /* identity and fixed values, set first thing */ \
  TEXT(VVERSAOECF, "7.901    ") \
  TEXT(VVERSAOPAFECF, "1.06") \
  TEXT(VVERSAOCOTEP, "105") \
  TEXT(VV_VERSAO, "7.901H") \
  TEXT(VZELTOSISTEMAS, "Zelto Sistemas") \
  TEXT(VEMPREESTAB, "01") \
  TEXT(VEMPREFISCA, "001") \
  TEXT(VEMPREUNFED, "MG") \
  TEXT(VEMPREFILIA, "00") \
  TEXT(V_VDSITTRI, "S") \
  TEXT(V_CAIXCONT, "S") \
  TEXT(V_CAIXHORA, "GAVETA") \
  TEXT(W_NOFAM421, "S") \
  TEXT(W_CLNFRS, "N") \
  FLAG(VLINUX, false) \
  FLAG(VLINUXBD, false) \
  TEXT(VBARRALINUX, "\\") \
  TEXT(VCAM_ARQ, "") \
  TEXT(VCAM_GET, "") \
  FLAG(WFINAL_WINDOW, false) \
  NUMBER(VG_CONTA2, "0") \
  FLAG(V_PODE_F2, false) \
  /* the entry form: confirmed, and the input its F2 list returns to */ \
  FLAG(WOK_TELA_LE_CAMPOS, false) \
  TEXT(WSETFOCUSVOLTA, "") \
  FLAG(VBITMAP, true) \
  FLAG(VZEBRAR_WINDOW, true) \
  FLAG(VMILHAR, true) \
  NUMBER(VALT_BOTTONBAR, "53") \
  NUMBER(VSEGUNDOS_TEF, "13") \
  TEXT(COR_ERRO, "W+/R,W+/GR,,,GR/W") \
  TEXT(VCHAVEPRIVADA, ZELTO_EAD_PRIVATE_EXPONENT) \
  TEXT(VCHAVEPUBLICA, ZELTO_EAD_MODULUS) \
  FLAG(VCOMUNICOU_C_IMPRESSORA, true) \
  TEXT(WNROCCF, "000000") \
  TEXT(VATUAL_GT_VENDA_BRUTA, "N") \
  TEXT(VATUAL_NUM_SER_TXT, "N") \
  TEXT(VERROCOMUNICAECF, "") \
  TEXT(VDESCRMEIO, "") \
  TEXT(V_NOME_CLIENTE, "") \
  TEXT(V_ENDERECO_CLIENTE, "") \
  TEXT(V_CPFCNPJ_CLIENTE, "") \
  TEXT(VUSU, "GER") \
  TEXT(VSENHA, "") \
  FLAG(VPRIM_VUSU, true) \
  /* declared with a start value before the first screen */ \
  NUMBER(WQUANTPRODU, "1") \
  FLAG(WOK, false) \
  NUMBER(CONT_ITEM, "0") \
  NUMBER(WDESCIT, "0") \
  NUMBER(NVALO, "0") \
  FLAG(VRETORIMPRE, false) \
  TEXT(VALIQUOTAS, "") \
  FLAG(VPOUCOPAPEL, false) \
  FLAG(WECF_LIVRE, true) \
  FLAG(WCANC_TEF, false) \
  FLAG(WCANC_CUPOM, false) \
  FLAG(VTECLADO_TRAVADO, false) \
  TEXT(VALIAS, "") \
  FLAG(VATIVAF2, false) \
  /* folders and the back office */ \
  TEXT(VDBF, "") \
  TEXT(VNTX, "") \
  TEXT(VTMP, "") \
  TEXT(WDIRETOR, "") \
  TEXT(WDIRRETAGUARDA, "") \
  NUMBER(WMABREAR, "0") \
  NUMBER(WPAR_IMET, "1") \
  /* from the configuration record */ \
  TEXT(VIMP_FIS, "BE") \
  TEXT(VDF, "") \
  TEXT(WDF, "") \
  TEXT(VAVPOUPAPEL, "N") \
  FLAG(WLE_VALOR_TOTAL, false) \
  FLAG(WLER_ITEM_PRIMEIRO, true) \
  FLAG(WQTDEESCONDE, false) \
  FLAG(WGET1ESCONDE, false) \
  NUMBER(VQTDEMAXIMO, "1000") \
  TEXT(VMD5EXECUTAVEL, "") \
  TEXT(VLAUDO, "") \
  TEXT(VNUMSERIEIMPRESSORA, "") \
  TEXT(VNUM_SER, "") \
  /* the fingerprint files: the digest of the file list in force and the */ \
  /* signature texts of the listed files, shown by the identification screen */ \
  TEXT(VMD5_ARQUIVOS, "") \
  TEXT(V_SIGN_NECF, "") \
  TEXT(V_SIGN_BEMA, "") \
  TEXT(V_SIGN_DARU, "") \
  TEXT(V_SIGN_CONV, "") \
  TEXT(V_SIGN_SIGN, "") \
  TEXT(V_SIGN_CONT, "") \
  TEXT(W_ESTAB, "") \
  TEXT(W_ARREDON, "A") \
  TEXT(W_LAYOUT, "") \
  TEXT(W__CODBAR_BALANCA, "N") \
  TEXT(W_PRI_BALANCA, "") \
  TEXT(W_ULT_BALANCA, "") \
  TEXT(W_CUL_BALANCA, "N") \
  NUMBER(W_IPE_BALANCA, "0") \
  NUMBER(W_FPE_BALANCA, "0") \
  NUMBER(W_IQU_BALANCA, "0") \
  NUMBER(W_FQU_BALANCA, "0") \
  NUMBER(W_IPEQUANT, "0") \
  NUMBER(W_FPEQUANT, "0") \
  NUMBER(W_IP2QUANT, "0") \
  NUMBER(W_FP2QUANT, "0") \
  TEXT(W_CBARVEN, " ") \
  NUMBER(WCOL, "48") \
  TEXT(WIMP, "") \
  TEXT(WDI, "") \
  TEXT(WDIG, "") \
  TEXT(WIMP_CLI, "") \
  TEXT(WGAVETA, "") \
  TEXT(WMES, "") \
  TEXT(WCOD_EST, "") \
  TEXT(WMAQUINA, "") \
  NUMBER(WCLIENTEPAD, "0") \
  TEXT(VIMPOEXPO, "PKZIP") \
  TEXT(WTIDESCACRES, "") \
  TEXT(WTIPODESCAC, "%") \
  TEXT(W_ANVISA, "N") \
  /* from the general parameters */ \
  TEXT(WCODIGESTOQ, "") \
  TEXT(VLEMENUS, "S") \
  TEXT(WOBRUSH, "") \
  /* credit settings of the payment forms, per letter */ \
  ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, D) ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, T) \
  ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, C) ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, R) \
  ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, V) ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, M) \
  ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, E) ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, I) \
  ZELTO_CARD_CREDIT_GLOBALS(TEXT, NUMBER, V) ZELTO_CARD_CREDIT_GLOBALS(TEXT, NUMBER, M) \
  ZELTO_CARD_CREDIT_GLOBALS(TEXT, NUMBER, E) ZELTO_CARD_CREDIT_GLOBALS(TEXT, NUMBER, I) \
  /* the payment forms' names on the printer */ \
  TEXT(V_DPRESTD, "Dinheiro        ") \
  TEXT(V_DPRESTA, "Cartao          ") \
  TEXT(V_DPRESTP, "HiperCard       ") \
  TEXT(V_DPRESTH, "Consulta Cheque ") \
  TEXT(V_DPRESTB, "TecBan          ") \
  TEXT(V_DPRESTT, "Ticket          ") \
  TEXT(V_DPRESTC, "Cheque          ") \
  TEXT(V_DPRESTR, "RedeCard Avulso ") \
  TEXT(V_DPRESTV, "VISA Avulso     ") \
  TEXT(V_DPRESTM, "American Avulso ") \
  TEXT(V_DPRESTE, "TecBan Avulso   ") \
  TEXT(V_DPRESTI, "HiperCard Avuls ") \
  TEXT(V_DPRESTU, "Cons. CH. TecBan") \
  TEXT(V_DPRESUC, "Cheque TecBan   ") \
  /* the operator */ \
  TEXT(WNROCAIXAUSUECF, "") \
  TEXT(VCAIXAUSUAR, "GAVETA") \
  TEXT(VVENDEUSUAR, "") \
  TEXT(WCAIXACODIG, "") \
  TEXT(WABERTCAIXA, "") \
  FLAG(VMAXIMIZED, false) \
  FLAG(VWINDOWMAXIMIZED, false) \
  FLAG(VBOTOES_WNDMAIN, true) \
  FLAG(VMENUS_WNDMAIN, true) \
  TEXT(VTIPOMENU, "2") \
  TEXT(WBRUSH_WINDOW, "PEDRA") \
  TEXT(WOBRUSH22, "PAPEL") \
  TEXT(WOBRUSH55, "alegria.bmp") \
  FLAG(WCONTINUA, false) \
  FLAG(WUSOK, false) \
  /* the sale */ \
  NUMBER(WTOTALVALOR, "0") \
  NUMBER(WVALOR, "0") \
  NUMBER(WDESC, "0") \
  NUMBER(NDESC, "0") \
  NUMBER(NACRE, "0") \
  NUMBER(WVALORPRODU, "0") \
  NUMBER(WCODIGCLIEN, "0") \
  TEXT(WPRECOCLIEN, "V") \
  TEXT(W_VISTA, " ") \
  TEXT(W_TIPODOCUM, "  ") \
  NUMBER(W_NUMEVENCI, "0") \
  DATE(W_DATAVENCI) \
  /* the closing's credit state of the form being paid */ \
  TEXT(NFORMA, "D") \
  TEXT(W_LEVISTA, "N") \
  TEXT(W_LENRMES, "N") \
  TEXT(W_NLEPRES, "N") \
  NUMBER(W_NPRESTA, "0") \
  NUMBER(W_NENTRADA, "0") \
  TEXT(W_NTIPDOCU, "  ") \
  NUMBER(W_NROMESP, "0") \
  TEXT(W_LEMESEP, "S") \
  FLAG(AUTPLI, false) \
  TEXT(WRETLINE, "chr(13)+chr(10)") \
  NUMBER(NPAGOD, "0") \
  NUMBER(NPAGOC, "0") \
  NUMBER(NPAGOT, "0") \
  NUMBER(NPAGOA, "0") \
  NUMBER(NPAGOH, "0") \
  TEXT(NFORM, "D") \
  TEXT(WDESCFORMA, "") \
  TEXT(WC_002, "") \
  TEXT(WC_010, "") \
  TEXT(WC_011, "") \
  TEXT(WC_012, "") \
  TEXT(WC_022, "") \
  TEXT(WC_027, "") \
  /* the closing's adjustment and change, and the recorded payment form */ \
  TEXT(NTIDES, "D") \
  TEXT(WVALORPERCENTUAL, "V") \
  NUMBER(WTROCO, "0") \
  TEXT(VCODIGMEIO, "") \
  /* the sales screen and its item entry: the receipt being sold */ \
  FLAG(WWPRI_ACESSO, false) \
  NUMBER(WTOTALITENS, "0") \
  NUMBER(WCODIGITEM, "0") \
  NUMBER(WSEQUEITEM, "1") \
  DATE(WDATACUPOM) \
  TEXT(WHORACUPOM, "") \
  TEXT(WPAR17, "T") \
  TEXT(W_TRANSP, "N") \
  TEXT(W_OBSERV, "N") \
  /* the printer opened a receipt whose COO or CCF could not be read: no */ \
  /* line goes into it until the number is read or the receipt is cancelled */ \
  FLAG(WCUPOM_SEM_NUMERO, false) \
  /* card payments through the managers: the exchange in progress */ \
  TEXT(WARQ_TEFDIAL, "") \
  NUMBER(WNUMERSOLIC, "0") \
  NUMBER(WLENDOO, "0") \
  FLAG(WRET_OK, false) \
  FLAG(WGEREN_ATIVO, false) \
  FLAG(WVENDEU_CARTAO, false) \
  FLAG(WFECHOU_CUPOM, false) \
  FLAG(WVOLTARITENS, false) \
  FLAG(WCANCELOU_CUPOM, false) \
  TEXT(W_NTRANSP, "") \
  TEXT(W_NOBSERV, "") \
  /* the printer command layer: the command being run and the status read */ \
  TEXT(WPARERRO, "") \
  NUMBER(ACK, "0") \
  NUMBER(ST1, "0") \
  NUMBER(ST2, "0") \
  TEXT(WESTADOIMPRESSORA, "") \
  TEXT(WESTADOFISCAL, "") \
  TEXT(WALIQUOTAS, "") \
  /* the printer commands' inputs, set by the caller just before */ \
  NUMBER(WCOD_ITEM_BARRA, "0") \
  TEXT(WDESCR, "") \
  TEXT(WSITUA, "") \
  NUMBER(WITEMGENERICO, "0") \
  TEXT(WVALDESC, "") \
  TEXT(WLIN1, "") \
  TEXT(WLIN2, "") \
  TEXT(WLIN3, "") \
  TEXT(WLIN4, "") \
  TEXT(WLIN5, "") \
  TEXT(WLIN6, "") \
  TEXT(WLIN7, "") \
  TEXT(WLIN8, "") \
  DATE(WDATA) \
  /* a reading's period: WDTINI and WDTFIN for dates, WNROINI and WNROFIN */ \
  /* for reduction (CRZ) or COO numbers */ \
  DATE(WDTINI) \
  DATE(WDTFIN) \
  NUMBER(WNROINI, "0") \
  NUMBER(WNROFIN, "0") \
  TEXT(WTEXTO_TODO, "") \
  TEXT(WPARA1, "") \
  NUMBER(WAUXNUM, "0") \
  TEXT(WA, "") \
  NUMBER(WVALORMOVIM, "0") \
  TEXT(WFORMASUPRIMENTO, "") \
  /* the withdrawal and supply form, and the open-cash-period check */ \
  TEXT(WDESCRMOVIM, "") \
  TEXT(WCODIGTIDOC, "D") \
  NUMBER(WNUCHEMOVIM, "0") \
  TEXT(WCODIGCONTA, "") \
  TEXT(V_CAIXCAIX, "") \
  TEXT(WFORMAPGTO, "") \
  NUMBER(WTEF_, "0") \
  TEXT(WNUMFPAGTO, "") \
  TEXT(WNOVA_ALIQ, "") \
  NUMBER(WISS_ICMS, "0") \
  TEXT(MOEDA, "") \
  /* the orderly end */ \
  FLAG(WFIN_PROG, false) \
  FLAG(WCONFFFFF, false)

// Per payment-form letter L: document type, cash or credit, instalments,
// read instalments, ask credit data.
#define ZELTO_CREDIT_GLOBALS(TEXT, NUMBER, L) \
  TEXT(V_TIDOC##L, "") \
  TEXT(V_VIPRA##L, "") \
  NUMBER(V_NUPRE##L, "0") \
  TEXT(V_LEPRE##L, "") \
  TEXT(V_PREST##L, "")

// The card-like forms V, M, E, I also: read instalment numbers, show
// instalment dates, largest number of instalments.
#define ZELTO_CARD_CREDIT_GLOBALS(TEXT, NUMBER, L) \
  TEXT(V_LENRP##L, "") \
  TEXT(V_DIPRP##L, "") \
  NUMBER(V_PMAXP##L, "0")
// clang-format on
