#pragma once
// A checkout with a receipt of two lines open on the emulated printer
// (23.90 + 8.49 = 32.39), ready to close; the payment forms offered are
// the ones a test names.

#include <string>

#include "items_fixture.hpp"
#include "platform/runtime/text.hpp"
#include "sales/closing_screen.hpp"
#include "sales/item_entry.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales::closing_testing {

using items_testing::ItemsCtx;
using runtime::Decimal;

inline void offer(core::Globals& g, const std::string& letters) {
  static const std::string order = "DAPHBTCRVMEIU";
  for (std::size_t i = 0; i < order.size(); ++i) {
    g.V_USARPGTO[i].use = letters.find(order[i]) != std::string::npos ? "S" : "N";
    g.V_USARPGTO[i].name = std::string(1, order[i]) + "-FORMA";
  }
  g.V_USARPGTO[0].name = "Dinheiro";
}

struct ClosingCtx : ItemsCtx {
  explicit ClosingCtx(const std::string& vdf = "DV", const std::string& offered = "DCT")
      : ItemsCtx([vdf, offered](core::Globals& g) {
          g.VDF = vdf;
          offer(g, offered);
        }) {
    play("type \"" + items_testing::kRice + "\"\npress Enter\n"
         "type \"" + items_testing::kBeans + "\"\npress Enter\n");
    if (!memory().receipt || g.WTOTALVALOR != Decimal::of("32.39"))
      throw std::runtime_error("the receipt of two lines was not sold");
  }

  screen::Window& window() { return sales_window(ctx); }
  screen::FormSession& row() { return *window().entry(); }
  bool shown(const char* name) { return window().visible(name); }
  const std::string& text(const char* name) { return window().text(name); }
  // Cents as the emulated printer keeps them.
  static long long cents(const char* amount) { return Decimal::of(amount).rescaled(2).mantissa(); }
};

}  // namespace zelto::sales::closing_testing
