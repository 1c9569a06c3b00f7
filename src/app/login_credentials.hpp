#pragma once
// Who may come in: an operator code and the password typed for it, checked
// against the operators table, or the maker's service operator with the
// code of the day. The login and the supervisor authorisation both ask here
// and each shows its own refusals.

#include <string>
#include <string_view>

#include "core/context.hpp"

namespace zelto::app {

// The maker's service operator: holds every right, logs in with the code of
// the day and is never looked up in the operators table.
inline constexpr std::string_view kServiceOperator = "ZEL";

enum class Refusal {
  None,
  ShortCode,         // fewer than three characters
  BadCharacters,     // a password letter other than plain ASCII letters and digits
  WrongServiceCode,  // the service operator without the code of the day
  Unknown,           // no such operator
  NoPassword,        // the operator's stored password is blank
  WrongPassword,
  Inactive,          // C004 is not "A"
  Unreadable,        // the operators table is not open or cannot be read
};

struct CredentialCheck {
  Refusal refusal = Refusal::None;
  std::string detail{};  // what the table engine said, for Unreadable
  bool ok() const { return refusal == Refusal::None; }
};

// `code` and `password` as typed (blank-padded or not, any case). The
// operators table `US` is read through its order 1 and left where it was.
CredentialCheck verify_credentials(core::Ctx& ctx, std::string_view code, std::string_view password);

// The operator code as the tables hold it: trimmed, upper case, three wide.
std::string operator_key(std::string_view code);

// The refusals that show a message, with the text of the system's boxes.
inline constexpr const char* kCredentialsRefused = "Usuario ou Senha NAO Conferem ...";
inline constexpr const char* kPasswordCharacters =
    "A Senha so pode ter letras sem acento e numeros, digite novamente ...";
inline constexpr const char* kOperatorsUnreadable = "Nao foi possivel ler o arquivo de usuarios M001.DBF";

}  // namespace zelto::app
