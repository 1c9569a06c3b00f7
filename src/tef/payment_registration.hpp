#pragma once
// The card or cheque payment registered on the fiscal receipt once the
// manager carried the transaction out.

#include "core/context.hpp"

namespace zelto::tef {

// Sets WDESCFORMA to the form's name on the printer and WVALDESC from NDESC,
// then runs "PAGO_CARTAO" ("CRT"), "PAGO_CH_CON_TECBAN" ("CHB") or
// "PAGO_CH_CONSULTA" ("CHQ"), asking "Impressora Nao Responde, Tentar
// Novamente" after each failure; operator input is held meanwhile. True
// when the printer took it (WVENDEU_CARTAO).
bool register_payment(core::Ctx& ctx, std::string_view operation);

}  // namespace zelto::tef
