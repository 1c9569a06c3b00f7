#include "tef/request_number.hpp"

#include "store/record_lock.hpp"

namespace zelto::tef {
namespace {

// C781 is N(10): the largest number it holds.
const runtime::Decimal kLargest = runtime::Decimal(9999999999LL);

}  // namespace

runtime::Decimal next_request_number(core::Ctx& ctx) {
  xbase::Table& nv = ctx.db.area("NV");
  nv.go_top();
  if (nv.eof()) {
    nv.append_blank();
  } else {
    store::wait_for_record_lock(ctx, nv);
  }
  runtime::Decimal next = nv.number("C781").trunc(0) + 1;
  if (next > kLargest || next < 1) next = 1;
  nv.put("C781", next);
  store::G_DESTRAVA(ctx, nv);
  nv.commit();
  return next;
}

core::Text request_number_text(const runtime::Decimal& number) { return std::to_string(number.trunc(0).to_int()); }

}  // namespace zelto::tef
