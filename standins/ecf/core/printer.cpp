#include "ecf/core/printer.hpp"

namespace zelto::ecfsim {

Printer::Printer(FiscalMemory& m, const Environment& env, Output& out)
    : m_(m), env_(env), now_(m.clock.now(env.computer)), out_(out) {}

void Printer::tick() {
  if (!m_.day.open || m_.receipt || m_.doc.kind != OpenDoc::None || env_.paper == Faults::Paper::End) return;
  // The movement may run into the small hours; from 02:00 of the next day
  // the printer closes it by itself.
  DateTime cutoff{m_.day.movement.plus_days(1), 2, 0, 0};
  if (now_ >= cutoff) make_z(true);
}

bool Printer::z_done_today() const {
  return !m_.day.open && !m_.zs.empty() && m_.zs.back().movement == now_.date;
}

Outcome Printer::paper_for_printing() const {
  if (env_.paper == Faults::Paper::End) return Outcome::refused(st1::kPaperEnd, 0, "sem papel");
  return Outcome::done();
}

Outcome Printer::start_document(Doc kind) {
  if (auto p = paper_for_printing(); !p.ok()) return p;
  if (m_.receipt) return Outcome::refused(st1::kReceiptOpen, 0, "cupom fiscal aberto");
  if (m_.doc.kind != OpenDoc::None)
    return Outcome::refused(0, st2::kNotExecuted, "documento nao fiscal aberto");
  bool sale_day = kind == Doc::Receipt || kind == Doc::Report || kind == Doc::Linked || kind == Doc::NonFiscal ||
                  kind == Doc::XReading;
  if (sale_day && !m_.day.open) {
    if (z_done_today()) return Outcome::refused(0, st2::kNotExecuted, "reducao Z do dia ja emitida");
    if (day_must_be_opened()) {
      // An X reading prints without opening the day; the rest need it open.
      if (kind != Doc::XReading) return Outcome::refused(0, st2::kNotExecuted, "jornada fiscal nao aberta");
    } else {
      open_movement();
    }
  }
  if (kind != Doc::Linked) m_.last_cancellable = false;
  return Outcome::done();
}

void Printer::open_movement() {
  m_.day = Day{};
  m_.day.open = true;
  m_.day.movement = now_.date;
  m_.day.first_coo = next(m_.coo);
  m_.day.gt_start = m_.gt;
}

void Printer::print_header(const std::string& title, int coo, int ccf) {
  Paper& p = out_.paper;
  for (const auto& h : m_.header) p.centre(h);
  p.rule();
  p.line(document_line(now_, coo, ccf));
  p.centre(title);
  m_.last_document = now_;
}

void Printer::print_footer() {
  Paper& p = out_.paper;
  p.rule();
  p.left_right("ecfsim " + make_code(m_.make) + " ECF-IF", "ECF:" + digits(m_.user, 3));
  p.left_right("FAB:" + m_.serial, printed(now_));
  p.line();
  m_.last_document = now_;
}

Outcome Printer::settings_allowed(const char* what) const {
  if (m_.receipt || m_.doc.kind != OpenDoc::None)
    return Outcome::refused(m_.receipt ? st1::kReceiptOpen : 0, st2::kNotExecuted, "documento aberto");
  if (m_.day.open)
    return Outcome::refused(0, st2::kNotExecuted,
                            std::string(what) + " so apos a reducao Z ou antes de qualquer operacao no dia");
  return Outcome::done();
}

std::optional<std::pair<TotaliserKey, int>> Printer::totaliser_for(const std::string& tax) const {
  std::string t = upper(trim(tax));
  if (t == "FF" || t == "F" || t == "F1") return std::pair<TotaliserKey, int>{"FF", 0};
  if (t == "II" || t == "I" || t == "I1") return std::pair<TotaliserKey, int>{"II", 0};
  if (t == "NN" || t == "N" || t == "N1") return std::pair<TotaliserKey, int>{"NN", 0};
  // "1800" names a rate by value, ICMS before ISS; "T1800" and "S0500" say which.
  char kind = 0;
  if (t.size() == 5 && (t[0] == 'T' || t[0] == 'S')) {
    kind = t[0];
    t = t.substr(1);
  }
  auto value = t.size() == 4 ? parse_digits(t, 4) : std::nullopt;
  if (!value) return std::nullopt;
  for (int pass = 0; pass < 2; ++pass) {
    bool iss = pass == 1;
    if ((kind == 'T' && iss) || (kind == 'S' && !iss)) continue;
    for (std::size_t k = 0; k < m_.rates.size(); ++k)
      if (m_.rates[k].hundredths == *value && m_.rates[k].iss == iss)
        return std::pair<TotaliserKey, int>{digits(static_cast<int>(k) + 1, 2), static_cast<int>(*value)};
  }
  return std::nullopt;
}

}  // namespace zelto::ecfsim
