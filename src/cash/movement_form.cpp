#include "cash/movement_form.hpp"

#include "platform/runtime/text.hpp"
#include "platform/screen/form_session.hpp"

namespace zelto::cash {
namespace {

using core::Text;
using screen::FormSession;
using screen::Key;

constexpr int kDescriptionWidth = 40;

// The only payment type a cash movement takes: money.
bool type_accepted(const FormSession& f) { return f.text(kTypeField) == "D"; }

screen::FormSpec movement_form(core::Ctx& ctx, bool supply) {
  const core::Globals& g = ctx.g;
  const os::LocalTime now = ctx.clock.now();
  screen::FormSpec s;
  s.title = "  -= ZeltoECF =-   FECHAMENTO DO CUPOM FISCAL";
  s.notes = {
      supply ? "==> Movimentacao de Ressuprimento do Caixa" : "==> Movimentacao de Sangria do Caixa      ",
      "Usuario...................: " + g.WCAIXACODIG,
      "Estabelecimento........: " + g.WCOD_EST,
      "Data......................: " + now.date.text(),
      "Hora......................: " + now.hhmm(),
  };
  s.fields.push_back(
      screen::Field::text(kDescriptionField, "Descricao..............:", g.WDESCRMOVIM, kDescriptionWidth, "@!"));
  auto type = screen::Field::text(kTypeField, "Tipo do Pagamento...:", g.WCODIGTIDOC, 1, "!");
  type.check = [](FormSession& f) { return f.last_key() == Key::Up || type_accepted(f); };
  s.fields.push_back(type);
  s.fields.push_back(screen::Field::number(kDocumentField, "Numero Documento..:", g.WNUCHEMOVIM, 12, 0, "999999999999"));
  s.fields.push_back(screen::Field::number(kAmountField, "Valor.............:", g.WVALORMOVIM, 12, 2, "999999999.99"));
  // The button does not pass through the type's check: it is asked here,
  // so that no other type is ever recorded.
  s.buttons.push_back({" Gravar ", [](FormSession& f) {
                         if (type_accepted(f)) {
                           f.confirm();
                         } else {
                           f.focus(f.index_of(kTypeField));
                         }
                       }});
  s.buttons.push_back({"ESC - Sair", [](FormSession& f) { f.cancel(); }});
  return s;
}

}  // namespace

void clear_movement_form(core::Globals& g) {
  g.WDESCRMOVIM = Text(kDescriptionWidth, ' ');
  g.WCODIGTIDOC = "D";
  g.WNUCHEMOVIM = runtime::Decimal(0);
  g.WVALORMOVIM = runtime::Decimal(0);
}

bool show_movement_form(core::Ctx& ctx, bool supply) {
  FormSession form(movement_form(ctx, supply));
  if (ctx.screen.run_form(form) != screen::FormOutcome::Confirmed) return false;
  core::Globals& g = ctx.g;
  g.WDESCRMOVIM = form.text(kDescriptionField);
  g.WCODIGTIDOC = form.text(kTypeField);
  g.WNUCHEMOVIM = form.number(kDocumentField);
  g.WVALORMOVIM = form.number(kAmountField);
  return true;
}

}  // namespace zelto::cash
