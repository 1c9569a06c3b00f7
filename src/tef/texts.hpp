#pragma once
// The card payments' messages and questions, as the operator sees them.

#include <string_view>

namespace zelto::tef::texts {

inline constexpr std::string_view kActive = "O Gerenciador Padrao \"ESTA\" ATIVO";
inline constexpr std::string_view kNotActive = "O Gerenciador Padrao \"NAO\" esta ATIVO";
inline constexpr std::string_view kRenameFailed = "Nao conseguiu renomear IntPos.tmp para IntPos.001";
inline constexpr std::string_view kWrongFile = "Nao Retornou o arquivo certo ";
inline constexpr std::string_view kWrongSequence = "Nao Retornou a Sequencia certa ";
inline constexpr std::string_view kPrinterNotAnswering = "Impressora Nao Responde, Tentar Novamente";

// Waits, on the message bar, each followed by its counter.
inline constexpr std::string_view kWaitingStatus = "Esperando Retorno do TEF ";
inline constexpr std::string_view kWaitingResponse = "Espere, Aguardando Retorno do TEF ";
inline constexpr std::string_view kWaitingConfirmation = "Aguardando CONFIRMACAO Final pelo TEF ";
inline constexpr std::string_view kWaitingCancellation = "Aguardando TEF Confirmar Cancelamento ";
inline constexpr std::string_view kPrintingWait = "Espere, imprimindo TEF...";
inline constexpr std::string_view kPrintingLine = "Imprimindo TEF... ";

// Where a wait has gone on long enough the operator chooses whether to go
// on (yes, preselected) or to leave the transaction pending.
inline constexpr std::string_view kKeepWaitingResponse = "O Gerenciador Padrao nao respondeu. Continuar Aguardando";
inline constexpr std::string_view kKeepWaitingConfirmation =
    "Gerenciador Padrao NAO esta ATIVO, Tente Ativa-lo ... Continuar Aguardando a Confirmacao";
inline constexpr std::string_view kKeepWaitingCancellation =
    "Gerenciador Padrao NAO esta ATIVO, Tente Ativa-lo... Continuar Aguardando o Cancelamento";
inline constexpr std::string_view kTryActivatingAgain = "Gerenciador Padrao NAO esta ATIVO, Tente Ativa-lo... Tentar Novamente";
// Told when the operator left a transaction pending.
inline constexpr std::string_view kLeftPending =
    "Transacao do TEF Pendente: sera Cancelada quando o Gerenciador Padrao Responder";

// A response that neither carried the transaction out nor said why.
inline constexpr std::string_view kNotCarriedOut = "O Gerenciador Padrao nao efetuou a Transacao";

// The non-confirmation's notice.
inline constexpr std::string_view kCancelledTitle = "-= ZeltoECF =-   Comunicacao Com o TEF";
inline constexpr std::string_view kCancelled = "Cancelada a Transacao";

}  // namespace zelto::tef::texts
