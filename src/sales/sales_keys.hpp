#pragma once
// The key maps of the sales screen's states. The free checkout's keys
// F2 to F11 and its button row belong to the main frame (SalesHost); the
// receipt's keys and buttons to the sales screen. F12, the list of the
// receipt's lines, works in both.

#include <string>

#include "core/context.hpp"
#include "sales/sales_screen.hpp"

namespace zelto::sales {

// Kept for the run by OLD_TELA_DE_VENDA.
void keep_host(core::Ctx& ctx, const SalesHost& host);
const SalesHost& sales_host(const core::Ctx& ctx);

// The receipt buttons enabled; F2, F3, F4, F5, F6 and F12 of the receipt.
void ATIVA_KEYS(core::Ctx& ctx);
// The receipt buttons disabled; F2 to F6, F9 and F12 cleared.
void DESATIVA_KEYS(core::Ctx& ctx);
// The free checkout's keys F2 to F11 (F3, F6, F7 and F8 only while the
// printer is usable) and the row VLEMENUS names.
void F_BTN_SHOW(core::Ctx& ctx);
// Both rows hidden; F2 to F8, F10 and F11 cleared.
void F_BTN_HIDE(core::Ctx& ctx);
// The six receipt buttons and the F12 caption.
void BTN_FIM_SHOW(core::Ctx& ctx);
void BTN_FIM_HIDE(core::Ctx& ctx);

// What a key whose screen this version does not have shows.
void not_in_this_version(core::Ctx& ctx, const std::string& name);

// The item-code field of the entry row takes the focus (when shown).
void focus_item_code(core::Ctx& ctx);

}  // namespace zelto::sales
