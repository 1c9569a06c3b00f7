// M614: the weighing-scale barcode settings, edited in place (the global
// settings are the edit buffer) and stored in the configuration record.

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "registry/field_checks.hpp"
#include "registry/field_scope.hpp"
#include "sales/item_entry.hpp"
#include "store/record_lock.hpp"

namespace zelto::sales {
namespace {

using core::Decimal;
using screen::Field;
using screen::FormSession;

constexpr const char* kTitle = "M614 - Variaveis de Controle de Codigo de Barra de Balancas";

struct Letter {
  const char* label;
  core::Text core::Globals::*setting;
  const char* field;  // of the configuration record
  bool yes_no;
};
struct Position {
  const char* label;
  Decimal core::Globals::*setting;
  const char* field;
};

constexpr Letter kLetters[] = {
    {"Trabalhar com Codigo de Barra de Balancas", &core::Globals::W__CODBAR_BALANCA, "C850", true},
    {"Primeiro Campo do Codigo de Barra", &core::Globals::W_PRI_BALANCA, "C851", false},
    {"Ultimo Campo do Codigo de Barra", &core::Globals::W_ULT_BALANCA, "C852", false},
    {"Considerar Ultimo Campo do Codigo de Barra", &core::Globals::W_CUL_BALANCA, "C866", true},
};
constexpr Position kPositions[] = {
    {"Inicio do Campo Peso no Codigo de Barra", &core::Globals::W_IPE_BALANCA, "C853"},
    {"Tamanho do Campo Peso no Codigo de Barra", &core::Globals::W_FPE_BALANCA, "C854"},
    {"Inicio do Campo Codigo no Codigo de Barra", &core::Globals::W_IQU_BALANCA, "C855"},
    {"Tamanho do Campo Codigo no Codigo de Barra", &core::Globals::W_FQU_BALANCA, "C856"},
    {"Inicio do Inteiro do Peso no Codigo", &core::Globals::W_IPEQUANT, "C857"},
    {"Tamanho do Inteiro do Peso no Codigo", &core::Globals::W_FPEQUANT, "C858"},
    {"Inicio do Decimal do Peso no Codigo", &core::Globals::W_IP2QUANT, "C861"},
    {"Tamanho do Decimal do Peso no Codigo", &core::Globals::W_FP2QUANT, "C862"},
};

// What the form holds goes into the settings at once: values typed stay in
// force for the run even when the screen is left without storing them.
void take_values(core::Globals& g, const FormSession& s) {
  for (const Letter& l : kLetters) g.*l.setting = runtime::trim(s.text(l.field));
  for (const Position& p : kPositions) g.*p.setting = s.number(p.field);
}

// The configuration record stores the letters in fields of its own kind:
// the switch as a text, the digits as numbers.
void store_settings(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  xbase::Table& co = ctx.db.area("CO");
  co.go_top();
  if (co.eof()) {
    co.append_blank();
  } else {
    store::wait_for_record_lock(ctx, co);
  }
  for (const Letter& l : kLetters) {
    if (co.fields().at(static_cast<std::size_t>(co.field_index(l.field))).type == xbase::FieldType::Numeric)
      co.put(l.field, runtime::val(g.*l.setting));
    else
      co.put(l.field, g.*l.setting);
  }
  for (const Position& p : kPositions) co.put(p.field, g.*p.setting);
  const os::LocalTime now = ctx.clock.now();
  co.put("C863", g.VUSU);
  co.put("C864", now.date);
  co.put("C865", now.hhmmss().substr(0, 5));
  co.unlock();
  co.commit();
}

}  // namespace

void M614(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  screen::FormSpec form;
  form.title = kTitle;
  for (const Letter& l : kLetters) {
    Field f = Field::text(l.field, l.label, runtime::padr(g.*l.setting, 1), 1, "@!");
    if (l.yes_no) f.check = registry::field_check(ctx, registry::G_CONSN());
    form.fields.push_back(std::move(f));
  }
  for (const Position& p : kPositions) form.fields.push_back(Field::number(p.field, p.label, g.*p.setting, 2, 0, "99"));
  form.buttons.push_back({"&Gravar", [&ctx](FormSession& s) {
                            take_values(ctx.g, s);
                            store_settings(ctx);
                            s.confirm();
                          }});
  form.buttons.push_back({"ESC - Sair", [](FormSession& s) { s.cancel(); }});
  FormSession session(std::move(form));
  ctx.screen.run_form(session);
  take_values(g, session);
}

}  // namespace zelto::sales
