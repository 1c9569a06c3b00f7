#pragma once
// Opening a fiscal receipt on the printer, with every check made before
// it: the operator's cash period, the printer's status and the day's Z,
// today's daily record, the client, and the fingerprint file. The item
// sale calls it for the first line of a receipt and then puts the
// receipt's start on record (receipt_start.hpp).

#include "core/context.hpp"

namespace zelto::sales {

// True when the printer opened a receipt. Every refusal has been shown.
// An opened receipt leaves WCUPOM_SEM_NUMERO set: its COO and CCF are not
// read yet, and no line may go into it until they are.
bool ABRE_CUPOM(core::Ctx& ctx);

// Today's daily record in state "A" (PD order 1); PD stands on it when
// found.
bool seek_open_day(core::Ctx& ctx);

}  // namespace zelto::sales
