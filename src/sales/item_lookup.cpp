#include "sales/item_lookup.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {
namespace {

using runtime::trim;

bool seek_barcode(xbase::Table& it, const std::string& digits) {
  it.set_order(kBarcodeOrder);
  // The order is sought by prefix: a longer barcode that begins with
  // these digits is another item.
  return it.seek(digits) && trim(it.text("C666")) == digits;
}

}  // namespace

bool find_item(core::Ctx& ctx, const Decimal& code) {
  xbase::Table& it = ctx.db.area("IT");
  const std::string written = trim(runtime::str(code.trunc(0), 20));
  if (code.sign() <= 0 || written.size() > 14) return false;
  if (seek_barcode(it, written.size() == 14 ? written : runtime::strzero(code, 13))) return true;
  if (written.size() > 8) return false;
  if (seek_barcode(it, runtime::strzero(code, 8))) return true;
  return find_item_by_code(ctx, code.to_int());
}

bool find_item_by_code(core::Ctx& ctx, long long code) {
  xbase::Table& it = ctx.db.area("IT");
  it.set_order(kItemCodeOrder);
  if (code <= 0 || code > 99999999) return false;
  return it.seek(runtime::strzero(code, 8));
}

long long Item::code_number() const { return runtime::val(code).to_int(); }

Decimal Item::printed_code() const {
  const Decimal bar = runtime::val(barcode);
  return bar.sign() > 0 ? bar : runtime::val(code);
}

Item read_item(const xbase::Table& it) {
  Item i;
  i.recno = it.recno();
  i.code = it.text("C012");
  i.description = it.text("C030");
  i.price = it.number("C031");
  i.unit = it.text("C408");
  i.situation = it.text("C100");
  i.state = it.text("C163");
  i.barcode = it.text("C666");
  i.anvisa = it.text("C841");
  i.c851 = it.text("C851");
  i.c852 = it.text("C852");
  i.c431 = it.text("C431");
  i.c432 = it.text("C432");
  return i;
}

}  // namespace zelto::sales
