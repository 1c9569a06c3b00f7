// The fiscal day: its explicit opening, the X reading, the Z reduction that
// closes it (commanded, or by the printer itself on the next day), reset.

#include "ecf/core/printer.hpp"
#include "ecf/core/reports.hpp"

namespace zelto::ecfsim {

namespace {

DaySummary summary_of(const FiscalMemory& m) {
  const Totals& t = m.day.totals;
  return DaySummary{t, m.rates, m.day.open ? m.day.gt_start : m.gt, m.gt, m.coo, m.ccf, m.gnf, m.grg, m.cdc, m.crz,
                    m.cro};
}

}  // namespace

Outcome Printer::open_day() {
  if (m_.receipt) return Outcome::refused(st1::kReceiptOpen, 0, "cupom fiscal aberto");
  if (m_.doc.kind != OpenDoc::None) return Outcome::refused(0, st2::kNotExecuted, "documento nao fiscal aberto");
  if (m_.day.open) return Outcome::refused(0, st2::kNotExecuted, "jornada fiscal ja aberta");
  if (z_done_today()) return Outcome::refused(0, st2::kNotExecuted, "reducao Z do dia ja emitida");
  open_movement();
  return Outcome::done();
}

Outcome Printer::x_reading() {
  if (auto o = start_document(Doc::XReading); !o.ok()) return o;
  m_.coo = next(m_.coo);
  print_header("LEITURA X", m_.coo);
  if (m_.day.open) out_.paper.line("MOVIMENTO DE " + format_date(m_.day.movement, DateForm::DD_MM_YYYY));
  print_day_summary(out_.paper, summary_of(m_));
  print_footer();
  return Outcome::done();
}

Outcome Printer::x_reading_to_file() {
  Paper p;
  for (const auto& h : m_.header) p.centre(h);
  p.rule();
  p.left_right(printed(now_), "FAB:" + m_.serial);
  p.centre("LEITURA X");
  print_day_summary(p, summary_of(m_));
  out_.files.emplace_back("retorno.txt", as_file(p.lines()));
  return Outcome::done();
}

Outcome Printer::z_reduction() {
  if (auto o = paper_for_printing(); !o.ok()) return o;
  if (m_.receipt) return Outcome::refused(st1::kReceiptOpen, 0, "cupom fiscal aberto");
  if (m_.doc.kind != OpenDoc::None) return Outcome::refused(0, st2::kNotExecuted, "documento nao fiscal aberto");
  if (z_done_today()) return Outcome::refused(0, st2::kNotExecuted, "reducao Z do dia ja emitida");
  make_z(false);
  return Outcome::done();
}

void Printer::make_z(bool automatic) {
  // A reduction on a day without movement still closes the day, with zeros.
  if (!m_.day.open) open_movement();
  m_.coo = next(m_.coo);
  m_.crz = next(m_.crz);
  ZRecord z;
  z.crz = m_.crz;
  z.coo = m_.coo;
  z.cro = m_.cro;
  z.ccf = m_.ccf;
  z.gnf = m_.gnf;
  z.grg = m_.grg;
  z.cdc = m_.cdc;
  z.movement = m_.day.movement;
  z.made = now_;
  z.automatic = automatic;
  z.gt_start = m_.day.gt_start;
  z.gt_end = m_.gt;
  z.rates = m_.rates;
  z.totals = m_.day.totals;
  print_header(automatic ? "REDUCAO Z AUTOMATICA" : "REDUCAO Z", z.coo);
  out_.paper.line("MOVIMENTO DE " + format_date(z.movement, DateForm::DD_MM_YYYY));
  print_day_summary(out_.paper, summary_of(m_));
  print_footer();
  m_.zs.push_back(std::move(z));
  m_.day = Day{};
  m_.last_cancellable = false;
}

Outcome Printer::reset() {
  // A report or slip left open is closed; an open fiscal receipt stays open.
  if (m_.doc.kind != OpenDoc::None) {
    if (auto o = paper_for_printing(); !o.ok()) return o;
    print_footer();
    m_.doc = {};
  }
  return Outcome::done();
}

}  // namespace zelto::ecfsim
