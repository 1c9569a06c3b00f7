#include "cash/cash_movement.hpp"

#include "app/rights.hpp"
#include "cash/movement_form.hpp"
#include "cash/movement_records.hpp"
#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::cash {

bool RS_M10_BEM7(core::Ctx& ctx, int kind) {
  core::Globals& g = ctx.g;
  const bool supply = kind == kSupply;
  g.WA = supply ? "R" : "S";
  if (!app::G_PERMIS(ctx, supply ? "M103" : "M104")) return false;
  // A movement outside an open cash period would be counted by no closing.
  if (runtime::trim(g.WABERTCAIXA).empty()) {
    core::G_ERRO(ctx, "Nao Existe nenhum caixa de usuario aberto");
    return false;
  }
  if (ecf::IMP_FISCAL(ctx, "JA_REDUCAO_Z").yes) return false;

  clear_movement_form(g);
  for (;;) {
    if (!show_movement_form(ctx, supply)) return false;
    if (!core::G_CONF(ctx, supply ? "Confirma o Ressuprimento" : "Confirma a Sangria")) continue;
    g.WFORMASUPRIMENTO = g.WCODIGTIDOC == "D" ? "Dinheiro" : "Cartao";
    if (ecf::IMP_FISCAL(ctx, "SANGRIA").ok) break;
  }

  record_cash_movement(ctx, supply, next_movement_number(ctx));
  const DocumentNumbers numbers = read_document_numbers(ctx);
  record_cash_document(ctx, numbers);
  if (supply) record_supply_payment(ctx, numbers);
  return true;
}

}  // namespace zelto::cash
