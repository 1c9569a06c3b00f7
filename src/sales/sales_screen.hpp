#pragma once
// The sales screen: the window the checkout spends its working life in.
// It shows the free checkout, or the receipt being sold with its last lines
// and totals. The receipt's lines live in the work table IO (its
// instalments in P2, Y3 kept empty): an empty IO is a free checkout.

#include <functional>

#include "core/context.hpp"

namespace zelto::sales {

// What the main frame lends the sales screen.
struct SalesHost {
  // Shows the row VLEMENUS names (the frame's MOSTRA_MENUS / VOLTA_MENU).
  std::function<void(core::Ctx&)> show_button_row;
  // A function key of the free state whose action lives in the frame (F10
  // menu, F11 end, and keys whose screens are not in this version).
  std::function<void(core::Ctx&, int key)> free_key;
  // Hides both button rows (the frame's TIRA_KEYS); the receipt state
  // clears their keys itself.
  std::function<void(core::Ctx&)> hide_button_row;
};

// Starts the sales screen; run once, when the main frame is first shown.
void OLD_TELA_DE_VENDA(core::Ctx& ctx, const SalesHost& host);

// Recomputes the sale state from IO, redraws the items list and shows the
// free or the receipt state.
void TELA_ITENS(core::Ctx& ctx);
void SET_CAIXA_LIVRE(core::Ctx& ctx);
void UNSET_CAIXA_LIVRE(core::Ctx& ctx);

// Back to the start of a new receipt after a closing or a cancellation.
void COMECAR_NOVO_CUPOM(core::Ctx& ctx);

// The lines of the receipt being sold, in a browse. Always true.
bool F12_ITENS_ATIVOS(core::Ctx& ctx);

}  // namespace zelto::sales
