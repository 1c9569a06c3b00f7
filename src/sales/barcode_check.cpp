#include "sales/barcode_check.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/current_item.hpp"
#include "sales/item_lookup.hpp"

namespace zelto::sales {

bool G_EAN13(const core::Decimal& code) {
  if (code.sign() < 0) return false;
  const std::string digits = runtime::trim(runtime::str(code, 20));
  if (digits.size() <= 8) return true;
  if (digits.size() > 14) return false;
  int sum = 0;
  int weight = 3;
  for (std::size_t i = digits.size() - 1; i-- > 0;) {
    sum += (digits[i] - '0') * weight;
    weight = weight == 3 ? 1 : 3;
  }
  return (10 - sum % 10) % 10 == digits.back() - '0';
}

bool barcode_accepted(core::Ctx& ctx, const core::Decimal& code) {
  const core::Text mode = ctx.g.W_CBARVEN;
  if ((mode != "S" && mode != "P") || G_EAN13(code)) return true;
  if (find_item(ctx, code)) show_current_item(ctx);
  if (mode == "S") {
    core::G_MENS(ctx, "Este Codigo de Barra e Errado ...");
    return false;
  }
  return core::G_CONF(ctx, "Este Codigo de Barra e Errado, Confirma assim mesmo");
}

}  // namespace zelto::sales
