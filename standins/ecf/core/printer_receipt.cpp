// The fiscal receipt: open, items, subtotal with its discount or surcharge,
// payments, close; item and receipt cancellations.

#include "ecf/core/printer.hpp"

namespace zelto::ecfsim {

namespace {

Outcome no_receipt() { return Outcome::refused(0, st2::kNotExecuted, "nenhum cupom fiscal aberto"); }

std::string tax_label(const Item& i, const std::vector<TaxRate>& rates) {
  if (i.totaliser == "FF") return "F1";
  if (i.totaliser == "II") return "I1";
  if (i.totaliser == "NN") return "N1";
  auto slot = parse_digits(i.totaliser, 2).value_or(1);
  bool iss = slot >= 1 && static_cast<std::size_t>(slot) <= rates.size() && rates[slot - 1].iss;
  return std::string(iss ? "S" : "T") + hundredths(i.rate) + "%";
}

std::string unit_price_text(Milli price) { return price % 10 == 0 ? money(price / 10) : thousandths(price); }

// What each form took in a receipt: the change comes out of the last payment.
std::map<std::string, Cents> form_amounts(const Receipt& r) {
  std::map<std::string, Cents> out;
  for (const auto& p : r.payments) out[p.form] += p.amount;
  Cents change = r.paid() - r.total();
  if (change > 0 && !r.payments.empty()) out[r.payments.back().form] -= change;
  return out;
}

// The receipt's net amount per totaliser: the items, and the discount or
// surcharge shared among them in proportion, the last one taking what the
// shares leave.
std::map<TotaliserKey, Cents> split_of(const Receipt& r) {
  std::map<TotaliserKey, Cents> gross;
  for (const auto& i : r.items)
    if (!i.cancelled) gross[i.totaliser] += i.amount;
  Cents base = r.items_total(), left = r.adjustment;
  std::map<TotaliserKey, Cents> out;
  std::size_t n = 0;
  for (const auto& [k, v] : gross) {
    ++n;
    Cents share = n == gross.size() ? left : (base == 0 ? 0 : r.adjustment * v / base);
    left -= share;
    out[k] = v + share;
  }
  return out;
}

}  // namespace

Outcome Printer::open_receipt(const std::string& consumer_doc) {
  if (auto o = start_document(Doc::Receipt); !o.ok()) return o;
  m_.coo = next(m_.coo);
  m_.ccf = next(m_.ccf);
  Receipt r;
  r.coo = m_.coo;
  r.ccf = m_.ccf;
  r.opened = now_;
  r.consumer_doc = trim(consumer_doc);
  print_header("CUPOM FISCAL", r.coo, r.ccf);
  Paper& p = out_.paper;
  if (!r.consumer_doc.empty()) p.line("CPF/CNPJ consumidor: " + r.consumer_doc);
  p.line("ITEM CODIGO         DESCRICAO");
  p.left_right("QTD.UN.VL.UNIT(R$)       ST", "VL.ITEM(R$)");
  p.rule();
  m_.receipt = r;
  return Outcome::done();
}

Outcome Printer::sell(const ItemSale& s) {
  if (!m_.receipt) return no_receipt();
  Receipt& r = *m_.receipt;
  if (r.phase != Phase::Items) return Outcome::refused(0, st2::kNotExecuted, "cupom ja totalizado");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  if (trim(s.description).empty()) return Outcome::bad("descricao vazia");
  if (trim(s.code).empty()) return Outcome::bad("codigo vazio");
  if (trim(s.tax).empty()) return Outcome::bad("aliquota vazia");
  if (s.quantity < 0 || s.unit_price < 0 || s.discount < 0 || s.surcharge < 0) return Outcome::bad("valor negativo");
  auto tax = totaliser_for(s.tax);
  if (!tax)
    return Outcome::failed(Refusal::RateNotProgrammed, "aliquota nao programada: " + trim(s.tax),
                           st2::kRateNotProgrammed);
  if (r.items.size() >= 999) return Outcome::refused(0, st2::kNotExecuted, "limite de itens");
  Cents gross = times_to_cents(s.unit_price, s.quantity, m_.truncate);
  if (s.discount > gross) return Outcome::bad("desconto maior que o item");
  Item i;
  i.number = static_cast<int>(r.items.size()) + 1;
  i.code = trim(s.code);
  i.description = trim(s.description);
  i.unit = trim(s.unit);
  i.totaliser = tax->first;
  i.rate = tax->second;
  i.quantity = s.quantity;
  i.unit_price = s.unit_price;
  i.amount = gross - s.discount + s.surcharge;
  r.items.push_back(i);
  m_.gt += gross + s.surcharge;
  m_.day.totals.gross += gross + s.surcharge;
  m_.day.totals.discounts += s.discount;
  m_.day.totals.surcharges += s.surcharge;

  Paper& p = out_.paper;
  p.line(digits(i.number, 3) + " " + i.code + " " + i.description);
  p.left_right("    " + thousandths(i.quantity) + " " + i.unit + " x " + unit_price_text(i.unit_price) + "  " +
                   tax_label(i, m_.rates),
               money(gross));
  if (s.discount > 0) p.left_right("    desconto item", money(-s.discount));
  if (s.surcharge > 0) p.left_right("    acrescimo item", money(s.surcharge));
  return Outcome::done();
}

Outcome Printer::cancel_item(int number) {
  if (!m_.receipt) return no_receipt();
  Receipt& r = *m_.receipt;
  if (r.phase != Phase::Items) return Outcome::refused(0, st2::kNotExecuted, "cupom ja totalizado");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  if (number < 1 || static_cast<std::size_t>(number) > r.items.size()) return Outcome::bad("item inexistente");
  Item& i = r.items[number - 1];
  if (i.cancelled) return Outcome::refused(0, st2::kCancelNotAllowed, "item ja cancelado");
  i.cancelled = true;
  m_.day.totals.cancellations += i.amount;
  out_.paper.left_right("CANCELAMENTO ITEM " + digits(number, 3), money(-i.amount));
  return Outcome::done();
}

Outcome Printer::cancel_last_item() {
  if (!m_.receipt) return no_receipt();
  if (m_.receipt->items.empty()) return Outcome::refused(0, st2::kCancelNotAllowed, "nenhum item vendido");
  return cancel_item(static_cast<int>(m_.receipt->items.size()));
}

Outcome Printer::subtotal(const Adjustment& a) {
  if (!m_.receipt) return no_receipt();
  Receipt& r = *m_.receipt;
  if (r.phase != Phase::Items) return Outcome::refused(0, st2::kNotExecuted, "cupom ja totalizado");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  bool any = false;
  for (const auto& i : r.items) any = any || !i.cancelled;
  if (!any) return Outcome::refused(0, st2::kNotExecuted, "cupom sem itens");
  Cents base = r.items_total();
  if (a.value < 0 || (a.percent && a.value > 9999)) return Outcome::bad("desconto ou acrescimo invalido");
  Cents amount = a.percent ? percent_of(base, a.value, m_.truncate) : a.value;
  if (a.discount && amount > 0 && amount >= base) return Outcome::bad("desconto maior que o subtotal");
  r.adjustment = a.discount ? -amount : amount;
  r.adjust_percent = a.percent ? a.value : 0;
  Paper& p = out_.paper;
  p.rule();
  p.left_right("SUBTOTAL R$", money(base));
  if (amount > 0) {
    std::string label = a.discount ? "DESCONTO" : "ACRESCIMO";
    if (a.percent) label += " " + hundredths(a.value) + "%";
    p.left_right(label, money(r.adjustment));
    if (a.discount) {
      m_.day.totals.discounts += amount;
    } else {
      m_.day.totals.surcharges += amount;
      m_.day.totals.gross += amount;
      m_.gt += amount;
    }
  }
  p.left_right("TOTAL R$", money(r.total()));
  r.phase = r.total() > 0 ? Phase::Payments : Phase::Paid;
  return Outcome::done();
}

Outcome Printer::pay(const std::string& form, Cents amount) {
  if (!m_.receipt) return no_receipt();
  Receipt& r = *m_.receipt;
  if (r.phase == Phase::Items) return Outcome::refused(0, st2::kNotExecuted, "cupom nao totalizado");
  if (r.phase != Phase::Payments) return Outcome::refused(0, st2::kNotExecuted, "pagamento ja completo");
  if (auto o = paper_for_printing(); !o.ok()) return o;
  if (amount <= 0) return Outcome::bad("valor do pagamento invalido");
  const PaymentForm* f = m_.form(form);
  if (!f) return Outcome::failed(Refusal::FormNotProgrammed, "forma de pagamento nao programada: " + trim(form));
  r.payments.push_back(Payment{f->name, amount, 0});
  out_.paper.left_right(f->name, money(amount));
  if (r.paid() >= r.total()) r.phase = Phase::Paid;
  return Outcome::done();
}

Outcome Printer::identify_consumer(const std::string& doc, const std::string& name, const std::string& address) {
  if (!m_.receipt) return no_receipt();
  m_.receipt->consumer_doc = trim(doc);
  m_.receipt->consumer_name = trim(name);
  m_.receipt->consumer_address = trim(address);
  return Outcome::done();
}

Outcome Printer::footer_lines(const std::vector<std::string>& lines) {
  if (!m_.receipt) return no_receipt();
  Receipt& r = *m_.receipt;
  if (r.phase != Phase::Payments && r.phase != Phase::Paid)
    return Outcome::refused(0, st2::kNotExecuted, "cupom nao totalizado");
  r.messages.clear();
  for (const auto& l : lines) r.messages.push_back(trim(l));
  while (!r.messages.empty() && r.messages.back().empty()) r.messages.pop_back();
  return Outcome::done();
}

Outcome Printer::close_receipt(const std::string& message, const std::optional<Closing>& closing) {
  if (!m_.receipt) return no_receipt();
  if (auto o = paper_for_printing(); !o.ok()) return o;
  if (m_.receipt->phase == Phase::Items) {
    // The all-in-one close: totals, takes the one payment, then closes.
    if (!closing) return Outcome::refused(0, st2::kNotExecuted, "cupom nao totalizado");
    if (auto o = subtotal(closing->adjustment.value_or(Adjustment{})); !o.ok()) return o;
    if (m_.receipt->phase == Phase::Payments)
      if (auto o = pay(closing->form, closing->paid); !o.ok()) return o;
  }
  Receipt& r = *m_.receipt;
  // What was paid before stays paid: the close takes nothing more.
  if (r.phase == Phase::Payments)
    return Outcome::failed(Refusal::PaymentNotFinished, "pagamento nao finalizado", st2::kNotExecuted);
  Paper& p = out_.paper;
  Cents change = r.paid() - r.total();
  if (change > 0) p.left_right("TROCO R$", money(change));
  std::vector<std::string> message_lines = lines_of(message, kColumns);
  while (!message_lines.empty() && message_lines.back().empty()) message_lines.pop_back();
  if (!message_lines.empty() || !r.messages.empty()) p.rule();
  for (const auto& l : message_lines) p.line(l);
  for (const auto& l : r.messages) p.text(l);
  if (!r.consumer_doc.empty() || !r.consumer_name.empty() || !r.consumer_address.empty()) {
    p.rule();
    p.centre("CONSUMIDOR");
    if (!r.consumer_doc.empty()) p.line("CPF/CNPJ: " + r.consumer_doc);
    if (!r.consumer_name.empty()) p.text("NOME: " + r.consumer_name);
    if (!r.consumer_address.empty()) p.text("ENDERECO: " + r.consumer_address);
  }
  for (const auto* msg : {&m_.app_message1, &m_.app_message2})
    if (!trim(*msg).empty() && trim(*msg) != ".") p.text("MD-5: " + trim(*msg));
  print_footer();
  finish_receipt();
  return Outcome::done();
}

void Printer::finish_receipt() {
  Receipt r = *m_.receipt;
  r.phase = Phase::Closed;
  r.split = split_of(r);
  Totals& t = m_.day.totals;
  for (const auto& [k, v] : r.split) t.by_totaliser[k] += v;
  for (const auto& [f, v] : form_amounts(r)) t.by_form[f] += v;
  ++t.receipts;
  m_.last = r;
  m_.receipt.reset();
  m_.last_cancellable = true;
}

Outcome Printer::cancel_receipt() {
  if (auto o = paper_for_printing(); !o.ok()) return o;
  Totals& t = m_.day.totals;
  Paper& p = out_.paper;
  if (m_.receipt) {
    Receipt r = *m_.receipt;
    t.cancellations += r.total();
    ++t.cancelled_receipts;
    p.rule();
    p.centre("CUPOM FISCAL CANCELADO");
    p.left_right("TOTAL CANCELADO R$", money(r.total()));
    print_footer();
    r.phase = Phase::Cancelled;
    m_.last = r;
    m_.receipt.reset();
    m_.last_cancellable = false;
    return Outcome::done();
  }
  if (!m_.last_cancellable || !m_.last || m_.last->phase != Phase::Closed || m_.doc.kind != OpenDoc::None)
    return Outcome::refused(0, st2::kCancelNotAllowed, "cancelamento nao permitido");
  Receipt& r = *m_.last;
  m_.coo = next(m_.coo);
  print_header("CANCELAMENTO DE CUPOM FISCAL", m_.coo);
  p.left_right("COO do cupom cancelado:", digits(r.coo, 6));
  p.left_right("CCF do cupom cancelado:", digits(r.ccf, 6));
  p.left_right("VALOR CANCELADO R$", money(r.total()));
  print_footer();
  t.cancellations += r.total();
  ++t.cancelled_receipts;
  for (const auto& [k, v] : r.split) t.by_totaliser[k] -= v;
  for (const auto& [f, v] : form_amounts(r)) t.by_form[f] -= v;
  r.phase = Phase::Cancelled;
  m_.last_cancellable = false;
  return Outcome::done();
}

}  // namespace zelto::ecfsim
