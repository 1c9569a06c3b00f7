#include "tax_codes.hpp"

#include <algorithm>

#include "platform/runtime/text.hpp"

namespace zelto::demodata {

using runtime::trim;
using runtime::upper;

namespace {

struct SaleEntry {
  std::string tax;   // C478
  std::string rate;  // C674
};

}  // namespace

TaxCodes::TaxCodes(const std::vector<FixtureRow>& situation_rates, const std::vector<FixtureRow>& ecf_rates) {
  for (const FixtureRow& r : ecf_rates) ecf_rate_[upper(trim(r.get("C674")))] = upper(trim(r.get("C678")));

  // The sale entries of each situation in key order (C100 + C107 + C478).
  std::map<std::string, std::vector<SaleEntry>> sales;
  for (const FixtureRow& r : situation_rates) {
    if (upper(trim(r.get("C107"))) != "V") continue;
    sales[trim(r.get("C100"))].push_back({upper(trim(r.get("C478"))), upper(trim(r.get("C674")))});
  }
  for (auto& [situation, entries] : sales) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SaleEntry& a, const SaleEntry& b) { return a.tax < b.tax; });
    auto named = [](const SaleEntry& e) { return !e.rate.empty(); };
    auto icms =
        std::find_if(entries.begin(), entries.end(), [&](const SaleEntry& e) { return e.tax == "ICMS" && named(e); });
    auto first = std::find_if(entries.begin(), entries.end(), named);
    if (icms != entries.end())
      rate_of_situation_[situation] = icms->rate;
    else if (first != entries.end())
      rate_of_situation_[situation] = first->rate;
  }
}

std::optional<std::string> TaxCodes::for_situation(std::string_view situation) const {
  auto rate = rate_of_situation_.find(trim(situation));
  if (rate == rate_of_situation_.end()) return std::nullopt;
  auto ecf = ecf_rate_.find(rate->second);
  if (ecf == ecf_rate_.end() || ecf->second.empty()) return std::nullopt;
  const std::string& r = ecf->second;
  if (r == "FF") return "F0000";
  if (r == "II") return "I0000";
  if (r == "NN") return "N0000";
  if (r == "ISS") return "S0000";
  if (r.size() == 4 && r.find_first_not_of("0123456789") == std::string::npos) return "T" + r;
  return std::nullopt;
}

}  // namespace zelto::demodata
