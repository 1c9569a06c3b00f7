#include "tef/sale_hooks.hpp"

namespace zelto::tef {

SaleHooks sale_hooks(core::Ctx& ctx) {
  SaleHooks hooks;
  if (auto* installed = ctx.services.find<SaleHooks>()) hooks = *installed;
  if (!hooks.close_receipt) hooks.close_receipt = [](core::Ctx&) { return false; };
  if (!hooks.back_to_payment_form) hooks.back_to_payment_form = [](core::Ctx&) {};
  if (!hooks.show_manager_messages) {
    hooks.show_manager_messages = [](core::Ctx& c, const std::vector<core::Text>& lines, bool) {
      core::Text joined;
      for (const auto& line : lines) joined += line;
      c.screen.set_message(joined);
    };
  }
  if (!hooks.exchange_ended) hooks.exchange_ended = [](core::Ctx& c, bool) { c.screen.set_message(""); };
  return hooks;
}

}  // namespace zelto::tef
