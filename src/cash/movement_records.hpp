#pragma once
// What a printed withdrawal or supply leaves in the tables: the cash
// movement (MV), the printer's document (Y4) and, for a supply, its payment
// record (Y2). Each record is written whole under its lock and flushed; Y4
// and Y2 are sealed before the lock goes.

#include "core/context.hpp"

namespace zelto::cash {

using core::Text;
using runtime::Decimal;

// The printer's numbers for the document just printed. A value the printer
// did not give stays zero (or empty): the document is on paper and is
// recorded all the same.
struct DocumentNumbers {
  Decimal coo, gnf, grg, cdc;
  runtime::Date foot_date;
  Text foot_time;  // "hhmmss"
};
DocumentNumbers read_document_numbers(core::Ctx& ctx);

// The next cash-movement number: NV C780 raised by one under the record
// lock (after 999999 comes 1).
Decimal next_movement_number(core::Ctx& ctx);

// The MV record of the movement in WDESCRMOVIM, WCODIGTIDOC, WNUCHEMOVIM and
// WVALORMOVIM: money in ("C") for a supply, out ("D") for a withdrawal.
void record_cash_movement(core::Ctx& ctx, bool supply, const Decimal& number);

// The Y4 record ("CN") of the document.
void record_cash_document(core::Ctx& ctx, const DocumentNumbers& n);

// The Y2 record ("CNF") of a supply's money.
void record_supply_payment(core::Ctx& ctx, const DocumentNumbers& n);

}  // namespace zelto::cash
