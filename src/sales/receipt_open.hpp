#pragma once
// Opening a fiscal receipt on the printer, with every check made before
// it: the operator's cash period, the printer's status and the day's Z,
// today's daily record, the client, and the fingerprint file; then the
// receipt's start on record (its COO and CCF, the counters record NV and
// the receipt record RO). The item sale calls it for the first line of a
// receipt.

#include "core/context.hpp"

namespace zelto::sales {

// True when the printer opened a receipt and its start is on record, so
// that the first line may be sold into it. Every refusal has been shown.
// A receipt the printer opened but whose COO or CCF it did not give is
// left open with WCUPOM_SEM_NUMERO set, and the answer is false: no line
// may go into it until start_receipt_record succeeds or it is cancelled.
bool ABRE_CUPOM(core::Ctx& ctx);

// The start of a receipt the printer has open: WAUXNUM and WNROCCF read
// from the printer, WDATACUPOM/WHORACUPOM, NV's receipt number and the RO
// record. False (and WCUPOM_SEM_NUMERO set, nothing written) when the
// printer does not give the numbers; true clears the flag.
bool start_receipt_record(core::Ctx& ctx);

// Today's daily record in state "A" (PD order 1); PD stands on it when
// found.
bool seek_open_day(core::Ctx& ctx);

}  // namespace zelto::sales
