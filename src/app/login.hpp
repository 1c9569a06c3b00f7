#pragma once
// The login window: the operator's code and password, the index rebuild and
// the way out. It runs once per run, before the main frame exists; a
// verified login runs the post-login set-up while the window still shows,
// then closes it.

#include <functional>

#include "core/context.hpp"
#include "platform/screen/form_session.hpp"
#include "platform/screen/progress.hpp"

namespace zelto::app {

// The operations of the start-up the login window runs. Each is optional.
struct LoginSteps {
  // The post-login set-up, run once the credentials are verified, with the
  // window's meter (421 steps). False: the set-up could not finish and the
  // run cannot go on.
  std::function<bool(core::Ctx&, screen::Progress&)> TESTANDO;
  // "&Reindexar": rebuilds every index (it asks its own question). Without
  // it the button is disabled.
  std::function<void(core::Ctx&)> REINDEXAR;
  // The orderly end, chosen at the empty-operator question; without it the
  // login asks the run to end.
  std::function<bool(core::Ctx&)> FECHA_SISTEMA;
};

// Builds and runs the login window; returns WCONTINUA: true when an
// operator logged in and the post-login set-up finished. False when the
// run is to end (ctx.run says how). Closing the start window is the
// caller's.
bool SENHA_USUARIO(core::Ctx& ctx, const LoginSteps& steps);

// The field ids of the login window, for scripts.
inline constexpr const char* kOperatorField = "VUSU";
inline constexpr const char* kPasswordField = "VSENHA";

// The check of the operator field: accepts everything.
bool CON_USU(core::Ctx& ctx, screen::FormSession& form);
// The empty-operator question at the password; "yes" ends the program in
// order through `fecha_sistema`. Always true.
bool CON_SENHA(core::Ctx& ctx, screen::FormSession& form, const std::function<bool(core::Ctx&)>& fecha_sistema);
// The credential check of the typed operator and password. True only when
// they were verified (WUSOK); a refusal shows its message, clears the
// password and puts the focus on the operator field.
bool CON_US_CONTINUA(core::Ctx& ctx, screen::FormSession& form);

}  // namespace zelto::app
