#include "ecf/makes/classic.hpp"

#include <algorithm>
#include <functional>

#include "ecf/core/answers.hpp"
#include "ecf/core/session.hpp"
#include "ecf/makes/abi.hpp"

namespace zelto::ecfsim::classic {

namespace {

using abi::arg;

int code_of(const Outcome& o) {
  switch (o.refusal) {
    case Refusal::None: return 1;
    case Refusal::BadParameter: return -2;
    case Refusal::RateNotProgrammed: return -3;
    case Refusal::FormNotProgrammed: return -24;
    case Refusal::PaymentNotFinished: return -36;
    case Refusal::Refused: return -27;
    case Refusal::ExecutionError: return -1;
    case Refusal::Forced: return o.code;
    case Refusal::NoAnswer: return 0;
  }
  return -1;
}

// One command; `answer` fills the caller's buffers once the printer has
// answered and the answer was not lost on the way.
int run(Make mk, const Operation& op, const std::function<void()>& answer = nullptr) {
  CallResult r = run_command(abi::folder(), mk, CallKind::Command, op);
  if (!r.answered) return 0;
  if (r.lost) return r.lost_zero ? 0 : 1;
  if (r.outcome.ok() && answer) answer();
  return code_of(r.outcome);
}

// A query of one text answer.
int query(Make mk, char* buffer, const std::function<std::string(const Printer&)>& read) {
  std::string value;
  return run(
      mk, [&](Printer& p) { value = read(p); return Outcome::done(); }, [&] { abi::put(buffer, value); });
}

std::optional<Range> date_range(const char* from, const char* to, bool year_first = false) {
  auto a = abi::date(arg(from), year_first), b = abi::date(arg(to), year_first);
  if (!a || !b) return std::nullopt;
  Range r;
  r.by = Range::By::Date;
  r.from_date = *a;
  r.to_date = *b;
  return r;
}

std::optional<Range> counter_range(const char* from, const char* to, Range::By by) {
  auto a = parse_digits(arg(from), 6), b = parse_digits(arg(to), 6);
  if (!a || !b) return std::nullopt;
  Range r;
  r.by = by;
  r.from = static_cast<int>(*a);
  r.to = static_cast<int>(*b);
  return r;
}

Outcome bad_range() { return Outcome::bad("periodo invalido"); }

const ZRecord* last_z(const Printer& p) { return p.memory().zs.empty() ? nullptr : &p.memory().zs.back(); }

}  // namespace

int open_receipt(Make mk, const char* consumer_doc) {
  std::string doc = arg(consumer_doc);
  return run(mk, [&](Printer& p) { return p.open_receipt(doc); });
}

int sell(Make mk, const char* code, const char* description, const char* tax, const char* unit_price,
         const char* quantity, const char* surcharge, const char* discount, const char* /*department*/,
         const char* unit) {
  std::string c = arg(code), d = arg(description), t = arg(tax), pr = arg(unit_price), q = arg(quantity),
              su = arg(surcharge), di = arg(discount), u = arg(unit);
  return run(mk, [&](Printer& p) {
    auto price = abi::scaled_to_thousandths(pr, 3), qty = abi::scaled_to_thousandths(q, 3);
    auto plus = trim(su).empty() ? std::optional<Cents>(0) : abi::cents(su);
    auto minus = trim(di).empty() ? std::optional<Cents>(0) : abi::cents(di);
    if (!price || !qty || !plus || !minus) return Outcome::bad("preco, quantidade, acrescimo ou desconto invalido");
    return p.sell(ItemSale{c, d.substr(0, 29), t, u, *qty, *price, *minus, *plus});
  });
}

int cancel_last_item(Make mk) {
  return run(mk, [](Printer& p) { return p.cancel_last_item(); });
}

int cancel_item(Make mk, const char* number) {
  std::string n = arg(number);
  return run(mk, [&](Printer& p) {
    auto v = parse_digits(n, 3);
    return v ? p.cancel_item(static_cast<int>(*v)) : Outcome::bad("numero do item invalido");
  });
}

int cancel_receipt(Make mk) {
  return run(mk, [](Printer& p) { return p.cancel_receipt(); });
}

namespace {
std::optional<Adjustment> adjustment(const std::string& kind, const std::string& mode, const std::string& value) {
  std::string k = upper(trim(kind)), m = trim(mode);
  if (k != "D" && k != "A") return std::nullopt;
  if (m != "$" && m != "%") return std::nullopt;
  auto v = abi::cents(value);
  if (!v) return std::nullopt;
  return Adjustment{k == "D", m == "%", *v};
}
}  // namespace

int subtotal(Make mk, const char* kind, const char* mode, const char* value) {
  std::string k = arg(kind), m = arg(mode), v = arg(value);
  return run(mk, [&](Printer& p) {
    auto a = adjustment(k, m, v);
    return a ? p.subtotal(*a) : Outcome::bad("desconto ou acrescimo invalido");
  });
}

int pay(Make mk, const char* form, const char* amount) {
  std::string f = arg(form), a = arg(amount);
  return run(mk, [&](Printer& p) {
    auto v = abi::cents(a);
    return v ? p.pay(f, *v) : Outcome::bad("valor do pagamento invalido");
  });
}

int close_receipt(Make mk, const char* form, const char* kind, const char* mode, const char* value,
                  const char* paid, const char* message) {
  std::string f = arg(form), k = arg(kind), m = arg(mode), v = arg(value), pd = arg(paid), msg = arg(message);
  return run(mk, [&](Printer& p) {
    Closing c;
    c.form = f;
    if (!trim(k).empty()) {
      c.adjustment = adjustment(k, m, v);
      if (!c.adjustment) return Outcome::bad("desconto ou acrescimo invalido");
    }
    c.paid = abi::cents(pd).value_or(0);
    return p.close_receipt(msg, c);
  });
}

int identify_consumer(Make mk, const char* name, const char* address, const char* doc) {
  std::string n = arg(name), a = arg(address), d = arg(doc);
  return run(mk, [&](Printer& p) { return p.identify_consumer(d, n, a); });
}

int app_message(Make mk, int which, const char* text) {
  std::string t = arg(text);
  return run(mk, [&](Printer& p) { return p.set_app_message(which, t); });
}

int x_reading(Make mk) {
  return run(mk, [](Printer& p) { return p.x_reading(); });
}

int x_reading_to_file(Make mk) {
  return run(mk, [](Printer& p) { return p.x_reading_to_file(); });
}

int z_reduction(Make mk, const char* /*date*/, const char* /*time*/) {
  // The date and time the program passes are not used: the printer's clock
  // is its own (ecfsim clock).
  return run(mk, [](Printer& p) { return p.z_reduction(); });
}

int reset(Make mk) {
  return run(mk, [](Printer& p) { return p.reset(); });
}

int complete_readings(Make mk, const char* flag) {
  std::string f = trim(arg(flag));
  return run(mk, [&](Printer& p) {
    if (f != "0" && f != "1") return Outcome::bad("indicador invalido");
    return p.set_complete_readings(f == "1");
  });
}

int memory_by_date(Make mk, const char* from, const char* to, bool to_file) {
  auto r = date_range(from, to);
  return run(mk, [&](Printer& p) {
    return r ? p.memory_reading(*r, to_file, p.memory().complete_readings) : bad_range();
  });
}

int memory_by_reduction(Make mk, const char* from, const char* to, bool to_file) {
  auto r = counter_range(from, to, Range::By::Crz);
  return run(mk, [&](Printer& p) {
    return r ? p.memory_reading(*r, to_file, p.memory().complete_readings) : bad_range();
  });
}

int mfd_download(Make mk, const char* from, const char* to) {
  auto r = abi::range(arg(from), arg(to), Range::By::Coo);
  return run(mk, [&](Printer& p) { return r ? p.mfd_mirror(*r) : bad_range(); });
}

int bematech_mfd_download(const char* file, const char* kind, const char* from, const char* to,
                          const char* /*user*/) {
  std::string f = arg(file), k = trim(arg(kind));
  auto r = k == "2" ? counter_range(from, to, Range::By::Coo) : date_range(from, to);
  return run(Make::BE, [&](Printer& p) {
    if (k != "1" && k != "2") return Outcome::bad("tipo de download invalido");
    return r ? p.mfd_mirror(*r, f) : bad_range();
  });
}

int cotepe_by_date(Make mk, const char* from, const char* to, bool year_first) {
  auto r = date_range(from, to, year_first);
  return run(mk, [&](Printer& p) { return r ? p.cotepe_file(*r) : bad_range(); });
}

int cotepe_by_coo(Make mk, const char* from, const char* to) {
  auto r = counter_range(from, to, Range::By::Coo);
  return run(mk, [&](Printer& p) { return r ? p.cotepe_file(*r) : bad_range(); });
}

int bematech_cotepe(const char* file, const char* from, const char* to, const char* kind) {
  std::string f = arg(file), k = upper(trim(arg(kind)));
  auto r = k == "C" ? counter_range(from, to, Range::By::Coo) : date_range(from, to);
  return run(Make::BE, [&](Printer& p) { return r ? p.cotepe_file(*r, f) : bad_range(); });
}

int memory_cotepe_by_date(Make mk, const char* from, const char* to) {
  auto r = date_range(from, to);
  return run(mk, [&](Printer& p) { return r ? p.memory_cotepe_file(*r) : bad_range(); });
}

int status(Make mk, char* ack, char* st1, char* st2) {
  answers::StatusBytes s;
  return run(
      mk,
      [&](Printer& p) {
        s = answers::status_bytes(p.memory(), p.paper());
        return Outcome::done();
      },
      [&] {
        abi::put_byte(ack, s.ack);
        abi::put_byte(st1, s.st1);
        abi::put_byte(st2, s.st2);
      });
}

int flags(Make mk, char* buffer) {
  std::uint8_t f = 0;
  return run(
      mk,
      [&](Printer& p) {
        f = answers::fiscal_flags(p.memory(), p.now());
        return Outcome::done();
      },
      [&] { abi::put_byte(buffer, f); });
}

int rates(Make mk, char* table) {
  return query(mk, table, [](const Printer& p) { return answers::rate_table(p.memory()); });
}

int clock(Make mk, char* date, char* time) {
  DateTime now;
  return run(
      mk, [&](Printer& p) { now = p.now(); return Outcome::done(); },
      [&] {
        abi::put(date, format_date(now.date, DateForm::DDMMYY));
        abi::put(time, hhmmss(now));
      });
}

int serial(Make mk, char* buffer) {
  // At least 15 characters; a longer serial (up to 20) is answered whole, and
  // a caller's buffer of 15 gets its head.
  return query(mk, buffer, [](const Printer& p) {
    const std::string& s = p.memory().serial;
    return pad_right(s, std::max<std::size_t>(15, s.size()));
  });
}

int grand_total(Make mk, char* total) {
  return query(mk, total, [](const Printer& p) { return answers::amount18(p.memory().gt); });
}

int gross_sales(Make mk, char* total) {
  return query(mk, total, [](const Printer& p) {
    return answers::amount18(p.memory().day.open ? p.memory().day.totals.gross : 0);
  });
}

int coo(Make mk, char* number) {
  return query(mk, number, [](const Printer& p) { return digits(p.memory().coo, 6); });
}

int by_index(Make mk, const char* index, char* answer) {
  std::string i = arg(index), value;
  return run(
      mk,
      [&](Printer& p) {
        auto v = answers::by_index(p.memory(), i);
        if (!v) return Outcome::bad("indice desconhecido: " + trim(i));
        value = *v;
        return Outcome::done();
      },
      [&] { abi::put(answer, value); });
}

int reductions(Make mk, char* number) {
  return query(mk, number, [](const Printer& p) { return digits(p.memory().crz, 4); });
}

int interventions(Make mk, char* number) {
  return query(mk, number, [](const Printer& p) { return digits(p.memory().cro, 4); });
}

int last_z_data(Make mk, char* data) {
  return query(mk, data, [](const Printer& p) { return answers::z_data_or_zeros(p.memory()); });
}

int last_z_time(Make mk, char* date, char* time) {
  std::string d = "000000", t = "000000";
  return run(
      mk,
      [&](Printer& p) {
        if (const ZRecord* z = last_z(p)) {
          d = format_date(z->made.date, DateForm::DDMMYY);
          t = hhmmss(z->made);
        }
        return Outcome::done();
      },
      [&] {
        abi::put(date, d);
        abi::put(time, t);
      });
}

int last_z_movement(Make mk, char* date) {
  return query(mk, date, [](const Printer& p) {
    const ZRecord* z = last_z(p);
    return z ? format_date(z->movement, DateForm::DDMMYY) : std::string("000000");
  });
}

int truncation(Make mk, char* flag) {
  return query(mk, flag, [](const Printer& p) { return std::string(p.memory().truncate ? "1" : "0"); });
}

int currency(Make mk, char* symbol) {
  return query(mk, symbol, [](const Printer& p) { return pad_right(p.memory().currency, 2); });
}

int open_drawer(Make mk) {
  return run(mk, [](Printer& p) { return p.open_drawer(); });
}

int withdrawal(Make mk, const char* amount) {
  std::string a = arg(amount);
  return run(mk, [&](Printer& p) {
    auto v = abi::cents(a);
    return v ? p.withdrawal(*v) : Outcome::bad("valor invalido");
  });
}

int supply(Make mk, const char* amount, const char* form) {
  std::string a = arg(amount), f = arg(form);
  return run(mk, [&](Printer& p) {
    auto v = abi::cents(a);
    return v ? p.supply(*v, f) : Outcome::bad("valor invalido");
  });
}

int report_text(Make mk, const char* text) {
  std::string t = arg(text);
  return run(mk, [&](Printer& p) { return p.report_text(t); });
}

int close_report(Make mk) {
  return run(mk, [](Printer& p) { return p.close_report(); });
}

int open_linked(Make mk, const char* form, const char* amount, const char* coo) {
  std::string f = arg(form), a = arg(amount), c = arg(coo);
  return run(mk, [&](Printer& p) {
    auto v = abi::cents(a);
    std::optional<int> number;
    if (!trim(c).empty()) {
      auto n = parse_digits(c, 6);
      if (!n) return Outcome::bad("COO invalido");
      number = static_cast<int>(*n);
    }
    return v ? p.open_linked(f, *v, number) : Outcome::bad("valor invalido");
  });
}

int linked_text(Make mk, const char* text) {
  std::string t = arg(text);
  return run(mk, [&](Printer& p) { return p.linked_text(t); });
}

int close_linked(Make mk) {
  return run(mk, [](Printer& p) { return p.close_linked(); });
}

int program_form(Make mk, const char* name, const char* linked) {
  std::string n = arg(name), l = trim(arg(linked));
  return run(mk, [&](Printer& p) { return p.program_form(n, l == "1"); });
}

int program_rate(Make mk, const char* rate, const char* iss) {
  std::string r = trim(arg(rate)), i = trim(arg(iss));
  return run(mk, [&](Printer& p) {
    auto v = r.find_first_of(".,") == std::string::npos ? parse_digits(r, 4) : parse_decimal(r, 2);
    return v ? p.program_rate(static_cast<int>(*v), i == "1") : Outcome::bad("aliquota invalida");
  });
}

int summer_time(Make mk) {
  return run(mk, [](Printer& p) { return p.toggle_summer_time(); });
}

int rounding(Make mk) {
  return run(mk, [](Printer& p) { return p.set_truncation(false); });
}

int truncating(Make mk) {
  return run(mk, [](Printer& p) { return p.set_truncation(true); });
}

int set_currency(Make mk, const char* symbol) {
  std::string s = arg(symbol);
  return run(mk, [&](Printer& p) { return p.set_currency(s); });
}

}  // namespace zelto::ecfsim::classic
