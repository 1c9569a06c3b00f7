#include "ecf/make.hpp"

#include "platform/runtime/text.hpp"

namespace zelto::ecf {

Make make_of(const core::Globals& g) {
  const Text code = runtime::trim(g.VIMP_FIS);
  if (code == "BE") return Make::BE;
  if (code == "DA") return Make::DA;
  if (code == "SW") return Make::SW;
  if (code == "EP") return Make::EP;
  if (code == "AC") return Make::AC;
  return Make::Other;
}

core::Text library_file(const core::Text& make_code) {
  const Text code = runtime::trim(make_code);
  if (code == "DA") return "DARUMA32.DLL";
  if (code == "BE") return "Bemafi32.dll";
  if (code == "SW") return "ConvEcf.dll";
  // "EL" is accepted by the configuration and loads the Epson library,
  // though no command serves it.
  if (code == "EP" || code == "EL") return "InterfaceEpson.dll";
  return "";
}

}  // namespace zelto::ecf
