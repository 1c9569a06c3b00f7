#include "store/open_failure.hpp"

#include "platform/xbase/error.hpp"

namespace zelto::store {

core::Text missing_file_message(std::string_view file) { return "Nao encontrou o arquivo " + core::Text(file); }

core::Text open_failure_reason(const std::exception& failure) {
  const core::Text detail = failure.what();
  const auto* error = dynamic_cast<const xbase::Error*>(&failure);
  if (!error) return "falha inesperada\n" + detail;
  switch (error->kind()) {
    case xbase::ErrorKind::InUse: return "esta em uso por outro programa";
    case xbase::ErrorKind::Locked: return "esta travado por outro programa";
    case xbase::ErrorKind::Damaged: return "esta danificado\n" + detail;
    case xbase::ErrorKind::NotFound: return "falta um arquivo que o acompanha\n" + detail;
    case xbase::ErrorKind::BadExpression:
    case xbase::ErrorKind::BadField: return "a chave de um indice nao serve para o arquivo\n" + detail;
    case xbase::ErrorKind::Io: return "falha de leitura ou gravacao\n" + detail;
    case xbase::ErrorKind::LockRequired:
    case xbase::ErrorKind::Usage: break;
  }
  return "falha inesperada\n" + detail;
}

core::Text open_failure_message(std::string_view file, const std::exception& failure) {
  return "O arquivo " + core::Text(file) + " nao pode ser aberto: " + open_failure_reason(failure);
}

}  // namespace zelto::store
