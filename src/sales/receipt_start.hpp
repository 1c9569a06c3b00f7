#pragma once
// The program's record of a receipt the printer has just opened: its
// numbers (COO, CCF) read from the printer, the counters record (NV) and the
// receipt record (RO). Every item line of the receipt is written against
// that record, sought again by its key before each write.
//
// When the printer opened the receipt but its COO or CCF cannot be read,
// WCUPOM_SEM_NUMERO stays set: no line goes into the receipt (it would be
// written against another receipt's record) until the numbers are read on
// a later try or the receipt is cancelled.

#include "core/context.hpp"

namespace zelto::sales {

// Completes the start of the receipt ABRE_CUPOM opened. False when a number
// could not be read (the operator has been told; WCUPOM_SEM_NUMERO set).
bool start_receipt_record(core::Ctx& ctx);

// With WCUPOM_SEM_NUMERO set: when the printer no longer holds a receipt
// open, the flag is cleared; when it does, its numbers are asked again and
// the receipt's records written. True when a line may go on.
bool settle_receipt_without_number(core::Ctx& ctx);

// RO's key of the open receipt: shop, checkout, COO as 8 digits.
core::Text open_receipt_key(const core::Globals& g);
// Positions RO on the open receipt's record: its key and its date and time
// of opening. False when there is none.
bool seek_open_receipt(core::Ctx& ctx);

}  // namespace zelto::sales
