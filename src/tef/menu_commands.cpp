#include "tef/menu_commands.hpp"

#include "app/rights.hpp"
#include "core/dialogs.hpp"
#include "tef/ger_padrao.hpp"

namespace zelto::tef {

bool M781(core::Ctx& ctx, std::string_view manager) {
  if (!app::G_PERMIS(ctx, "M781")) return false;
  if (!core::G_CONF(ctx, "Confirma a Verificacao", "S")) return false;
  return GER_PADRAO(ctx, "ATV", 1, manager);
}

bool M782(core::Ctx& ctx, std::string_view manager) {
  if (!app::G_PERMIS(ctx, "M782")) return false;
  return GER_PADRAO(ctx, "ADM", 0, manager);
}

}  // namespace zelto::tef
