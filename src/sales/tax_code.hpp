#pragma once
// The ECF tax code of an item and its check against the rates programmed
// in the printer. The item's tax situation (C100) leads through IE to an
// ECF rate code of A1, whose rate is what the printer receives: four digits
// ("1800") or "FF", "II", "NN" ("ISS" gives "IS").

#include "core/context.hpp"

namespace zelto::sales {

using core::Text;

// The ECF rate code (3 characters, three blanks when none) of the tax
// situation for sales, and WSITUA from it.
Text SITUA_TRIBU(core::Ctx& ctx, const Text& situation);

// Whether the printer takes the tax code: "FF", "II" and "NN" always; a
// rate ("1800", "IS") when its form RR.DD ("18.00", "00.00") is among the
// rates loaded from the printer (VALIQUOTAS).
bool rate_programmed(const Text& wsitua, const Text& valiquotas);
// The message of a tax code the printer does not take.
Text rate_refusal(const Text& wsitua);

}  // namespace zelto::sales
