#include "app/login.hpp"

#include "app/login_credentials.hpp"
#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::app {
namespace {

using screen::FormSession;
using screen::Key;

const core::Text kTitle = "LOGIN ZELTO SISTEMAS";
const core::Text kPrompt = "Espere, Configurando o Ambiente de Trabalho...";
constexpr long kSetUpSteps = 421;
const core::Text kQuit = "Deseja Finalizar a Execucao do Sistema Zelto";
const core::Text kNoOperator = "A Senha Nao Foi Digitado, Deseja Sair do ZeltoECF";

// Leaving from the login window: nothing was opened but the operators
// table, so every table is closed and the run ends at once.
void leave_from_login(core::Ctx& ctx) {
  ctx.db.close_all();
  ctx.run.request_end("SAIR_ECF");
}

void refuse(core::Ctx& ctx, FormSession& form) {
  ctx.g.WUSOK = false;
  form.set_value(kPasswordField, core::Text());
  ctx.g.VSENHA = form.text(kPasswordField);
  form.focus(form.index_of(kOperatorField));
}

void show_refusal(core::Ctx& ctx, const CredentialCheck& check) {
  switch (check.refusal) {
    case Refusal::None:
    case Refusal::ShortCode:
    case Refusal::WrongServiceCode:
      return;  // no message: nothing tells a passer-by the service code exists
    case Refusal::BadCharacters:
      core::G_ERRO(ctx, kPasswordCharacters);
      return;
    case Refusal::Unknown:
    case Refusal::NoPassword:
    case Refusal::WrongPassword:
    case Refusal::Inactive:
      core::G_ERRO(ctx, kCredentialsRefused);
      return;
    case Refusal::Unreadable:
      core::G_ERRO(ctx, core::Text(kOperatorsUnreadable) + "\n" + check.detail);
      return;
  }
}

class LoginWindow {
 public:
  LoginWindow(core::Ctx& ctx, const LoginSteps& steps) : ctx_(ctx), steps_(steps) {}

  screen::FormSpec definition() {
    screen::FormSpec s;
    s.title = kTitle;
    auto op = screen::Field::text(kOperatorField, "Usuario...:", ctx_.g.VUSU, 3, "@!");
    op.label_frame = screen::Frame::Shaded;
    op.check = [this](FormSession& f) { return CON_USU(ctx_, f); };
    auto pw = screen::Field::text(kPasswordField, "Senha.....:", ctx_.g.VSENHA, 6, "@!");
    pw.label_frame = screen::Frame::Shaded;
    pw.secret = true;
    pw.check = [this](FormSession& f) { return password_check(f); };
    s.fields = {op, pw};
    s.buttons.push_back({"&Continuar", [this](FormSession& f) { continue_pressed(f); }});
    s.buttons.push_back({"&Reindexar", [this](FormSession& f) { reindex_pressed(f); }, bool(steps_.REINDEXAR)});
    s.buttons.push_back({"ESC - Sair", [this](FormSession& f) { quit_pressed(f); }});
    s.notes = {ctx_.g.VV_VERSAO};
    // Esc and the window's own close button end up here: the window stays
    // until the login succeeds or the run is to end.
    s.can_close = [this](FormSession&) {
      if (ctx_.g.WCONTINUA || ctx_.run.end_requested) return true;
      if (!core::G_CONF(ctx_, kQuit)) return false;
      leave_from_login(ctx_);
      return true;
    };
    return s;
  }

 private:
  bool password_check(FormSession& f) {
    // Up goes back to the operator field and a click elsewhere only moves
    // the focus: neither is an attempt to log in.
    const Key k = f.last_key();
    if (k == Key::Up || k == Key::BackTab || k == Key::None) {
      ctx_.g.VSENHA = f.text(kPasswordField);
      return true;
    }
    attempt(f);
    return true;
  }

  void attempt(FormSession& f) {
    CON_SENHA(ctx_, f, steps_.FECHA_SISTEMA);
    if (ctx_.run.end_requested) {
      f.cancel();
      return;
    }
    if (CON_US_CONTINUA(ctx_, f)) log_in(f);
  }

  void log_in(FormSession& f) {
    for (std::size_t i = 0; i < f.definition().buttons.size(); ++i) f.set_button_enabled(i, false);
    bool done = true;
    {
      auto meter = ctx_.screen.open_progress(kTitle, kSetUpSteps);
      meter->set_text(kPrompt);
      if (steps_.TESTANDO) done = steps_.TESTANDO(ctx_, *meter);
    }
    if (!done && !ctx_.run.end_requested) ctx_.run.request_end("TESTANDO");
    if (ctx_.run.end_requested) {
      f.cancel();
      return;
    }
    ctx_.g.WCONTINUA = true;
    f.confirm();
  }

  void continue_pressed(FormSession& f) {
    // The button takes what was typed as Enter in the password field would.
    if (f.focused_field() == f.index_of(kPasswordField)) attempt(f);
    else f.focus(f.index_of(kOperatorField));
  }

  void reindex_pressed(FormSession& f) {
    steps_.REINDEXAR(ctx_);
    if (ctx_.run.end_requested) f.cancel();
    else f.focus(f.index_of(kOperatorField));
  }

  void quit_pressed(FormSession& f) {
    if (core::G_CONF(ctx_, kQuit)) {
      leave_from_login(ctx_);
      f.cancel();
    } else {
      f.focus(f.index_of(kOperatorField));
    }
  }

  core::Ctx& ctx_;
  const LoginSteps& steps_;
};

}  // namespace

bool CON_USU(core::Ctx& ctx, FormSession& form) {
  ctx.g.VUSU = form.text(kOperatorField);
  return true;
}

bool CON_SENHA(core::Ctx& ctx, FormSession& form, const std::function<bool(core::Ctx&)>& fecha_sistema) {
  ctx.g.VUSU = form.text(kOperatorField);
  if (!runtime::trim(ctx.g.VUSU).empty()) return true;
  if (core::G_CONF(ctx, kNoOperator, "N")) {
    if (fecha_sistema) fecha_sistema(ctx);
    if (!ctx.run.end_requested) ctx.run.request_end("FECHA_SISTEMA");
  }
  return true;
}

bool CON_US_CONTINUA(core::Ctx& ctx, FormSession& form) {
  ctx.g.VUSU = form.text(kOperatorField);
  ctx.g.VSENHA = form.text(kPasswordField);
  const CredentialCheck check = verify_credentials(ctx, ctx.g.VUSU, ctx.g.VSENHA);
  if (check.ok()) {
    ctx.g.VUSU = operator_key(ctx.g.VUSU);
    ctx.g.WUSOK = true;
    return true;
  }
  show_refusal(ctx, check);
  refuse(ctx, form);
  return false;
}

bool SENHA_USUARIO(core::Ctx& ctx, const LoginSteps& steps) {
  ctx.g.VUSU = "   ";
  ctx.g.VSENHA = "      ";
  ctx.g.WUSOK = false;
  ctx.g.WCONTINUA = false;
  LoginWindow window(ctx, steps);
  FormSession form(window.definition());
  ctx.screen.run_form(form);
  return ctx.g.WCONTINUA;
}

}  // namespace zelto::app
