#pragma once
// The closing of a receipt on the sales window: F3 pays in cash, F5 with
// any offered form after an optional discount or surcharge. The closing's
// fields join the window's entry row below the item fields, which are
// disabled while the closing is shown; F8 goes back to the items until the
// closing has begun on the printer.

#include "core/context.hpp"
#include "platform/screen/form_session.hpp"

namespace zelto::sales {

// Field ids of the closing.
inline constexpr const char* kKindField = "NTIDES";
inline constexpr const char* kAdjustmentField = "NDESC";
inline constexpr const char* kFormField = "NFORM";
inline constexpr const char* kPaidField = "NVALO";

namespace closing_names {
inline constexpr const char* kCaption = "fechamento_titulo";
inline constexpr const char* kModeCaption = "fechamento_modo";
inline constexpr const char* kProducts = "fechamento_produtos";
inline constexpr const char* kTotal = "fechamento_total";
inline constexpr const char* kFormName = "fechamento_forma_nome";
inline constexpr const char* kChangeLabel = "fechamento_troco";
inline constexpr const char* kChange = "fechamento_troco_valor";
inline constexpr const char* kFormsList = "fechamento_formas";
inline constexpr const char* kBackCaption = "fechamento_f8";
inline constexpr const char* kAdjustmentLabel = "fechamento_desconto_rotulo";
inline constexpr const char* kPaidLabel = "fechamento_pago_rotulo";
}  // namespace closing_names

// F3 (mode 'D') and F5 (mode 'T'): enters the closing. False when it
// could not start (no lines, the client screen left).
bool FECHA_CUPOM(core::Ctx& ctx, char mode);

// F8: back to the items from either mode.
void VOLTAR_ITENS(core::Ctx& ctx);

// The checks of the closing fields.
bool CON_ACDESCONTO(core::Ctx& ctx, screen::FormSession& row);
bool CON_DESCONTO(core::Ctx& ctx, screen::FormSession& row);
bool CON_FORMAPGTO(core::Ctx& ctx, screen::FormSession& row);
bool CON_VALOR(core::Ctx& ctx, screen::FormSession& row);

// The list of offered forms shown; the form field enabled and focused.
void VOLTA_P_FORMA_PGTO(core::Ctx& ctx, screen::FormSession& row);
void TELA_FORMA(core::Ctx& ctx);

// The closing's fields and panels hidden, the item fields enabled again.
void ESCONDE_FECHA_CUPOM(core::Ctx& ctx);

// The adjustment field's label for the mode and the kind in force.
void show_adjustment_label(core::Ctx& ctx);

}  // namespace zelto::sales
