// The fiscal memory for people: `ecfsim show`.

#include <sstream>

#include "ecf/core/reports.hpp"
#include "ecf/tool/commands.hpp"

namespace zelto::ecfsim::tool {

namespace {

std::string utf8(const std::string& s) { return to_utf8(s); }

void receipt(const Receipt& r, const FiscalMemory& m, std::ostream& out) {
  out << "  COO " << digits(r.coo, 6) << "  CCF " << digits(r.ccf, 6) << "  opened " << printed(r.opened)
      << "  phase " << phase_name(r.phase) << "\n";
  for (const auto& i : r.items)
    out << "  " << digits(i.number, 3) << " " << utf8(i.code) << " " << utf8(i.description) << "  "
        << thousandths(i.quantity) << " " << utf8(i.unit) << " x " << money(i.unit_price / 10) << "  "
        << totaliser_label(i.totaliser, m.rates) << "  " << money(i.amount) << (i.cancelled ? "  CANCELLED" : "")
        << "\n";
  if (r.adjustment != 0) out << "  " << (r.adjustment < 0 ? "discount " : "surcharge ") << money(r.adjustment) << "\n";
  out << "  total " << money(r.total()) << "  paid " << money(r.paid()) << "\n";
  for (const auto& p : r.payments) out << "  paid " << utf8(p.form) << " " << money(p.amount) << "\n";
}

}  // namespace

std::string describe_faults(const Faults& f) {
  std::ostringstream o;
  o << "paper " << (f.paper == Faults::Paper::Ok ? "ok" : f.paper == Faults::Paper::Low ? "low" : "end");
  if (f.after > 0) o << "; after " << f.after << " command(s):";
  if (f.power_loss) o << "; power loss at the next command";
  if (f.comm != 0) o << "; no answer " << (f.comm < 0 ? std::string("until cleared") : "to " + std::to_string(f.comm));
  if (f.fail > 0) o << "; " << f.fail << " command(s) fail with " << f.fail_code;
  if (f.lose > 0) o << "; " << f.lose << " answer(s) lost (" << (f.lose_zero ? "return 0" : "blank success") << ")";
  return o.str();
}

void describe(const FiscalMemory& m, const DateTime& now, std::ostream& out) {
  out << "make " << make_code(m.make) << "  serial " << utf8(m.serial) << "  user " << digits(m.user, 2) << "\n";
  out << "clock " << printed(now) << "  (" << m.clock.describe() << ")"
      << (m.summer_time ? "  summer time" : "") << "\n";
  out << "COO " << digits(m.coo, 6) << "  CCF " << digits(m.ccf, 6) << "  GNF " << digits(m.gnf, 6) << "  GRG "
      << digits(m.grg, 6) << "  CDC " << digits(m.cdc, 4) << "  CRZ " << digits(m.crz, 4) << "  CRO "
      << digits(m.cro, 4) << "\n";
  out << "grand total " << money(m.gt) << "\n";
  if (m.day.open) {
    const Totals& t = m.day.totals;
    out << "day open, movement " << format_date(m.day.movement, DateForm::DD_MM_YYYY) << ": gross " << money(t.gross)
        << "  cancelled " << money(t.cancellations) << "  discounts " << money(t.discounts) << "  surcharges "
        << money(t.surcharges) << "  withdrawals " << money(t.withdrawals) << "  supplies " << money(t.supplies)
        << "\n";
  } else {
    bool done = !m.zs.empty() && m.zs.back().movement == now.date;
    out << "day closed" << (done ? " (Z of today done)" : "") << "\n";
  }
  if (!m.zs.empty()) {
    const ZRecord& z = m.zs.back();
    out << "last Z: CRZ " << digits(z.crz, 4) << "  COO " << digits(z.coo, 6) << "  movement "
        << format_date(z.movement, DateForm::DD_MM_YYYY) << "  made " << printed(z.made)
        << (z.automatic ? " (automatic)" : "") << "  gross " << money(z.totals.gross) << "\n";
  }
  out << "rates:";
  for (std::size_t k = 0; k < m.rates.size(); ++k)
    out << "  " << (m.rates[k].iss ? "S" : "T") << digits(static_cast<int>(k) + 1, 2) << " "
        << hundredths(m.rates[k].hundredths) << "%";
  out << "\n" << (m.truncate ? "truncation" : "rounding") << "  currency " << utf8(m.currency) << "\n";
  out << "payment forms:";
  for (const auto& f : m.forms) out << "  " << utf8(f.name) << (f.linked ? " (slip)" : "");
  out << "\n";
  if (m.receipt) {
    out << "receipt open:\n";
    receipt(*m.receipt, m, out);
  } else if (m.last) {
    out << "last receipt (" << (m.last_cancellable ? "may be cancelled" : "may not be cancelled") << "):\n";
    receipt(*m.last, m, out);
  }
  if (m.doc.kind != OpenDoc::None)
    out << (m.doc.kind == OpenDoc::Report ? "management report" : "linked receipt") << " open, COO "
        << digits(m.doc.coo, 6) << "\n";
  const LastCommand& c = m.last_command;
  if (!c.answered || c.refusal != Refusal::None) out << "last command: " << (c.answered ? utf8(c.why) : "no answer") << "\n";
  out << "drawer opened " << m.drawer_openings << " time(s)\n";
}

}  // namespace zelto::ecfsim::tool
