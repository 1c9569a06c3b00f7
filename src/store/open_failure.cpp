#include "store/open_failure.hpp"

#include "platform/xbase/error.hpp"

namespace zelto::store {

core::Text missing_file_message(std::string_view file) { return "Nao encontrou o arquivo " + core::Text(file); }

core::Text open_failure_reason(const std::exception& failure) {
  const auto* error = dynamic_cast<const xbase::Error*>(&failure);
  if (error && error->kind() == xbase::ErrorKind::InUse) return "esta em uso por outro programa";
  if (error && error->kind() == xbase::ErrorKind::Locked) return "esta travado por outro programa";
  const core::Text detail = failure.what();
  if (error && error->kind() == xbase::ErrorKind::Damaged) return "esta danificado\n" + detail;
  if (error && (error->kind() == xbase::ErrorKind::BadExpression || error->kind() == xbase::ErrorKind::BadField))
    return "a chave de um indice nao serve para o arquivo\n" + detail;
  return "falha de leitura\n" + detail;
}

core::Text open_failure_message(std::string_view file, const std::exception& failure) {
  return "O arquivo " + core::Text(file) + " nao pode ser aberto: " + open_failure_reason(failure);
}

}  // namespace zelto::store
