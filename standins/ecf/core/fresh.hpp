#pragma once
// A printer as it leaves the technician's hands for the shop: serial number,
// owner, the usual rates and payment forms, and one reduction already made
// the evening before, so that the "last Z" queries have something to say.

#include <filesystem>
#include <string>
#include <vector>

#include "ecf/core/memory.hpp"

namespace zelto::ecfsim {

struct FreshOptions {
  Make make = Make::BE;
  std::string serial;  // empty: the make's default
  ClockSetting clock;  // the printer's clock from now on
};

std::string default_serial(Make make);

// The fresh fiscal memory, and in `printed` the paper of the evening's
// reduction.
FiscalMemory fresh_memory(const FreshOptions& o, const DateTime& computer, std::vector<std::string>& printed);

// Writes the new fiscal memory and the printout of the previous evening's
// reduction into `folder`, replacing any printer there. `computer` is the
// computer's clock now.
FiscalMemory install_fresh_printer(const std::filesystem::path& folder, const FreshOptions& o,
                                   const DateTime& computer);

}  // namespace zelto::ecfsim
