#include "cash/movement_records.hpp"

#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/record_lock.hpp"
#include "store/seal_record.hpp"

namespace zelto::cash {
namespace {

// C780 is N(6): the largest number it holds.
const Decimal kLargestMovement = Decimal(999999);

Decimal number_of(core::Ctx& ctx, std::string_view command) {
  const ecf::Answer a = ecf::IMP_FISCAL(ctx, command);
  return a.ok ? a.number.trunc(0) : Decimal(0);
}

// "ddmmyyyyhhmmss" at the foot of the printer's last document.
void read_foot(const Text& t, DocumentNumbers& n) {
  if (t.size() < 14) return;
  auto part = [&](std::size_t at, std::size_t width) { return std::atoi(t.substr(at, width).c_str()); };
  if (auto d = runtime::Date::ymd(part(4, 4), part(2, 2), part(0, 2))) n.foot_date = *d;
  n.foot_time = t.substr(8, 6);
}

Text six_digits(const Decimal& n) { return runtime::strzero(n < Decimal(0) ? Decimal(0) : n, 6); }

// The audit fields every record carries.
void audit(core::Ctx& ctx, xbase::Table& t) {
  const os::LocalTime now = ctx.clock.now();
  t.put("C001", ctx.g.VUSU);
  t.put("C262", now.date);
  t.put("C263", now.hhmm());
}

// Written through, the lock released.
void done(core::Ctx& ctx, xbase::Table& t) {
  store::G_DESTRAVA(ctx, t);
  t.commit();
}

}  // namespace

DocumentNumbers read_document_numbers(core::Ctx& ctx) {
  DocumentNumbers n;
  n.coo = number_of(ctx, "NRO_CUPOM");
  n.gnf = number_of(ctx, "NUMERO_GNF");
  n.grg = number_of(ctx, "NUMERO_GRG");
  n.cdc = number_of(ctx, "NUMERO_CDC");
  const ecf::Answer foot = ecf::IMP_FISCAL(ctx, "DATA_HORA_RODAPE");
  if (foot.ok) read_foot(foot.text, n);
  return n;
}

Decimal next_movement_number(core::Ctx& ctx) {
  xbase::Table& nv = ctx.db.area("NV");
  nv.go_top();
  if (nv.eof()) {
    nv.append_blank();
  } else {
    store::wait_for_record_lock(ctx, nv);
  }
  Decimal next = nv.number("C780").trunc(0) + 1;
  if (next > kLargestMovement || next < 1) next = 1;
  nv.put("C780", next);
  done(ctx, nv);
  return next;
}

void record_cash_movement(core::Ctx& ctx, bool supply, const Decimal& number) {
  const core::Globals& g = ctx.g;
  const runtime::Date today = ctx.clock.now().date;
  xbase::Table& mv = ctx.db.area("MV");
  mv.append_blank();
  mv.put("C096", today);
  mv.put("C091", g.WDESCRMOVIM);
  mv.put("C076", g.WVALORMOVIM);
  mv.put("C037", g.WCOD_EST);
  mv.put("C130", g.WCODIGTIDOC);
  mv.put("C083", g.WCAIXACODIG);
  mv.put("C094", supply ? "C" : "D");
  mv.put("C093", runtime::right(today.text(), 4));
  mv.put("C090", runtime::str(g.WNUCHEMOVIM, 12));
  mv.put("C077", six_digits(number));
  mv.put("C101", g.WCAIXACODIG + g.WABERTCAIXA);
  mv.put("C125", "2");
  audit(ctx, mv);
  done(ctx, mv);
}

void record_cash_document(core::Ctx& ctx, const DocumentNumbers& n) {
  const core::Globals& g = ctx.g;
  xbase::Table& y4 = ctx.db.area("Y4");
  y4.append_blank();
  y4.put("PDV", g.WMAQUINA);
  y4.put("DATA", ctx.clock.now().date);
  // The counters answer the last number used: the document just printed.
  y4.put("NROCOO", six_digits(n.coo));
  y4.put("NROGNF", six_digits(n.gnf));
  y4.put("NUMERSERIE", g.VNUMSERIEIMPRESSORA);
  y4.put("NROGRG", "000000");
  y4.put("NROCDC", six_digits(n.cdc));
  y4.put("TAM_COLUNA", g.WCOL);
  y4.put("SIMBOLO", "CN");
  y4.put("DATARODAPE", n.foot_date);
  y4.put("HORARODAPE", n.foot_time);
  y4.put("DESCRMEMO", "");
  audit(ctx, y4);
  store::write_seal(y4);
  done(ctx, y4);
}

void record_supply_payment(core::Ctx& ctx, const DocumentNumbers& n) {
  const core::Globals& g = ctx.g;
  const Text blanks(4, ' ');
  xbase::Table& y2 = ctx.db.area("Y2");
  y2.append_blank();
  for (const char* field : {"C037", "C123", "C403", "C451", "C245"}) y2.put(field, blanks);
  y2.put("C125", six_digits(n.coo));
  y2.put("NUMERSERIE", g.VNUMSERIEIMPRESSORA);
  y2.put("C402", ctx.clock.now().date);
  y2.put("DOCUMENTO", "CNF");
  y2.put("C254", "Dinheiro");
  y2.put("C255", "Dinheiro");
  y2.put("C361", g.WVALORMOVIM);
  y2.put("C260", "N");
  y2.put("C261", Decimal(0));
  y2.put("C264", six_digits(n.gnf));
  audit(ctx, y2);
  store::write_seal(y2);
  done(ctx, y2);
}

}  // namespace zelto::cash
