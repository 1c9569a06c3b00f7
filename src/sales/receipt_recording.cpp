#include <stdexcept>
#include <variant>
#include <vector>

#include "cash/movement_records.hpp"
#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/receipt_close.hpp"
#include "sales/receipt_journal.hpp"
#include "sales/receipt_start.hpp"
#include "store/fingerprint_write.hpp"
#include "store/record_lock.hpp"
#include "store/seal_record.hpp"
#include "store/seal_stock.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Decimal;
using core::Text;
using runtime::padl;
using runtime::strzero;

// One recording: its journal, the probe of the tests and, when an earlier
// run left it unfinished, what that run had done.
struct Run {
  Ctx& ctx;
  ReceiptJournal journal;
  const RecordingProbe& probe;
  const JournalState* resume;

  bool done(const std::string& step) const { return resume && resume->done.count(step) > 0; }
  // A step the earlier run may have begun: its records are looked for
  // before they are written.
  bool maybe_begun() const { return resume != nullptr; }
  void finished(const std::string& step) {
    if (probe) probe(step);
    journal.mark(step);
  }
};

void audit(Ctx& ctx, xbase::Table& t) {
  const os::LocalTime now = ctx.clock.now();
  t.put("C001", ctx.g.VUSU);
  t.put("C262", now.date);
  t.put("C263", now.hhmm());
}

void lock_counters(Ctx& ctx, xbase::Table& nv) {
  nv.go_top();
  if (nv.eof()) {
    nv.append_blank();
  } else {
    store::wait_for_record_lock(ctx, nv);
  }
}

void mark_counters_closed(Ctx& ctx) {
  xbase::Table& nv = ctx.db.area("NV");
  lock_counters(ctx, nv);
  nv.put("C778", "F");
  store::G_DESTRAVA(ctx, nv);
  nv.commit();
}

// The active lines' total of the receipt RO stands on: the subtotal the
// printer took before the adjustment.
Decimal items_total(Ctx& ctx) {
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& pc = ctx.db.area("PC");
  pc.set_order(1);
  Decimal sum;
  const Text key = ro.text("C037") + ro.text("C123") + ro.text("C125");
  const Text time = ro.text("C403");
  const runtime::Date day = ro.date("C402");
  if (!pc.seek(key)) return sum;
  for (; !pc.eof() && pc.text("C037") + pc.text("C123") + pc.text("C125") == key; pc.skip()) {
    if (pc.text("C138") == "A" && pc.date("C402") == day && pc.text("C403") == time) sum += pc.number("C134");
  }
  return sum;
}

// The adjustment as money: a percentage is kept as the amount it took off
// or added, so the receipt, the payment and the legal files agree on what
// was charged.
struct Adjustment {
  Decimal discount, surcharge;
};
Adjustment adjustment_of(Ctx& ctx) {
  const core::Globals& g = ctx.g;
  Adjustment a;
  if (g.WVALORPERCENTUAL == "P") {
    const Decimal diff = items_total(ctx) - g.WTOTALVALOR;
    if (diff > Decimal(0)) a.discount = diff;
    if (diff < Decimal(0)) a.surcharge = Decimal(0) - diff;
  } else if (g.NTIDES == "A") {
    a.surcharge = g.NDESC;
  } else if (g.NTIDES == "D") {
    a.discount = g.NDESC;
  }
  return a;
}

void close_receipt_record(Ctx& ctx, char letter) {
  const core::Globals& g = ctx.g;
  if (!seek_open_receipt(ctx)) throw std::runtime_error("the closed receipt's record is not in RO");
  const Adjustment adj = adjustment_of(ctx);
  xbase::Table& ro = ctx.db.area("RO");
  if (!ro.holds_lock(ro.recno())) store::wait_for_record_lock(ctx, ro);
  ro.put("C127", "F");
  ro.put("C130", g.WTOTALVALOR);
  ro.put("C1301", g.W_TIPODOCUM);
  ro.put("C400", padl(runtime::str(g.W_NUMEVENCI, 12), 12));
  ro.put("C401", g.W_DATAVENCI);
  ro.put("C036", strzero(g.WCODIGCLIEN, 6));
  ro.put("NOMECLIEN", g.V_NOME_CLIENTE);
  ro.put("ENDERCLIEN", g.V_ENDERECO_CLIENTE);
  ro.put("CPFCNPJCLI", g.V_CPFCNPJ_CLIENTE);
  ro.put("C134", g.W_VISTA);
  ro.put("C_001", Text(1, letter));
  ro.put("TROCO", g.WTROCO);
  ro.put("C_002", g.WC_002);
  ro.put("C_010", g.WC_010);
  ro.put("C_011", g.WC_011);
  ro.put("C_012", g.WC_012);
  ro.put("C_022", g.WC_022);
  ro.put("C_027", g.WC_027);
  ro.put("C131D", "V");
  ro.put("C132A", "V");
  ro.put("C131", adj.discount);
  ro.put("C132", adj.surcharge);
  ro.flush();
  store::write_seal(ro);
  store::G_DESTRAVA(ctx, ro);
  ro.commit();
}

void refresh_grand_total(Ctx& ctx) {
  ctx.g.VATUAL_GT_VENDA_BRUTA = "S";
  store::GERA_MD5_ARQUIVOS_TXT(ctx);
  ctx.g.VATUAL_GT_VENDA_BRUTA = "N";
}

// The earlier run's stock intent for the receipt line at `line`, if any.
const StockIntent* intent_of(const Run& run, std::uint32_t line) {
  if (!run.resume) return nullptr;
  for (const StockIntent& i : run.resume->stock)
    if (i.recno == line) return &i;
  return nullptr;
}

// Each line's change is announced in the journal before it is made and
// marked after; a line announced but not marked is made only when the
// item's stock is not already what the announcement said it would become.
void lower_stock(Run& run) {
  Ctx& ctx = run.ctx;
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& pc = ctx.db.area("PC");
  xbase::Table& it = ctx.db.area("IT");
  const xbase::Position kept = it.position();
  const runtime::Date today = ctx.clock.now().date;
  const Text key = ro.text("C037") + ro.text("C123") + ro.text("C125");
  const Text time = ro.text("C403");
  const runtime::Date day = ro.date("C402");
  pc.set_order(1);
  it.set_order(1);
  if (pc.seek(key)) {
    for (; !pc.eof() && pc.text("C037") + pc.text("C123") + pc.text("C125") == key; pc.skip()) {
      if (pc.text("C138") != "A" || pc.date("C402") != day || pc.text("C403") != time) continue;
      const std::string step = "IT:" + std::to_string(pc.recno());
      if (run.done(step) || !it.seek(pc.text("C012"))) continue;
      store::wait_for_record_lock(ctx, it);
      const Decimal quantity = pc.number("C133");
      const Decimal before = it.number("C837");
      const StockIntent* earlier = intent_of(run, pc.recno());
      if (!(earlier && before == earlier->after)) {
        run.journal.stock_intent({pc.recno(), before, before - quantity});
        store::move_item_stock(it, Decimal(0) - quantity, today);
      }
      store::G_DESTRAVA(ctx, it);
      it.flush();
      run.finished(step);
    }
  }
  it.restore(kept);
}

// The receipt's payment record, written by an earlier run.
bool payment_written(Ctx& ctx) {
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& y2 = ctx.db.area("Y2");
  y2.set_order(0);
  for (y2.go_bottom(); !y2.bof(); y2.skip(-1)) {
    if (y2.text("C037") == ro.text("C037") && y2.text("C123") == ro.text("C123") &&
        y2.text("C125") == ro.text("C125") && y2.date("C402") == ro.date("C402") &&
        y2.text("C403") == ro.text("C403") && y2.text("C451") == "01")
      return true;
  }
  return false;
}

void append_payment(Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& y2 = ctx.db.area("Y2");
  y2.append_blank();
  for (const char* f : {"C037", "C123", "C125", "C403", "C245"}) y2.put(f, ro.text(f));
  y2.put("C402", ro.date("C402"));
  y2.put("NUMERSERIE", g.VNUMSERIEIMPRESSORA);
  y2.put("C451", "01");
  y2.put("C254", g.VCODIGMEIO);
  y2.put("C255", g.VDESCRMEIO);
  // What the customer actually paid for the receipt; the change is apart.
  y2.put("C361", g.WTOTALVALOR);
  y2.put("C260", ro.text("C131D"));
  y2.put("C261", ro.number("C131"));
  y2.put("TROCO", g.WTROCO);
  y2.put("C264", "000000");
  audit(ctx, y2);
  y2.flush();
  store::write_seal(y2);
  store::G_DESTRAVA(ctx, y2);
  y2.commit();
}

Text card_document_number(Ctx& ctx) {
  return strzero(runtime::val(ctx.db.area("RO").text("C125")) + 1, 6);
}

bool card_document_written(Ctx& ctx) {
  const Text number = card_document_number(ctx);
  xbase::Table& y4 = ctx.db.area("Y4");
  y4.set_order(0);
  for (y4.go_bottom(); !y4.bof(); y4.skip(-1)) {
    if (y4.text("NROCOO") == number && y4.text("SIMBOLO") == "CC" && runtime::trim(y4.text("PDV")) == runtime::trim(ctx.g.WMAQUINA) &&
        runtime::trim(y4.text("NUMERSERIE")) == runtime::trim(ctx.g.VNUMSERIEIMPRESSORA))
      return true;
  }
  return false;
}

void append_card_document(Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const cash::DocumentNumbers n = cash::read_document_numbers(ctx);
  xbase::Table& y4 = ctx.db.area("Y4");
  y4.append_blank();
  y4.put("PDV", g.WMAQUINA);
  y4.put("DATA", ctx.clock.now().date);
  y4.put("NROCOO", card_document_number(ctx));
  y4.put("NUMERSERIE", g.VNUMSERIEIMPRESSORA);
  y4.put("NROGNF", strzero(n.gnf, 6));
  y4.put("NROGRG", "000000");
  y4.put("NROCDC", strzero(n.cdc, 6));
  y4.put("TAM_COLUNA", g.WCOL);
  y4.put("SIMBOLO", "CC");
  y4.put("DATARODAPE", n.foot_date);
  y4.put("HORARODAPE", n.foot_time);
  y4.put("DESCRMEMO", "");
  audit(ctx, y4);
  y4.flush();
  store::write_seal(y4);
  store::G_DESTRAVA(ctx, y4);
  y4.commit();
}

bool movement_written(Ctx& ctx, const char* kind) {
  const core::Globals& g = ctx.g;
  const Text number = ctx.db.area("RO").text("C125");
  xbase::Table& mv = ctx.db.area("MV");
  mv.set_order(0);
  for (mv.go_bottom(); !mv.bof(); mv.skip(-1)) {
    if (runtime::trim(mv.text("C090")) == number && mv.text("C130") == kind && mv.text("C125") == "6" &&
        runtime::trim(mv.text("C101")) == runtime::trim(g.WCAIXACODIG + g.WABERTCAIXA))
      return true;
  }
  return false;
}

struct CashAmount {
  Decimal amount;
  const char* kind;
};

void append_cash_movements(Run& run, const std::vector<CashAmount>& amounts) {
  Ctx& ctx = run.ctx;
  const core::Globals& g = ctx.g;
  const xbase::Table& ro = ctx.db.area("RO");
  const runtime::Date today = ctx.clock.now().date;
  const Text number = ro.text("C125");
  for (const auto& [amount, kind] : amounts) {
    const std::string step = std::string("MV:") + kind;
    if (amount <= Decimal(0) || run.done(step)) continue;
    if (!(run.maybe_begun() && movement_written(ctx, kind))) {
      const Decimal movement = cash::next_movement_number(ctx);
      xbase::Table& mv = ctx.db.area("MV");
      mv.append_blank();
      mv.put("C096", today);
      mv.put("C091", "VENDA " + today.text() + " CUPOM " + number);
      mv.put("C076", amount);
      mv.put("C036", ro.text("C036"));
      mv.put("C037", ro.text("C037"));
      mv.put("C130", kind);
      mv.put("C083", g.WCAIXACODIG);
      mv.put("C077", strzero(movement, 6));
      mv.put("C094", "C");
      mv.put("C093", runtime::right(today.text(), 4));
      mv.put("C090", number);
      mv.put("C101", g.WCAIXACODIG + g.WABERTCAIXA);
      mv.put("C125", "6");
      audit(ctx, mv);
      store::G_DESTRAVA(ctx, mv);
      mv.commit();
    }
    run.finished(step);
  }
}

void append_instalments(Run& run) {
  Ctx& ctx = run.ctx;
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& p2 = ctx.db.area("P2");
  xbase::Table& cr = ctx.db.area("CR");
  cr.set_order(1);
  const Text key = ro.text("C037") + ro.text("C123") + ro.text("C125") + ro.date("C402").dtos() + ro.text("C403");
  for (p2.go_top(); !p2.eof(); p2.skip()) {
    const std::string step = "CR:" + p2.text("C451");
    if (run.done(step)) continue;
    if (!(run.maybe_begun() && cr.seek(key + p2.text("C451")))) {
      cr.append_blank();
      for (const char* f : {"C037", "C123", "C125", "C129", "C403", "NUMERSERIE"}) cr.put(f, ro.text(f));
      cr.put("C128", ro.date("C128"));
      cr.put("C402", ro.date("C402"));
      for (const char* f : {"C451", "C452", "C130"}) cr.put(f, p2.text(f));
      cr.put("C453", p2.date("C453"));
      cr.put("C454", p2.number("C454"));
      cr.put("C700", p2.number("C700"));
      store::G_DESTRAVA(ctx, cr);
      cr.commit();
    }
    run.finished(step);
  }
}

// A setting the payment screen keeps, by name.
Decimal number_setting(core::Globals& g, const char* name) {
  const auto ref = g.find(name);
  if (!ref) return Decimal(0);
  if (auto* n = std::get_if<Decimal*>(&*ref)) return **n;
  return Decimal(0);
}
Text text_setting(core::Globals& g, const char* name) {
  const auto ref = g.find(name);
  if (!ref) return Text();
  if (auto* t = std::get_if<Text*>(&*ref)) return **t;
  return Text();
}

// A credit sale whose instalments were not made still owes its amount: it
// becomes one receivable due today rather than vanishing from the books.
void append_single_receivable(Run& run, const Decimal& amount) {
  Ctx& ctx = run.ctx;
  if (amount <= Decimal(0) || run.done("CR:01")) return;
  const xbase::Table& ro = ctx.db.area("RO");
  xbase::Table& cr = ctx.db.area("CR");
  cr.set_order(1);
  const Text key = ro.text("C037") + ro.text("C123") + ro.text("C125") + ro.date("C402").dtos() + ro.text("C403");
  if (!(run.maybe_begun() && cr.seek(key + "01"))) {
    cr.append_blank();
    for (const char* f : {"C037", "C123", "C125", "C129", "C403", "NUMERSERIE"}) cr.put(f, ro.text(f));
    cr.put("C128", ro.date("C128"));
    cr.put("C402", ro.date("C402"));
    cr.put("C451", "01");
    cr.put("C452", runtime::trim(runtime::str(runtime::val(ro.text("C125")), 12)));
    cr.put("C130", text_setting(ctx.g, "W_NTIPDOCU"));
    cr.put("C453", ctx.clock.now().date);
    cr.put("C454", amount);
    cr.put("C700", amount);
    store::G_DESTRAVA(ctx, cr);
    cr.commit();
  }
  run.finished("CR:01");
}

void empty_work_tables(Ctx& ctx) {
  for (const char* alias : {"IO", "Y3", "P2"}) ctx.db.area(alias).zap();
}

bool has_instalments(Ctx& ctx) {
  xbase::Table& p2 = ctx.db.area("P2");
  p2.go_top();
  return !p2.eof();
}

}  // namespace

void record_closed_receipt(Ctx& ctx, char letter, const RecordingProbe& probe, const JournalState* resume) {
  core::Globals& g = ctx.g;
  Run run{ctx, ReceiptJournal(ctx), probe, resume};
  if (!resume) {
    run.journal.begin(letter, true);
    if (g.WGAVETA == "S") ecf::IMP_FISCAL(ctx, "GAVETA");
  }
  g.VCODIGMEIO = Text(1, letter) + "   ";
  if (!run.done("NV")) {
    mark_counters_closed(ctx);
    run.finished("NV");
  }
  if (!run.done("RO")) {
    close_receipt_record(ctx, letter);
    run.finished("RO");
  }
  // Every later step reads the receipt's record.
  if (!seek_open_receipt(ctx)) throw std::runtime_error("the closed receipt's record is not in RO");
  if (!run.done("GT")) {
    refresh_grand_total(ctx);
    run.finished("GT");
  }
  lower_stock(run);
  if (!run.done("Y2")) {
    if (!(run.maybe_begun() && payment_written(ctx))) append_payment(ctx);
    run.finished("Y2");
  }
  if ((letter == 'A' || letter == 'a') && !run.done("Y4")) {
    if (!(run.maybe_begun() && card_document_written(ctx))) append_card_document(ctx);
    run.finished("Y4");
  }
  // Cash when the sale was cash, or when nothing asked about credit and no
  // instalment was made: a plain sale is money in the drawer.
  if (g.W_VISTA == "V" || (g.W_VISTA != "P" && !has_instalments(ctx))) {
    append_cash_movements(run, {{g.NPAGOD, "DI"}, {g.NPAGOC, "CH"}, {g.NPAGOT, "TI"}});
  } else {
    // The down payment is money taken now; the rest is owed.
    const Decimal down = number_setting(g, "W_NENTRADA");
    append_cash_movements(run, {{down, "DI"}});
    if (has_instalments(ctx)) {
      append_instalments(run);
    } else {
      append_single_receivable(run, g.WTOTALVALOR - down);
    }
  }
  ctx.db.commit_all();
  empty_work_tables(ctx);
  if (probe) probe("WORK");
  run.journal.finish();
}

void GRAVA_CUPOM(Ctx& ctx, char letter) { record_closed_receipt(ctx, letter, {}); }

}  // namespace zelto::sales
