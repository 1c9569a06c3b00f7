#include "app/rights.hpp"

#include "app/login_credentials.hpp"
#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::app {
namespace {

// The right code's width in `UM`.
constexpr std::size_t kRightWidth = 8;

}  // namespace

bool operator_holds_right(core::Ctx& ctx, std::string_view who, std::string_view code) {
  const std::string op = operator_key(who);
  if (op == kServiceOperator) return true;
  const std::string right = runtime::rtrim(code);
  // Padding would cut a longer code into some other right.
  if (right.empty() || right.size() > kRightWidth) return false;
  xbase::Table& um = ctx.db.area("UM");
  const xbase::Position was = um.position();
  um.set_order(1);
  const bool found = um.seek(op + runtime::padr(right, kRightWidth));
  um.restore(was);
  return found;
}

bool G_PERMIS(core::Ctx& ctx, const core::Text& code, const std::optional<core::Text>& message) {
  try {
    if (operator_holds_right(ctx, ctx.g.VUSU, code)) return true;
  } catch (const xbase::Error& e) {
    core::G_ERRO(ctx, "Nao foi possivel ler as permissoes de acesso (M006.DBF)\n" + std::string(e.what()));
    return false;
  }
  core::G_ERRO(ctx, message ? *message : "Este usuario nao tem permissao para acessar o modulo " + runtime::trim(code));
  return false;
}

bool G_PERMI1(core::Ctx& ctx, const core::Text& code) {
  try {
    return operator_holds_right(ctx, ctx.g.VUSU, runtime::upper(code));
  } catch (const xbase::Error&) {
    return false;
  }
}

}  // namespace zelto::app
