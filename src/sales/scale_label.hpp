#pragma once
// Weighing-scale labels: a 13-digit barcode printed by the shop's scale
// that carries the item's code and the weight. Where each part lies is set
// in the configuration (M614): the first digit that marks a label, the
// digit expected at its end, and the start and length of the weight and of
// the code within the label, and of the weight's whole and decimal parts
// within the weight.

#include <optional>

#include "core/globals.hpp"

namespace zelto::sales {

struct ScaleLabel {
  long long item_code = 0;
  core::Decimal weight;
};

// The label's item code and weight when `code` is a scale label with both
// above zero; nothing otherwise (scale labels off, another first or last
// digit, a zero weight or code).
std::optional<ScaleLabel> read_scale_label(const core::Globals& g, const core::Decimal& code);

}  // namespace zelto::sales
