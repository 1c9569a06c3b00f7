// What the fiscal menu programs: payment forms, tax rates, daylight-saving
// time, rounding or truncation, the currency symbol; and the choices the
// makers' libraries keep in their registry.

#include "ecf/core/printer.hpp"

namespace zelto::ecfsim {

Outcome Printer::program_form(const std::string& name, bool linked) {
  std::string n = trim(name);
  if (n.empty() || n.size() > 16) return Outcome::bad("descricao da forma de pagamento invalida");
  if (m_.receipt || m_.doc.kind != OpenDoc::None)
    return Outcome::refused(m_.receipt ? st1::kReceiptOpen : 0, st2::kNotExecuted, "documento aberto");
  // Programming a form the printer already has changes nothing and is no
  // error: the program programs its whole list at every daily opening.
  if (m_.form(n)) return Outcome::done();
  if (m_.forms.size() >= kMaxForms) return Outcome::refused(0, st2::kNotExecuted, "formas de pagamento esgotadas");
  m_.forms.push_back(PaymentForm{n, linked});
  return Outcome::done();
}

Outcome Printer::program_rate(int value, bool iss) {
  if (value < 0 || value > 9999) return Outcome::bad("aliquota invalida");
  if (auto o = settings_allowed("programacao de aliquota"); !o.ok()) return o;
  if (m_.rates.size() >= kRateSlots)
    return Outcome::refused(0, st2::kRatesFull, "capacidade de aliquotas esgotada");
  m_.rates.push_back(TaxRate{value, iss});
  return Outcome::done();
}

Outcome Printer::toggle_summer_time() {
  if (auto o = settings_allowed("horario de verao"); !o.ok()) return o;
  // Entering summer time puts the clock an hour forward; leaving puts it back.
  m_.summer_time = !m_.summer_time;
  m_.clock.shift(m_.summer_time ? 3600 : -3600);
  return Outcome::done();
}

Outcome Printer::set_truncation(bool truncate) {
  if (auto o = settings_allowed("arredondamento/truncamento"); !o.ok()) return o;
  m_.truncate = truncate;
  return Outcome::done();
}

Outcome Printer::set_currency(const std::string& symbol) {
  std::string s = trim(symbol);
  if (s.empty() || s.size() > 2) return Outcome::bad("simbolo da moeda invalido");
  if (auto o = settings_allowed("simbolo da moeda"); !o.ok()) return o;
  m_.currency = s;
  return Outcome::done();
}

Outcome Printer::set_complete_readings(bool complete) {
  m_.complete_readings = complete;
  return Outcome::done();
}

Outcome Printer::set_app_message(int which, const std::string& text) {
  (which == 1 ? m_.app_message1 : m_.app_message2) = trim(text);
  return Outcome::done();
}

}  // namespace zelto::ecfsim
