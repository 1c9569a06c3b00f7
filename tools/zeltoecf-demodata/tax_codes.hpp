#pragma once
// The ECF tax code an item carries in TRIBUTACAO, found as the item
// registration finds it: the item's tax situation leads to its ICMS sale
// entry in IE (or, without one, its first sale entry naming a rate), whose
// rate code leads to the ECF rate in A1. "FF", "II", "NN" and "ISS" give
// "F0000", "I0000", "N0000" and "S0000"; a rate of four digits gives "T"
// and the rate ("T1800").

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fixture_rows.hpp"

namespace zelto::demodata {

class TaxCodes {
 public:
  TaxCodes(const std::vector<FixtureRow>& situation_rates, const std::vector<FixtureRow>& ecf_rates);

  // nullopt when the situation leads to no rate in A1: the registration
  // would store "T0000" and the sale would refuse the item.
  std::optional<std::string> for_situation(std::string_view situation) const;

 private:
  std::map<std::string, std::string> rate_of_situation_;  // C100 -> A1 code
  std::map<std::string, std::string> ecf_rate_;           // A1 code -> C678
};

}  // namespace zelto::demodata
