#include "sales/anvisa_screen.hpp"

#include <span>

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "registry/field_checks.hpp"
#include "registry/field_scope.hpp"

namespace zelto::sales {
namespace {

using screen::Field;
using screen::FormSession;

constexpr const char* kTitle = " -= ZeltoECF =-   Tela de Dados para CONTROLE DA ANVISA";

struct Input {
  const char* id;
  const char* label;
  int width;
  bool required;
  Text AnvisaData::*value;
};

// In the screen's order; the prescription date stands between the blue
// notification and the prescriber.
constexpr Input kBeforeDate[] = {
    {"C509", "Numero do Lote", 15, true, &AnvisaData::lot},
    {"C508", "Tipo do Receituario", 1, false, &AnvisaData::prescription_kind},
    {"C510", "Uso do Medicamento", 1, false, &AnvisaData::use},
    {"C521", "Nro Notificacao Receita Azul", 15, false, &AnvisaData::blue_notification},
};
constexpr Input kAfterDate[] = {
    {"C512", "Nome do Prescritor", 40, true, &AnvisaData::prescriber},
    {"C513", "Nro Registro Profissional", 15, true, &AnvisaData::prescriber_registry},
    {"C514", "Conselho Profissional", 7, false, &AnvisaData::council},
    {"C515", "U.F. (Estado) do Conselho", 2, false, &AnvisaData::council_state},
    {"C516", "Nome do Comprador", 40, true, &AnvisaData::buyer},
    {"C517", "Tipo do Documento", 2, false, &AnvisaData::document_kind},
    {"C518", "Nro do Documento", 15, true, &AnvisaData::document_number},
    {"C519", "Orgao Expedidor", 8, false, &AnvisaData::issuer},
    {"C520", "U.F. Orgao Expedidor", 2, false, &AnvisaData::issuer_state},
};

Field text_input(core::Ctx& ctx, const Input& in, const AnvisaData& start) {
  Field f = Field::text(in.id, in.label, runtime::padr(start.*in.value, in.width), in.width, "@!");
  if (in.required) f.check = registry::field_check(ctx, registry::G_CONSTR(false));
  return f;
}

// The button confirms only what the fields' own checks would accept: a
// required input the operator never reached is asked for too.
bool required_filled(core::Ctx& ctx, FormSession& s) {
  for (const std::span<const Input> group : {std::span<const Input>(kBeforeDate), std::span<const Input>(kAfterDate)}) {
    for (const Input& in : group) {
      if (in.required && runtime::trim(s.text(in.id)).empty()) {
        core::G_ERRO(ctx, registry::kFieldEmpty);
        s.focus(s.index_of(in.id));
        return false;
      }
    }
  }
  if (s.date("C511").empty()) {
    core::G_ERRO(ctx, registry::kNoDate);
    s.focus(s.index_of("C511"));
    return false;
  }
  return true;
}

}  // namespace

bool needs_anvisa(const core::Globals& g, const Item& item) { return g.W_ANVISA == "S" && item.anvisa == "S"; }

bool LE_ANVISA(core::Ctx& ctx, const Item& item, AnvisaData& data) {
  data = AnvisaData{};
  if (!needs_anvisa(ctx.g, item)) return true;

  screen::FormSpec form;
  form.title = kTitle;
  for (const Input& in : kBeforeDate) form.fields.push_back(text_input(ctx, in, data));
  Field date = Field::date("C511", "Data da Prescricao", data.prescribed);
  date.check = registry::field_check(ctx, registry::G_CONDAT());
  form.notes = {"PRESCRICAO", "COMPRADOR"};
  form.fields.push_back(std::move(date));
  for (const Input& in : kAfterDate) form.fields.push_back(text_input(ctx, in, data));

  bool confirmed = false;
  form.buttons.push_back({"Confirmar", [&ctx, &confirmed](FormSession& s) {
                            if (!required_filled(ctx, s)) return;
                            confirmed = true;
                            s.confirm();
                          }});
  form.buttons.push_back({"ESC - Sair", [](FormSession& s) { s.cancel(); }});
  FormSession session(std::move(form));
  ctx.screen.run_form(session);
  if (!confirmed || session.outcome() != screen::FormOutcome::Confirmed) return false;

  for (const Input& in : kBeforeDate) data.*in.value = session.text(in.id);
  for (const Input& in : kAfterDate) data.*in.value = session.text(in.id);
  data.prescribed = session.date("C511");
  data.present = true;
  return true;
}

}  // namespace zelto::sales
