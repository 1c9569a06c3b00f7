#pragma once
// The messages of item entry and of the sale of a line.

namespace zelto::sales::messages {

inline constexpr const char* kNotSelected = "Item Nao Selecionado";
inline constexpr const char* kBadQuantity = "Quantidade do Item Invalida.";
inline constexpr const char* kAboveZero = "Este Valor tem que ser Maior que zero...";
inline constexpr const char* kNoCode = "O Codigo do Item nao foi Informado...";
inline constexpr const char* kNotFound = "Nao achou o Produto.";
inline constexpr const char* kNoPrice = "Nao pode vender este produto, nao possui preco de venda";
inline constexpr const char* kWrongCode = "Codigo Incorreto, Digite \"S\" para Retornar";
inline constexpr const char* kWrongBarcode = "Este Codigo de Barra e Errado ...";
inline constexpr const char* kAskWrongBarcode = "Este Codigo de Barra e Errado, Confirma assim mesmo";

inline constexpr const char* kInactive = "Este Item esta desativado e nao pode ser vendido.";
inline constexpr const char* kNoPrinter = "Nao Comunicou com a Impresso no Inicio do ZeltoEcf";
inline constexpr const char* kNoRates = "Nao conseguiu Carregar as Aliquotas.";
inline constexpr const char* kEarlierReceiptOpen = "Existe Cupom em Aberto, Providenciar o Cancelamento";
inline constexpr const char* kRetryPrinting = "Impressora Nao Responde, Tentar Novamente";
inline constexpr const char* kPrinterStateUnread =
    "Nao foi possivel saber se ha Cupom aberto na impressora. Verifique a impressora e tente novamente.";
inline constexpr const char* kReceiptRecordMissing =
    "O registro do Cupom aberto nao foi encontrado (RO). Cancele o Cupom na impressora.";

}  // namespace zelto::sales::messages
