#include "ecf/core/memory_file.hpp"

#include <sstream>
#include <stdexcept>

namespace zelto::ecfsim {

namespace {

constexpr int kVersion = 1;

std::string escaped(std::string_view cp1252) {
  std::string out;
  for (char c : to_utf8(cp1252)) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '|': out += "\\|"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string num(std::int64_t v) { return std::to_string(v); }
std::string flag(bool b) { return b ? "1" : "0"; }

class Writer {
 public:
  void line(std::string_view key, std::initializer_list<std::string> fields) {
    text += key;
    text += '=';
    bool first = true;
    for (const auto& f : fields) {
      if (!first) text += '|';
      text += f;
      first = false;
    }
    text += '\n';
  }
  std::string text;
};

struct Bad : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Fields {
 public:
  explicit Fields(std::string_view value) {
    std::string cur;
    for (std::size_t i = 0; i < value.size(); ++i) {
      char c = value[i];
      if (c == '\\' && i + 1 < value.size()) {
        char n = value[++i];
        cur += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
      } else if (c == '|') {
        parts_.push_back(cur);
        cur.clear();
      } else {
        cur += c;
      }
    }
    parts_.push_back(cur);
  }
  std::string text() { return to_cp1252(raw()); }
  std::int64_t integer() {
    std::string s = raw();
    bool neg = !s.empty() && s[0] == '-';
    auto v = parse_digits(neg ? s.substr(1) : s, 18);
    if (!v) throw Bad("not a number: " + s);
    return neg ? -*v : *v;
  }
  int small() { return static_cast<int>(integer()); }
  bool boolean() {
    std::string s = raw();
    if (s != "0" && s != "1") throw Bad("not 0 or 1: " + s);
    return s == "1";
  }
  Date date() {
    auto d = parse_date(raw(), DateForm::YYYYMMDD);
    if (!d) throw Bad("not a date");
    return *d;
  }
  DateTime date_time() {
    auto t = parse_stamp(raw());
    if (!t) throw Bad("not a date and time");
    return *t;
  }
  std::string raw() {
    if (next_ >= parts_.size()) throw Bad("missing field");
    return parts_[next_++];
  }

 private:
  std::vector<std::string> parts_;
  std::size_t next_ = 0;
};

void write_receipt(Writer& w, const std::string& key, const Receipt& r) {
  w.line(key, {num(r.coo), num(r.ccf), stamp(r.opened), phase_name(r.phase), num(r.adjustment),
               num(r.adjust_percent), escaped(r.consumer_doc), escaped(r.consumer_name),
               escaped(r.consumer_address)});
  for (const auto& i : r.items)
    w.line(key + ".item", {num(i.number), escaped(i.code), escaped(i.description), escaped(i.unit), i.totaliser,
                           num(i.rate), num(i.quantity), num(i.unit_price), num(i.amount), flag(i.cancelled)});
  for (const auto& p : r.payments) w.line(key + ".payment", {escaped(p.form), num(p.amount), num(p.linked)});
  for (const auto& m : r.messages) w.line(key + ".message", {escaped(m)});
  for (const auto& [k, v] : r.split) w.line(key + ".split", {k, num(v)});
}

void write_totals(Writer& w, const std::string& prefix, const Totals& t) {
  w.line(prefix + ".totals", {num(t.gross), num(t.cancellations), num(t.discounts), num(t.surcharges),
                              num(t.withdrawals), num(t.supplies), num(t.receipts), num(t.cancelled_receipts)});
  for (const auto& [k, v] : t.by_totaliser) w.line(prefix + ".tax", {k, num(v)});
  for (const auto& [k, v] : t.by_form) w.line(prefix + ".form", {escaped(k), num(v)});
}

Phase parse_phase(const std::string& s) {
  for (Phase p : {Phase::Items, Phase::Payments, Phase::Paid, Phase::Closed, Phase::Cancelled})
    if (phase_name(p) == s) return p;
  throw Bad("unknown receipt phase " + s);
}

Receipt read_receipt(Fields& f) {
  Receipt r;
  r.coo = f.small();
  r.ccf = f.small();
  r.opened = f.date_time();
  r.phase = parse_phase(f.raw());
  r.adjustment = f.integer();
  r.adjust_percent = f.integer();
  r.consumer_doc = f.text();
  r.consumer_name = f.text();
  r.consumer_address = f.text();
  return r;
}

// Lines that belong to the receipt above them ("receipt.item" ...).
bool read_receipt_part(const std::string& part, Fields& f, Receipt& r) {
  if (part == "item") {
    Item i;
    i.number = f.small();
    i.code = f.text();
    i.description = f.text();
    i.unit = f.text();
    i.totaliser = f.raw();
    i.rate = f.small();
    i.quantity = f.integer();
    i.unit_price = f.integer();
    i.amount = f.integer();
    i.cancelled = f.boolean();
    r.items.push_back(i);
  } else if (part == "payment") {
    Payment p;
    p.form = f.text();
    p.amount = f.integer();
    p.linked = f.integer();
    r.payments.push_back(p);
  } else if (part == "message") {
    r.messages.push_back(f.text());
  } else if (part == "split") {
    std::string k = f.raw();
    r.split[k] = f.integer();
  } else {
    return false;
  }
  return true;
}

bool read_totals_part(const std::string& part, Fields& f, Totals& t) {
  if (part == "totals") {
    t.gross = f.integer();
    t.cancellations = f.integer();
    t.discounts = f.integer();
    t.surcharges = f.integer();
    t.withdrawals = f.integer();
    t.supplies = f.integer();
    t.receipts = f.small();
    t.cancelled_receipts = f.small();
  } else if (part == "tax") {
    std::string k = f.raw();
    t.by_totaliser[k] = f.integer();
  } else if (part == "form") {
    std::string k = f.text();
    t.by_form[k] = f.integer();
  } else {
    return false;
  }
  return true;
}

TaxRate read_rate(Fields& f) {
  TaxRate r;
  r.hundredths = f.small();
  std::string kind = f.raw();
  if (kind != "T" && kind != "S") throw Bad("rate kind is T or S");
  r.iss = kind == "S";
  return r;
}

}  // namespace

std::string memory_to_text(const FiscalMemory& m) {
  Writer w;
  w.text =
      "# Fiscal memory of the emulated printer (ecfsim). Written whole by every\n"
      "# command; read it, but change the printer only through ecfsim.\n";
  w.line("version", {num(kVersion)});
  w.line("make", {make_code(m.make)});
  w.line("serial", {escaped(m.serial)});
  for (const auto& h : m.header) w.line("header", {escaped(h)});
  w.line("user", {num(m.user)});
  w.line("coo", {num(m.coo)});
  w.line("ccf", {num(m.ccf)});
  w.line("gnf", {num(m.gnf)});
  w.line("grg", {num(m.grg)});
  w.line("cdc", {num(m.cdc)});
  w.line("crz", {num(m.crz)});
  w.line("cro", {num(m.cro)});
  w.line("gt", {num(m.gt)});
  for (const auto& r : m.rates) w.line("rate", {num(r.hundredths), r.iss ? "S" : "T"});
  for (const auto& f : m.forms) w.line("form", {escaped(f.name), flag(f.linked)});
  w.line("truncate", {flag(m.truncate)});
  w.line("currency", {escaped(m.currency)});
  w.line("summer_time", {flag(m.summer_time)});
  switch (m.clock.mode) {
    case ClockSetting::Mode::Real: w.line("clock", {"real"}); break;
    case ClockSetting::Mode::Offset: w.line("clock", {"offset", num(m.clock.offset_seconds)}); break;
    case ClockSetting::Mode::Frozen: w.line("clock", {"frozen", stamp(m.clock.frozen)}); break;
  }
  w.line("complete_readings", {flag(m.complete_readings)});
  w.line("app_message1", {escaped(m.app_message1)});
  w.line("app_message2", {escaped(m.app_message2)});
  if (m.day.open)
    w.line("day", {"open", format_date(m.day.movement, DateForm::YYYYMMDD), num(m.day.first_coo), num(m.day.gt_start)});
  else
    w.line("day", {"closed"});
  write_totals(w, "day", m.day.totals);
  if (m.receipt) write_receipt(w, "receipt", *m.receipt);
  if (m.last) write_receipt(w, "last", *m.last);
  w.line("last_cancellable", {flag(m.last_cancellable)});
  switch (m.doc.kind) {
    case OpenDoc::None: w.line("doc", {"none"}); break;
    case OpenDoc::Report: w.line("doc", {"report", num(m.doc.coo)}); break;
    case OpenDoc::Linked: w.line("doc", {"linked", num(m.doc.coo)}); break;
  }
  for (const auto& z : m.zs) {
    w.line("z", {num(z.crz), num(z.coo), num(z.cro), num(z.ccf), num(z.gnf), num(z.grg), num(z.cdc),
                 format_date(z.movement, DateForm::YYYYMMDD), stamp(z.made), flag(z.automatic), num(z.gt_start),
                 num(z.gt_end)});
    for (const auto& r : z.rates) w.line("z.rate", {num(r.hundredths), r.iss ? "S" : "T"});
    write_totals(w, "z", z.totals);
  }
  w.line("last_document", {stamp(m.last_document)});
  w.line("drawer_openings", {num(m.drawer_openings)});
  const auto& c = m.last_command;
  w.line("last_command", {num(static_cast<int>(c.refusal)), num(c.code), num(c.st1), num(c.st2), flag(c.answered),
                          escaped(c.why)});
  return w.text;
}

std::optional<FiscalMemory> memory_from_text(const std::string& text, std::string* error) {
  FiscalMemory m;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  bool seen_version = false;
  try {
    while (std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      std::size_t eq = line.find('=');
      if (eq == std::string::npos) throw Bad("no '='");
      std::string key = line.substr(0, eq);
      Fields f(std::string_view(line).substr(eq + 1));
      std::size_t dot = key.find('.');
      std::string head = key.substr(0, dot), part = dot == std::string::npos ? "" : key.substr(dot + 1);
      if (key == "version") {
        if (f.small() != kVersion) throw Bad("unknown version");
        seen_version = true;
      } else if (key == "make") {
        auto mk = parse_make(f.raw());
        if (!mk) throw Bad("unknown make");
        m.make = *mk;
      } else if (key == "serial") {
        m.serial = f.text();
      } else if (key == "header") {
        m.header.push_back(f.text());
      } else if (key == "user") {
        m.user = f.small();
      } else if (key == "coo") {
        m.coo = f.small();
      } else if (key == "ccf") {
        m.ccf = f.small();
      } else if (key == "gnf") {
        m.gnf = f.small();
      } else if (key == "grg") {
        m.grg = f.small();
      } else if (key == "cdc") {
        m.cdc = f.small();
      } else if (key == "crz") {
        m.crz = f.small();
      } else if (key == "cro") {
        m.cro = f.small();
      } else if (key == "gt") {
        m.gt = f.integer();
      } else if (key == "rate") {
        m.rates.push_back(read_rate(f));
      } else if (key == "form") {
        PaymentForm pf;
        pf.name = f.text();
        pf.linked = f.boolean();
        m.forms.push_back(pf);
      } else if (key == "truncate") {
        m.truncate = f.boolean();
      } else if (key == "currency") {
        m.currency = f.text();
      } else if (key == "summer_time") {
        m.summer_time = f.boolean();
      } else if (key == "clock") {
        std::string mode = f.raw();
        if (mode == "real") {
          m.clock.mode = ClockSetting::Mode::Real;
        } else if (mode == "offset") {
          m.clock.mode = ClockSetting::Mode::Offset;
          m.clock.offset_seconds = f.integer();
        } else if (mode == "frozen") {
          m.clock.mode = ClockSetting::Mode::Frozen;
          m.clock.frozen = f.date_time();
        } else {
          throw Bad("unknown clock mode");
        }
      } else if (key == "complete_readings") {
        m.complete_readings = f.boolean();
      } else if (key == "app_message1") {
        m.app_message1 = f.text();
      } else if (key == "app_message2") {
        m.app_message2 = f.text();
      } else if (key == "day") {
        std::string state = f.raw();
        m.day.open = state == "open";
        if (m.day.open) {
          m.day.movement = f.date();
          m.day.first_coo = f.small();
          m.day.gt_start = f.integer();
        } else if (state != "closed") {
          throw Bad("day is open or closed");
        }
      } else if (head == "day" && read_totals_part(part, f, m.day.totals)) {
      } else if (key == "receipt") {
        m.receipt = read_receipt(f);
      } else if (head == "receipt" && m.receipt && read_receipt_part(part, f, *m.receipt)) {
      } else if (key == "last") {
        m.last = read_receipt(f);
      } else if (head == "last" && m.last && read_receipt_part(part, f, *m.last)) {
      } else if (key == "last_cancellable") {
        m.last_cancellable = f.boolean();
      } else if (key == "doc") {
        std::string kind = f.raw();
        if (kind == "none") {
          m.doc = {};
        } else if (kind == "report" || kind == "linked") {
          m.doc.kind = kind == "report" ? OpenDoc::Report : OpenDoc::Linked;
          m.doc.coo = f.small();
        } else {
          throw Bad("unknown open document");
        }
      } else if (key == "z") {
        ZRecord z;
        z.crz = f.small();
        z.coo = f.small();
        z.cro = f.small();
        z.ccf = f.small();
        z.gnf = f.small();
        z.grg = f.small();
        z.cdc = f.small();
        z.movement = f.date();
        z.made = f.date_time();
        z.automatic = f.boolean();
        z.gt_start = f.integer();
        z.gt_end = f.integer();
        m.zs.push_back(z);
      } else if (key == "z.rate" && !m.zs.empty()) {
        m.zs.back().rates.push_back(read_rate(f));
      } else if (head == "z" && !m.zs.empty() && read_totals_part(part, f, m.zs.back().totals)) {
      } else if (key == "last_document") {
        m.last_document = f.date_time();
      } else if (key == "drawer_openings") {
        m.drawer_openings = f.small();
      } else if (key == "last_command") {
        auto& c = m.last_command;
        int r = f.small();
        if (r < 0 || r > static_cast<int>(Refusal::NoAnswer)) throw Bad("unknown refusal");
        c.refusal = static_cast<Refusal>(r);
        c.code = f.small();
        c.st1 = static_cast<std::uint8_t>(f.small());
        c.st2 = static_cast<std::uint8_t>(f.small());
        c.answered = f.boolean();
        c.why = f.text();
      } else {
        throw Bad("unknown key " + key);
      }
    }
    if (!seen_version) throw Bad("no version line");
    if (m.rates.size() > kRateSlots) throw Bad("more than 16 tax rates");
  } catch (const Bad& e) {
    if (error) *error = "line " + std::to_string(number) + ": " + e.what();
    return std::nullopt;
  }
  return m;
}

}  // namespace zelto::ecfsim
