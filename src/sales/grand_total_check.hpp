#pragma once
// The fingerprint checks made before a receipt is opened: the printer
// serial on record, the digest of the program's files, and the printer's
// grand total against the one the fingerprint file holds. A grand total
// that differs is recomposed when the printer's last Z agrees with the
// daily record of its movement; the program then ends, so that the
// operator starts it again on a consistent installation.

#include "core/context.hpp"

namespace zelto::sales {

enum class FingerprintVerdict {
  Pass,        // the receipt may be opened
  Refused,     // it may not; the operator has been told why
  Recomposed,  // the grand total was recomposed and the run is ending
};

FingerprintVerdict check_fingerprint(core::Ctx& ctx);

}  // namespace zelto::sales
