#pragma once
// The make of the fiscal printer (VIMP_FIS), which decides the library,
// the entries and the argument forms of every command.

#include "core/globals.hpp"

namespace zelto::ecf {

using core::Text;

enum class Make {
  BE,     // Bematech, "Bemafi32.dll"
  DA,     // Daruma, "DARUMA32.DLL"
  SW,     // Sweda, "ConvEcf.dll"
  EP,     // Epson, "InterfaceEpson.dll"
  AC,     // any printer through the ACBr monitor
  Other,  // "EL" and anything else no command serves
};

Make make_of(const core::Globals& g);

// The three makes that share one set of entries, argument forms and
// return codes.
inline bool classic(Make m) { return m == Make::BE || m == Make::DA || m == Make::SW; }

// The library file a make loads for the run; empty when it has none.
core::Text library_file(const core::Text& make_code);

}  // namespace zelto::ecf
