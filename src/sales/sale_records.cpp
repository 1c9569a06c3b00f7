#include "sales/sale_records.hpp"

#include "platform/runtime/number_text.hpp"
#include "sales/amounts.hpp"
#include "sales/receipt_start.hpp"
#include "store/record_lock.hpp"
#include "store/seal_record.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using runtime::strzero;

void append_work_line(Ctx& ctx) {
  const core::Globals& g = ctx.g;
  xbase::Table& io = ctx.db.area("IO");
  io.append_blank();
  io.put("C400", strzero(g.WSEQUEITEM, 4));
  io.put("C012", strzero(g.WCODIGITEM, 8));
  io.put("C040", g.WDESCR);
  io.put("C034", g.WVALOR);
  io.put("C108", g.WCODIGESTOQ);
  io.put("C035", g.WQUANTPRODU);
  io.put("C066", g.WDESCIT);
  io.put("C067", 0);
  io.unlock();
  io.flush();
}

// RO stands on the receipt's record.
void update_receipt_total(Ctx& ctx) {
  xbase::Table& ro = ctx.db.area("RO");
  if (!ro.holds_lock(ro.recno())) store::wait_for_record_lock(ctx, ro);
  // The subtotal before this line: the items list adds the line when it is
  // rebuilt after the sale, and the closing writes the receipt's total.
  ro.put("C130", ctx.g.WTOTALVALOR);
  store::write_seal(ro);
  ro.flush();
}

void put_anvisa(xbase::Table& pc, const AnvisaData& a) {
  pc.put("C507", "S");
  pc.put("C508", a.prescription_kind);
  pc.put("C509", a.lot);
  pc.put("C510", a.use);
  pc.put("C511", a.prescribed);
  pc.put("C512", a.prescriber);
  pc.put("C513", a.prescriber_registry);
  pc.put("C514", a.council);
  pc.put("C515", a.council_state);
  pc.put("C516", a.buyer);
  pc.put("C517", a.document_kind);
  pc.put("C518", a.document_number);
  pc.put("C519", a.issuer);
  pc.put("C520", a.issuer_state);
  pc.put("C521", a.blue_notification);
}

void append_receipt_line(Ctx& ctx, const Item& item, const AnvisaData& anvisa) {
  const core::Globals& g = ctx.g;
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& pc = ctx.db.area("PC");
  pc.append_blank();  // left locked
  pc.put("C037", g.WCOD_EST);
  pc.put("C123", g.WMAQUINA);
  pc.put("C125", strzero(g.WAUXNUM, 8));
  pc.put("C402", g.WDATACUPOM);
  pc.put("NUMERSERIE", g.VNUMSERIEIMPRESSORA);
  pc.put("C128", ro.date("C128"));
  pc.put("C129", ro.text("C129"));
  pc.put("C403", g.WHORACUPOM);
  pc.put("C136", g.WSEQUEITEM);
  pc.put("C012", strzero(g.WCODIGITEM, 8));
  pc.put("C133", g.WQUANTPRODU);
  pc.put("C134", line_total(g, item.price, g.WQUANTPRODU));
  pc.put("C031", item.price);
  pc.put("C135", g.WDESCIT);
  pc.put("C139", g.WSITUA);
  pc.put("C137", 0);
  pc.put("C138", "A");
  pc.put("C030", item.description);
  pc.put("C851", item.c851);
  pc.put("C852", item.c852);
  pc.put("C431", item.c431);
  pc.put("C432", item.c432);
  pc.put("C434", g.WNROCCF);
  if (anvisa.present) put_anvisa(pc, anvisa);
  store::write_seal(pc);
  pc.unlock();
  pc.flush();
}

}  // namespace

// Each table is flushed to the system as it is written, so the other
// stations and a process that dies keep the line; it is not forced to the
// disk line by line (five files forced per scan cost about 24 ms a line on a
// plain disk, against 0.1 ms flushed), as the printer keeps the line anyway.
bool record_sale_line(Ctx& ctx, const Item& item, const AnvisaData& anvisa) {
  if (!seek_open_receipt(ctx)) return false;
  append_work_line(ctx);
  update_receipt_total(ctx);
  append_receipt_line(ctx, item, anvisa);
  return true;
}

}  // namespace zelto::sales
