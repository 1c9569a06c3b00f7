#include "app/supervisor.hpp"

#include "app/login_credentials.hpp"
#include "app/rights.hpp"
#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::app {
namespace {

using screen::FormSession;
using screen::Key;

const core::Text kTitle = "Autorizacao do Supervisor";
const core::Text kRefused = "Supervisor ou Senha NAO Conferem, operacao nao autorizada ...";

screen::FormSpec authorisation_form(const core::Text& code) {
  screen::FormSpec s;
  s.title = kTitle;
  s.notes = {"Liberar o modulo " + runtime::trim(code) + " (usuario sem permissao)"};
  s.fields.push_back(screen::Field::text(kSupervisorField, "Supervisor:", "", 3, "@!"));
  auto pw = screen::Field::text(kSupervisorPasswordField, "Senha.....:", "", 6, "@!");
  pw.secret = true;
  // Enter on the password asks for the authorisation at once, as the login does.
  pw.check = [](FormSession& f) {
    const Key k = f.last_key();
    if (k == Key::Enter || k == Key::Tab || k == Key::Down) f.confirm();
    return true;
  };
  s.fields.push_back(pw);
  s.buttons.push_back({"&Autorizar", [](FormSession& f) { f.confirm(); }});
  s.buttons.push_back({"&Cancelar", [](FormSession& f) { f.cancel(); }});
  return s;
}

}  // namespace

bool M11111AV(core::Ctx& ctx, const core::Text& code) {
  FormSession form(authorisation_form(code));
  if (ctx.screen.run_form(form) != screen::FormOutcome::Confirmed) return false;
  const core::Text who = form.text(kSupervisorField);
  const CredentialCheck check = verify_credentials(ctx, who, form.text(kSupervisorPasswordField));
  switch (check.refusal) {
    case Refusal::None:
      break;
    case Refusal::BadCharacters:
      core::G_ERRO(ctx, kPasswordCharacters);
      return false;
    case Refusal::Unreadable:
      core::G_ERRO(ctx, core::Text(kOperatorsUnreadable) + "\n" + check.detail);
      return false;
    default:
      core::G_ERRO(ctx, kRefused);
      return false;
  }
  bool holds = false;
  try {
    holds = operator_holds_right(ctx, who, runtime::upper(code));
  } catch (const xbase::Error& e) {
    core::G_ERRO(ctx, "Nao foi possivel ler as permissoes de acesso (M006.DBF)\n" + std::string(e.what()));
    return false;
  }
  if (!holds) {
    core::G_ERRO(ctx, "O supervisor " + operator_key(who) + " nao tem permissao para autorizar o modulo " +
                          runtime::trim(code));
    return false;
  }
  return true;
}

}  // namespace zelto::app
