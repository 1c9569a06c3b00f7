#include "store/opening_progress.hpp"

#include <algorithm>

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::store {

void M_ABREAR(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag) {
  if (flag == "N") return;
  if (progress.sintegra_mode()) {
    ctx.g.WMABREAR += core::Decimal(1);
    if (progress.window)
      progress.window->set_text("Lendo Arquivo Zeltoecf " + runtime::trim(runtime::str(ctx.g.WMABREAR, 10)));
    return;
  }
  progress.meter = std::min(progress.meter + 1, kStartMeterTotal);
  if (progress.window) progress.window->set_value(progress.meter);
}

}  // namespace zelto::store
