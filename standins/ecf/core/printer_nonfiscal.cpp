// Documents that are not fiscal receipts: withdrawals and supplies, the
// management report with free text, the receipt linked to a card or cheque
// payment of the last fiscal receipt; and the cash drawer.

#include "ecf/core/printer.hpp"

namespace zelto::ecfsim {

Outcome Printer::open_drawer() {
  ++m_.drawer_openings;
  return Outcome::done();
}

Outcome Printer::withdrawal(Cents amount) {
  if (amount <= 0) return Outcome::bad("valor invalido");
  if (auto o = start_document(Doc::NonFiscal); !o.ok()) return o;
  m_.coo = next(m_.coo);
  m_.gnf = next(m_.gnf);
  print_header("COMPROVANTE NAO FISCAL", m_.coo);
  out_.paper.left_right("GNF:" + digits(m_.gnf, 6), "");
  out_.paper.left_right("SANGRIA R$", money(amount));
  print_footer();
  m_.day.totals.withdrawals += amount;
  return Outcome::done();
}

Outcome Printer::supply(Cents amount, const std::string& form) {
  if (amount <= 0) return Outcome::bad("valor invalido");
  const PaymentForm* f = m_.form(form);
  if (!f) return Outcome::failed(Refusal::FormNotProgrammed, "forma de pagamento nao programada: " + trim(form));
  if (auto o = start_document(Doc::NonFiscal); !o.ok()) return o;
  m_.coo = next(m_.coo);
  m_.gnf = next(m_.gnf);
  print_header("COMPROVANTE NAO FISCAL", m_.coo);
  out_.paper.left_right("GNF:" + digits(m_.gnf, 6), "");
  out_.paper.left_right("SUPRIMENTO R$", money(amount));
  out_.paper.left_right(f->name, money(amount));
  print_footer();
  m_.day.totals.supplies += amount;
  return Outcome::done();
}

Outcome Printer::open_report() {
  if (m_.doc.kind == OpenDoc::Report) return Outcome::done();
  if (auto o = start_document(Doc::Report); !o.ok()) return o;
  m_.coo = next(m_.coo);
  m_.gnf = next(m_.gnf);
  m_.grg = next(m_.grg);
  print_header("RELATORIO GERENCIAL", m_.coo);
  out_.paper.left_right("GNF:" + digits(m_.gnf, 6), "GRG:" + digits(m_.grg, 6));
  out_.paper.rule();
  m_.doc = NonFiscalDoc{OpenDoc::Report, m_.coo};
  return Outcome::done();
}

Outcome Printer::report_text(const std::string& text) {
  if (m_.doc.kind == OpenDoc::Linked) return Outcome::refused(0, st2::kNotExecuted, "comprovante vinculado aberto");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  if (m_.doc.kind != OpenDoc::Report)
    if (auto o = open_report(); !o.ok()) return o;
  out_.paper.text(text);
  return Outcome::done();
}

Outcome Printer::close_report() {
  if (m_.doc.kind == OpenDoc::None) return Outcome::refused(0, st2::kNotExecuted, "nenhum relatorio aberto");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  print_footer();
  m_.doc = {};
  return Outcome::done();
}

Outcome Printer::open_linked(const std::string& form, Cents amount, std::optional<int> coo) {
  const PaymentForm* f = m_.form(form);
  if (!f) return Outcome::failed(Refusal::FormNotProgrammed, "forma de pagamento nao programada: " + trim(form));
  if (amount <= 0) return Outcome::bad("valor invalido");
  if (auto o = start_document(Doc::Linked); !o.ok()) return o;
  // The slip belongs to the last fiscal receipt, to one of its payments in a
  // form that admits slips, for no more than that payment has left.
  if (!m_.last || m_.last->phase != Phase::Closed || (coo && *coo != m_.last->coo) ||
      m_.last->coo < m_.day.first_coo)
    return Outcome::refused(0, st2::kNotExecuted, "cupom vinculado inexistente");
  if (!f->linked) return Outcome::refused(0, st2::kNotExecuted, "forma de pagamento nao admite vinculado");
  Payment* pay = nullptr;
  for (auto& p : m_.last->payments)
    if (same_name(p.form, f->name) && p.amount - p.linked >= amount) {
      pay = &p;
      break;
    }
  if (!pay) return Outcome::refused(0, st2::kNotExecuted, "pagamento vinculado inexistente");
  pay->linked += amount;
  m_.coo = next(m_.coo);
  m_.gnf = next(m_.gnf);
  m_.cdc = next(m_.cdc);
  print_header("COMPROVANTE CREDITO OU DEBITO", m_.coo);
  Paper& p = out_.paper;
  p.left_right("GNF:" + digits(m_.gnf, 6), "CDC:" + digits(m_.cdc, 4));
  p.left_right("COO do documento vinculado:", digits(m_.last->coo, 6));
  p.left_right(f->name, money(amount));
  p.rule();
  m_.doc = NonFiscalDoc{OpenDoc::Linked, m_.coo};
  return Outcome::done();
}

Outcome Printer::linked_text(const std::string& text) {
  if (m_.doc.kind != OpenDoc::Linked) return Outcome::refused(0, st2::kNotExecuted, "nenhum comprovante aberto");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  out_.paper.text(text);
  return Outcome::done();
}

Outcome Printer::close_linked() {
  if (m_.doc.kind != OpenDoc::Linked) return Outcome::refused(0, st2::kNotExecuted, "nenhum comprovante aberto");
  return close_report();
}

}  // namespace zelto::ecfsim
