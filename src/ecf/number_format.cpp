#include "ecf/number_format.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

Text zero_digits(const Decimal& value, int width) { return runtime::strzero(value, width, 0); }

Text zero_digits(const Decimal& value, int factor, int width) { return zero_digits(value * Decimal(factor), width); }

Text plain_digits(const Decimal& value) { return value.round(0).to_string(); }

Text plain_digits(const Decimal& value, int factor) { return plain_digits(value * Decimal(factor)); }

Text ddmmyy(const Date& d) { return d.empty() ? Text() : d.ddmmyy(); }

Text ddmmyyyy(const Date& d) { return d.empty() ? Text() : runtime::strzero(d.day(), 2) + runtime::strzero(d.month(), 2) + runtime::strzero(d.year(), 4); }

Text dd_mm_yy(const Date& d) {
  if (d.empty()) return "";
  const Text t = d.text();  // dd/mm/yyyy
  return t.substr(0, 6) + t.substr(8, 2);
}

Text dd_mm_yyyy(const Date& d) { return d.empty() ? Text() : d.text(); }

Text yyyymmdd(const Date& d) { return d.empty() ? Text() : d.dtos(); }

Decimal amount_of(const Text& digits, int decimals) {
  const Text t = runtime::trim(digits);
  if (decimals <= 0 || t.size() <= static_cast<std::size_t>(decimals)) return runtime::val(t);
  const std::size_t cut = t.size() - static_cast<std::size_t>(decimals);
  return runtime::val(t.substr(0, cut) + "." + t.substr(cut));
}

}  // namespace zelto::ecf
