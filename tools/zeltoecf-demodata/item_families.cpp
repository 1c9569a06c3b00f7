#include "item_families.hpp"

#include <map>

#include "demo_error.hpp"
#include "ean13.hpp"
#include "platform/runtime/decimal.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::demodata {

using runtime::Decimal;
using runtime::trim;

namespace {

constexpr int kMaxFamily = 9999;
constexpr int kMaxSizes = 99;

bool all_digits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string zero_padded(long value, size_t width) {
  std::string digits = std::to_string(value);
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

struct Size {
  std::string name;   // "1KG", or empty
  std::string price;  // as written
};

std::vector<Size> read_sizes(const FixtureRow& family) {
  std::vector<Size> sizes;
  std::string all = family.get("SIZES");
  size_t start = 0;
  while (start <= all.size()) {
    size_t bar = all.find('|', start);
    std::string item = trim(all.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    const size_t eq = item.rfind('=');
    Size s{eq == std::string::npos ? "" : trim(item.substr(0, eq)),
           trim(eq == std::string::npos ? item : item.substr(eq + 1))};
    auto price = Decimal::parse(s.price);
    if (s.price.empty() || !price || price->sign() <= 0)
      throw DemoError(family.where() + ": \"" + item + "\" in SIZES has no price above zero (SIZE=PRICE)");
    sizes.push_back(std::move(s));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  if (sizes.size() > static_cast<size_t>(kMaxSizes))
    throw DemoError(family.where() + ": more than " + std::to_string(kMaxSizes) + " sizes in one family");
  return sizes;
}

int family_number(const FixtureRow& family) {
  const std::string text = trim(family.get("FAMILY"));
  if (!all_digits(text) || text.size() > 4 || std::stoi(text) < 1)
    throw DemoError(family.where() + ": FAMILY \"" + text + "\" is not a number from 1 to " +
                    std::to_string(kMaxFamily));
  return std::stoi(text);
}

std::string barcode(const FixtureRow& family, long item_number, bool weighed) {
  const std::string maker = trim(family.get("C410"));
  if (weighed || maker.empty()) return ean13("2" + zero_padded(item_number, 6) + "00000");
  if (!all_digits(maker) || maker.size() < 4)
    throw DemoError(family.where() + ": the manufacturer code \"" + maker +
                    "\" needs at least four digits: they are its company number in the barcodes");
  const std::string item = zero_padded(item_number, 8);
  return ean13("789" + maker.substr(maker.size() - 4) + item.substr(item.size() - 5));
}

}  // namespace

std::vector<FixtureRow> expand_families(const std::vector<FixtureRow>& families, const runtime::Date& today) {
  std::vector<FixtureRow> items;
  std::map<std::string, std::string> code_at, barcode_at;  // value -> where it was made
  for (const FixtureRow& family : families) {
    const int number = family_number(family);
    const std::string unit = runtime::upper(trim(family.get("C408")));
    const bool weighed = unit == "KG";
    const std::vector<Size> sizes = read_sizes(family);
    for (size_t i = 0; i < sizes.size(); ++i) {
      const long item_number = number * 100L + static_cast<long>(i) + 1;
      FixtureRow item{family.source, family.line, {}};
      const std::string code = zero_padded(item_number, 8);
      const std::string ean = barcode(family, item_number, weighed);
      if (auto [at, fresh] = code_at.emplace(code, family.where()); !fresh)
        throw DemoError(family.where() + ": the item code " + code + " was already made at " + at->second);
      if (auto [at, fresh] = barcode_at.emplace(ean, family.where()); !fresh)
        throw DemoError(family.where() + ": the barcode " + ean + " was already made at " + at->second);

      std::string description = trim(family.get("DESCRIPTION"));
      if (!sizes[i].name.empty()) description += " " + sizes[i].name;
      item.set("C012", code);
      item.set("C030", description);
      item.set("C031", sizes[i].price);
      item.set("C408", unit);
      item.set("C100", family.get("C100"));
      item.set("C674", family.get("C100"));  // the import keeps a copy of the tax situation here
      item.set("C410", family.get("C410"));
      item.set("C847", family.get("C847"));
      item.set("C852", family.get("C852").empty() ? "T" : family.get("C852"));
      item.set("C837", family.get("C837"));
      item.set("C666", ean);
      item.set("C851", "A");  // item totals rounded, as the printer is set up
      item.set("C431", weighed ? "3" : "0");
      item.set("C432", "2");
      item.set("C163", "A");
      item.set("C155", "R$ ");
      item.set("C841", "N");
      item.set("C696", "N");
      item.set("DTESTOQUE", today.dtos());
      items.push_back(std::move(item));
    }
  }
  return items;
}

}  // namespace zelto::demodata
