#pragma once
// The end of a receipt: its footer composed from the footer layout and sent
// with the printer's close, then the closed receipt recorded in the tables.
//
// The recording is journalled: a small file in the data folder names the
// receipt before the printer is asked to close it, and every step of the
// recording is marked in it, so that a start after a crash finds a receipt
// the printer closed but the tables do not hold and finishes it, never
// writing a step twice.

#include "core/context.hpp"

namespace zelto::sales {

// Composes the footer from the layout W_LAYOUT into WLIN1..WLIN8 and WMES,
// identifies the consumer and closes the receipt on the printer
// (IMP_RODAPE, asking again while it does not answer). True when the
// printer closed the receipt.
bool IMP_LAYOUT(core::Ctx& ctx);

// Records the closed receipt (GRAVA_CUPOM), empties the work tables IO, P2
// and Y3 and shows the items list in its free state.
void GR_CUPOM(core::Ctx& ctx, char letter);

// The recording of a closed receipt paid with the form `letter`: RO closed
// and sealed, the stock lowered, the Y2 payment, the Y4 card document for
// "A", the MV cash movements of a cash sale or the CR instalments of a
// credit sale.
void GRAVA_CUPOM(core::Ctx& ctx, char letter);

}  // namespace zelto::sales
