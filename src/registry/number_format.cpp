#include "registry/number_format.hpp"

#include <cctype>

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::registry {

Text STRTR(const core::Globals& g, const runtime::Decimal& number, int width, int decimals) {
  if (g.VMILHAR) return runtime::brl(number, width, decimals);
  return runtime::trim(runtime::str(number, width, decimals));
}

Text G_SO_NRO(std::string_view text, int length, std::string_view kind, char fill, std::string_view side) {
  Text taken;
  if (kind == "N")
    for (char c : text)
      if (std::isdigit(static_cast<unsigned char>(c))) taken += c;
  const std::size_t size = length > 0 ? static_cast<std::size_t>(length) : 0;
  if (taken.size() > size) return taken.substr(0, size);
  if (side == "D") return runtime::padr(taken, size, fill);
  if (side == "E") return runtime::padl(taken, size, fill);
  return taken;
}

}  // namespace zelto::registry
