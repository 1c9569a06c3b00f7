#include "sales/amounts.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {

bool truncates(const core::Globals& g) { return g.W_ARREDON == "T"; }

Decimal to_cents(const Decimal& value, bool truncate) {
  if (!truncate) return value.round(2);
  const std::string written = runtime::str(value, 14, 4);
  // Too large for the old form: cut it plainly.
  if (const auto read = Decimal::parse(written.substr(0, 12))) return read->rescaled(2);
  return value.trunc(2);
}

Text subtotal_text(const Decimal& value) {
  const std::string plain = runtime::trim(runtime::str(value, 9, 2));
  if (plain.find('*') != std::string::npos) return "*** ***.**";
  const bool negative = plain.front() == '-';
  const std::size_t point = plain.find('.');
  const std::string whole = plain.substr(negative ? 1 : 0, point - (negative ? 1 : 0));
  std::string grouped = whole.size() > 3 ? whole.substr(0, whole.size() - 3) + " " + whole.substr(whole.size() - 3) : whole;
  return runtime::padl((negative ? std::string("-") : std::string()) + grouped + plain.substr(point), 10);
}

}  // namespace zelto::sales
