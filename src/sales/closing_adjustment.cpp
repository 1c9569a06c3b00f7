#include "sales/closing_adjustment.hpp"

#include "platform/runtime/number_text.hpp"

namespace zelto::sales {

AdjustmentMode adjustment_mode(const Text& vdf) {
  const Text m = vdf.substr(0, 2);
  if (m == "DP") return {"DP", false, true, 'D'};
  if (m == "AV") return {"AV", false, false, 'A'};
  if (m == "AP") return {"AP", false, true, 'A'};
  if (m == "TV") return {"TV", true, false, 'D'};
  if (m == "CV") return {"CV", true, false, 'A'};
  return {"DV", false, false, 'D'};
}

char adjustment_kind(const AdjustmentMode& mode, const Text& chosen_kind) {
  if (!mode.chosen) return mode.fixed_kind;
  return !chosen_kind.empty() && chosen_kind[0] == 'A' ? 'A' : 'D';
}

Text adjustment_label(const AdjustmentMode& mode, char kind) {
  if (mode.percent) return kind == 'A' ? "Acrescimo (%).................." : "Desconto (%)...................";
  return kind == 'A' ? "Acrescimo.......................:" : "Desconto.........................:";
}

bool adjustment_too_large(const AdjustmentMode& mode, char kind, const Decimal& value, const Decimal& subtotal) {
  if (kind != 'D') return false;
  return mode.percent ? value >= Decimal(100) : value >= subtotal;
}

Decimal adjustment_amount(const AdjustmentMode& mode, const Decimal& value, const Decimal& subtotal) {
  if (!mode.percent) return value.round(2);
  return Decimal::divide(subtotal * value, Decimal(100), 6).round(2);
}

Decimal receipt_total(const AdjustmentMode& mode, char kind, const Decimal& value, const Decimal& subtotal) {
  const Decimal moved = adjustment_amount(mode, value, subtotal);
  return kind == 'A' ? subtotal + moved : subtotal - moved;
}

Text adjustment_value_text(const Text& kind_of_value, const Decimal& value) {
  return runtime::strzero(value, 14, kind_of_value == "$" ? 2 : 4);
}

void set_printer_adjustment(core::Globals& g, const AdjustmentMode& mode, char kind, const Decimal& value) {
  // The kind of value follows the mode, not a setting of its own: a
  // percentage the printer took as money would give the paper one total
  // and the program another.
  g.WTIDESCACRES = Text(1, kind);
  g.WTIPODESCAC = mode.percent ? "%" : "$";
  g.WVALORPERCENTUAL = mode.percent ? "P" : "V";
  g.NDESC = value;
  g.WVALDESC = adjustment_value_text(g.WTIPODESCAC, value);
}

}  // namespace zelto::sales
