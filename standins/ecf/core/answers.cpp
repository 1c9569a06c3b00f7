#include "ecf/core/answers.hpp"

#include <cassert>

namespace zelto::ecfsim::answers {

namespace {

Cents at(const std::map<TotaliserKey, Cents>& m, const TotaliserKey& k) {
  auto it = m.find(k);
  return it == m.end() ? 0 : it->second;
}

// Fields joined by commas, then filled with zeros to a width.
class Layout {
 public:
  Layout& add(const std::string& f) {
    if (!text_.empty()) text_ += ',';
    text_ += f;
    return *this;
  }
  Layout& raw(const std::string& f) {
    text_ += f;
    return *this;
  }
  std::string fill(std::size_t width) const {
    std::string out = text_;
    out.resize(width, '0');
    return out;
  }
  std::size_t size() const { return text_.size(); }

 private:
  std::string text_;
};

std::string rate_codes(const std::vector<TaxRate>& rates) {
  std::string out;
  for (std::size_t k = 0; k < kRateSlots; ++k) out += k < rates.size() ? digits(rates[k].hundredths, 4) : "0000";
  return out;
}

ZRecord zero_z(const FiscalMemory& m) {
  ZRecord z;
  z.rates = m.rates;
  z.gt_start = z.gt_end = m.gt;
  return z;
}

}  // namespace

std::string amount18(Cents c) { return digits(c, 18); }
std::string amount14(Cents c) { return digits(c, 14); }
std::string amount15(Cents c) { return digits(c, 15); }

std::string z_data(const ZRecord& z) {
  const Totals& t = z.totals;
  std::string totals;
  for (std::size_t k = 1; k <= kRateSlots; ++k) totals += amount14(at(t.by_totaliser, digits(static_cast<int>(k), 2)));
  for (const char* k : {"FF", "II", "NN"}) totals += amount14(at(t.by_totaliser, k));
  Layout l;
  l.raw(z.automatic ? "01" : "00").raw(digits(z.crz, 4));  // 1-2 mode, 3-6 CRZ
  l.add(amount14(z.gt_end));                               // 8-21
  l.add(amount14(t.cancellations));                        // 23-36
  l.add(amount14(t.discounts));                            // 38-51
  l.add(rate_codes(z.rates));                              // 53-116
  l.add(totals);                                           // 118-383
  l.add(amount14(t.withdrawals));                          // 385-398
  l.add(amount14(t.supplies));                             // 400-413
  l.add(amount14(t.gross));                                // 415-428
  l.add(amount14(z.gt_start));                             // 430-443
  l.add(digits(z.cro, 6));                                 // 445-450
  l.add(digits(z.ccf, 6));                                 // 452-457
  l.add(digits(z.grg, 6));                                 // 459-464
  l.add(digits(z.cdc, 4));                                 // 466-469
  l.add(format_date(z.made.date, DateForm::DDMMYYYY));     // 471-478
  l.add(hhmmss(z.made)).add("");                           // 480-485, reserved to 577
  std::string head = l.fill(577);
  Layout tail;
  tail.add(digits(z.coo, 6));                                  // 579-584
  tail.add(digits(z.gnf, 6));                                  // 586-591
  tail.add(digits(static_cast<int>(z.rates.size()), 2));       // 593-594
  tail.add(format_date(z.movement, DateForm::DDMMYY));         // 596-601
  tail.add(amount14(t.surcharges));                            // 603-616
  tail.add(amount14(0));                                       // 618-631
  std::string out = head + "," + tail.fill(kZData - 578);
  assert(out.size() == kZData);
  return out;
}

std::string epson_z_data(const ZRecord& z) {
  // Positions 23-631 as in the 631-character data; the head carries the date
  // and time of the reduction, the tail Epson's wider totals and the
  // movement date.
  std::string common = z_data(z);
  std::string out = format_date(z.made.date, DateForm::DDMMYYYY) + hhmmss(z.made);  // 1-14
  out += "," + digits(z.crz, 4) + "," + (z.automatic ? "1" : "0") + ",";     // 15-22
  out += common.substr(22);                                                   // 23-631
  Layout extra;
  extra.add(amount18(z.gt_end)).add(amount18(z.gt_start)).add(amount18(z.totals.gross));  // 633-688
  extra.add(digits(z.coo, 6)).add(digits(z.ccf, 6)).add(digits(z.cro, 6));               // 690-709
  extra.add(digits(z.gnf, 6)).add(digits(z.grg, 6)).add(digits(z.cdc, 4));               // 711-728
  std::string totals;
  for (std::size_t k = 1; k <= kRateSlots; ++k)
    totals += amount18(at(z.totals.by_totaliser, digits(static_cast<int>(k), 2)));
  for (const char* k : {"FF", "II", "NN"}) totals += amount18(at(z.totals.by_totaliser, k));
  extra.add(totals).add("");  // 730-1071, reserved to 1159
  out += "," + extra.fill(1159 - 632);
  out += format_date(z.movement, DateForm::DDMMYYYY);  // 1160-1167
  assert(out.size() == kEpsonZData);
  return out;
}

std::string z_data_or_zeros(const FiscalMemory& m) { return z_data(m.zs.empty() ? zero_z(m) : m.zs.back()); }

std::string epson_z_data_or_zeros(const FiscalMemory& m) {
  return epson_z_data(m.zs.empty() ? zero_z(m) : m.zs.back());
}

std::string rate_table(const FiscalMemory& m) {
  std::string out;
  for (std::size_t k = 0; k < kRateSlots; ++k) {
    if (k > 0) out += ',';
    out += k < m.rates.size() ? digits(m.rates[k].hundredths, 4) : "    ";
  }
  return out;
}

std::string epson_rate_table(const FiscalMemory& m) {
  std::string out;
  for (std::size_t k = 0; k < m.rates.size(); ++k) {
    if (k > 0) out += ',';
    TotaliserKey key = digits(static_cast<int>(k) + 1, 2);
    out += std::string(m.rates[k].iss ? "S" : "T") + "-" + digits(m.rates[k].hundredths, 4) +
           digits(at(m.day.totals.by_totaliser, key), 17);
  }
  return out;
}

std::string epson_counters(const FiscalMemory& m) {
  std::string out = digits(m.coo, 6) + digits(m.crz, 4) + digits(m.user, 2) + digits(m.cro, 6) +  // 1-18
                    digits(m.gnf, 6) + digits(m.cdc, 4) + "00" + "000000" +                      // 19-36
                    digits(m.grg, 6) + digits(m.ccf, 6);                                          // 37-48
  out.resize(84, '0');
  return out;
}

std::optional<std::string> by_index(const FiscalMemory& m, std::string_view index) {
  std::string i = trim(index);
  if (i == "23") return digits(m.cro, 6);
  if (i == "28") return digits(m.gnf, 6);
  if (i == "30") return digits(m.ccf, 6);
  if (i == "33") return digits(m.grg, 6);
  if (i == "45") return digits(m.cdc, 4);
  if (i == "74") return format_date(m.last_document.date, DateForm::DDMMYYYY) + hhmmss(m.last_document);
  if (i == "94") return digits(m.user, 2);
  if (i == "140") {
    ZRecord z = m.zs.empty() ? zero_z(m) : m.zs.back();
    std::string out = format_date(z.movement, DateForm::DDMMYYYY) + amount18(z.gt_end) + amount18(z.gt_start) +
                      amount18(z.totals.gross) + digits(z.crz, 6) + digits(z.coo, 6);
    out.resize(1164, '0');
    return out;
  }
  return std::nullopt;
}

bool z_done_today(const FiscalMemory& m, const DateTime& now) {
  return !m.day.open && !m.zs.empty() && m.zs.back().movement == now.date;
}

std::uint8_t fiscal_flags(const FiscalMemory& m, const DateTime& now) {
  std::uint8_t f = 0;
  if (m.receipt) f |= 1;
  if (m.summer_time) f |= 4;
  if (z_done_today(m, now)) f |= 8;
  if (m.receipt || m.last_cancellable) f |= 32;
  return f;
}

StatusBytes status_bytes(const FiscalMemory& m, Faults::Paper paper) {
  StatusBytes s;
  if (paper == Faults::Paper::End) s.st1 |= st1::kPaperEnd;
  if (paper == Faults::Paper::Low) s.st1 |= st1::kPaperLow;
  if (m.receipt) s.st1 |= st1::kReceiptOpen;
  s.st1 |= m.last_command.st1;
  s.st2 |= m.last_command.st2;
  return s;
}

std::string epson_printer_state(const FiscalMemory& m, Faults::Paper paper) {
  std::string s(16, '0');
  if (!m.last_command.answered) s[0] = '1';
  if (paper == Faults::Paper::End) s[14] = '1';
  if (paper == Faults::Paper::Low) s[15] = '1';
  return s;
}

std::string epson_fiscal_state(const FiscalMemory& m, const DateTime& now) {
  std::string s(16, '0');
  if (m.day.open) s[0] = '1';
  if (m.receipt) s[1] = '1';
  if (m.doc.kind != OpenDoc::None) s[2] = '1';
  if (m.receipt && m.receipt->phase != Phase::Items) s[3] = '1';
  if (z_done_today(m, now)) s[4] = '1';
  if (m.summer_time) s[5] = '1';
  if (m.truncate) s[6] = '1';
  if (m.last_command.refusal != Refusal::None) s[15] = '1';
  return s;
}

std::string epson_receipt_state(const FiscalMemory& m) {
  std::string state = m.receipt ? "01" : m.doc.kind != OpenDoc::None ? "02" : m.last_cancellable ? "00" : "03";
  const Receipt* r = m.receipt ? &*m.receipt : m.last ? &*m.last : nullptr;
  std::string out = state;
  if (r) {
    int phase = r->phase == Phase::Items ? 1 : r->phase == Phase::Payments ? 2 : r->phase == Phase::Paid ? 3 : 0;
    out += digits(r->coo, 6) + digits(r->ccf, 6) + digits(static_cast<int>(r->items.size()), 3) +
           amount14(r->total()) + amount14(r->paid()) + digits(phase, 1);
  }
  out.resize(56, r ? ' ' : '0');
  return out;
}

std::string epson_day_data(const FiscalMemory& m, const DateTime& now) {
  std::string out = m.day.open ? format_date(m.day.movement, DateForm::DDMMYYYY) : std::string(8, '0');
  out += m.day.open ? "1" : z_done_today(m, now) ? "2" : "0";
  out += digits(m.day.open ? m.day.first_coo : 0, 6) + amount18(m.day.open ? m.day.gt_start : m.gt) +
         amount15(m.day.totals.gross) + digits(m.crz, 6);
  out.resize(67, '0');
  return out;
}

std::string epson_printer_data(const FiscalMemory& m) {
  std::string out = pad_right(m.serial, 20) + pad_right("EPSON", 20) + pad_right("ECF-IF ecfsim", 20) +
                    pad_right("01.00.00", 10) + digits(m.user, 2) + digits(m.cro, 6);
  return pad_right(out, 108);
}

}  // namespace zelto::ecfsim::answers
