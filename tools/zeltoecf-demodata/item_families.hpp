#pragma once
// The items table written as families of products: one line per product in
// its sizes ("ARROZ AGULHINHA TIPO 1 SABOR DO CAMPO" in 1KG, 2KG and 5KG),
// each size an item with its own code, barcode and price.
//
// Columns of m206-families.csv:
//   FAMILY       the family's number, 1 to 9999; its items are numbered
//                FAMILY * 100 + 1, + 2 ... in the order of SIZES (family 101
//                gives the items 00010101, 00010102 ...)
//   DESCRIPTION  the description; each size is appended after a blank
//   SIZES        "1KG=6.49|2KG=12.39": size and price per item; a price
//                alone ("=14.90" or "14.90") is an item without a size
//   C408, C100, C410, C847, C852, C837
//                unit, tax situation, manufacturer, NCM, own production
//                ("P") or third party ("T"), and stock, for every item of
//                the family
// Barcodes: an item with a manufacturer carries 789, the last four digits
// of the manufacturer's code (its company number), the last five digits of
// the item code and the EAN-13 check digit. Weighed items (unit "KG") and
// items without a manufacturer carry the shop's own label: 2, the item code
// in six digits, five zeros where a scale puts the weight, and the check
// digit; so a scale label for the item and the item's own label agree.

#include <vector>

#include "fixture_rows.hpp"
#include "platform/runtime/date.hpp"

namespace zelto::demodata {

// One row per item with every field the sale reads, except TRIBUTACAO
// (tax_codes.hpp). Throws DemoError on a malformed family, a duplicated item
// code or barcode.
std::vector<FixtureRow> expand_families(const std::vector<FixtureRow>& families, const runtime::Date& today);

}  // namespace zelto::demodata
