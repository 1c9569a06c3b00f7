// Readings of the fiscal memory and of the MFD (the memory of every document
// printed, which here is the paper roll), printed or written to the files
// the program copies: "retorno.txt", "ECFDARUMA/ATOCOTEPE_DARUMA.TXT" and
// "ECFDARUMA/mf.txt" in the data folder.

#include "ecf/core/printer.hpp"
#include "ecf/core/reports.hpp"
#include "ecf/core/store.hpp"

namespace zelto::ecfsim {

namespace {

constexpr const char* kReadingFile = "retorno.txt";
constexpr const char* kCotepeFile = "ECFDARUMA/ATOCOTEPE_DARUMA.TXT";
constexpr const char* kMemoryCotepeFile = "ECFDARUMA/mf.txt";

Outcome check_range(const Range& r) {
  if (r.by == Range::By::Date ? r.to_date < r.from_date : (r.from < 1 || r.to < r.from))
    return Outcome::bad("intervalo invalido");
  return Outcome::done();
}

std::string period_text(const Range& r) {
  if (r.by == Range::By::Date)
    return "PERIODO: " + format_date(r.from_date, DateForm::DD_MM_YYYY) + " A " +
           format_date(r.to_date, DateForm::DD_MM_YYYY);
  std::string what = r.by == Range::By::Crz ? "CRZ: " : "COO: ";
  std::size_t w = r.by == Range::By::Crz ? 4 : 6;
  return what + digits(r.from, w) + " A " + digits(r.to, w);
}

std::vector<const ZRecord*> reductions_for(const FiscalMemory& m, const Range& r) {
  if (r.by == Range::By::Coo) {
    std::vector<const ZRecord*> out;
    for (const auto& z : m.zs)
      if (z.coo >= r.from && z.coo <= r.to) out.push_back(&z);
    return out;
  }
  return reductions_in(m, r.by == Range::By::Date, r.from_date, r.to_date, r.from, r.to);
}

// The documents of the roll within a range: each starts at its date-and-COO
// line (with the owner's lines above it) and runs to the next one.
std::vector<std::string> documents_in(const std::vector<std::string>& roll, std::size_t header_lines,
                                      const Range& r) {
  std::vector<std::size_t> starts;
  std::vector<DocumentMark> marks;
  for (std::size_t i = 0; i < roll.size(); ++i)
    if (auto mark = read_document_line(roll[i])) {
      // The owner's lines and the rule above the mark belong to the document.
      starts.push_back(i >= header_lines + 1 ? i - header_lines - 1 : 0);
      marks.push_back(*mark);
    }
  std::vector<std::string> out;
  for (std::size_t d = 0; d < starts.size(); ++d) {
    const DocumentMark& mk = marks[d];
    bool in = r.by == Range::By::Date ? (mk.when.date >= r.from_date && mk.when.date <= r.to_date)
                                      : (mk.coo >= r.from && mk.coo <= r.to);
    if (!in) continue;
    std::size_t end = d + 1 < starts.size() ? starts[d + 1] : roll.size();
    for (std::size_t i = starts[d]; i < end; ++i) out.push_back(to_cp1252(roll[i]));
  }
  return out;
}

std::string field(std::string_view s, std::size_t w) { return pad_right(s, w); }

// Records in the manner of the fiscal-memory file of the Ato COTEPE/ICMS
// 17/04: E01 the printer, E02 its owner, E12 one per reduction, E13 one per
// partial totaliser of a reduction, E16 one per other document.
std::vector<std::string> cotepe_records(const FiscalMemory& m, const DateTime& now,
                                        const std::vector<const ZRecord*>& zs,
                                        const std::vector<DocumentMark>& documents) {
  std::vector<std::string> out;
  out.push_back("E01" + field(m.serial, 20) + field("ECFSIM", 20) + field(make_code(m.make) + " ECF-IF", 20) +
                digits(m.user, 2) + digits(m.cro, 3) + format_date(now.date, DateForm::YYYYMMDD) + hhmmss(now));
  out.push_back("E02" + field(m.serial, 20) + field(m.header.empty() ? "" : m.header.front(), 40) +
                field(m.header.size() > 2 ? m.header[2] : "", 48));
  for (const ZRecord* z : zs) {
    out.push_back("E12" + field(m.serial, 20) + digits(z->crz, 6) + digits(z->coo, 6) + digits(z->cro, 6) +
                  format_date(z->movement, DateForm::YYYYMMDD) + format_date(z->made.date, DateForm::YYYYMMDD) +
                  hhmmss(z->made) + digits(z->totals.gross, 14) + (z->automatic ? "S" : "N"));
    for (const auto& [k, v] : z->totals.by_totaliser) {
      std::string code = k == "FF" || k == "II" || k == "NN" ? k.substr(0, 1) + "1" : k + "T";
      auto slot = parse_digits(k, 2);
      if (slot && *slot >= 1 && static_cast<std::size_t>(*slot) <= z->rates.size())
        code = k + (z->rates[*slot - 1].iss ? "S" : "T") + digits(z->rates[*slot - 1].hundredths, 4);
      out.push_back("E13" + field(m.serial, 20) + digits(z->crz, 6) + field(code, 7) + digits(v < 0 ? 0 : v, 13));
    }
  }
  for (const auto& d : documents)
    out.push_back("E16" + field(m.serial, 20) + digits(d.coo, 6) + format_date(d.when.date, DateForm::YYYYMMDD) +
                  hhmmss(d.when));
  return out;
}

std::vector<DocumentMark> marks_in(const std::vector<std::string>& roll, const Range& r) {
  std::vector<DocumentMark> out;
  for (const auto& l : roll)
    if (auto mk = read_document_line(l)) {
      bool in = r.by == Range::By::Date ? (mk->when.date >= r.from_date && mk->when.date <= r.to_date)
                                        : (mk->coo >= r.from && mk->coo <= r.to);
      if (in) out.push_back(*mk);
    }
  return out;
}

}  // namespace

Outcome Printer::memory_reading(const Range& r, bool to_file, bool complete) {
  if (auto o = check_range(r); !o.ok()) return o;
  auto zs = reductions_for(m_, r);
  if (to_file) {
    Paper p;
    for (const auto& h : m_.header) p.centre(h);
    p.rule();
    p.left_right(printed(now_), "FAB:" + m_.serial);
    print_memory_reading(p, m_, zs, period_text(r), complete);
    out_.files.emplace_back(kReadingFile, as_file(p.lines()));
    return Outcome::done();
  }
  if (auto o = start_document(Doc::Reading); !o.ok()) return o;
  m_.coo = next(m_.coo);
  print_header("LEITURA DA MEMORIA FISCAL", m_.coo);
  print_memory_reading(out_.paper, m_, zs, period_text(r), complete);
  print_footer();
  return Outcome::done();
}

Outcome Printer::mfd_mirror(const Range& r, const std::string& extra_file) {
  if (auto o = check_range(r); !o.ok()) return o;
  Paper p;
  p.centre("ESPELHO DA MEMORIA DE FITA-DETALHE");
  p.left_right("FAB:" + m_.serial, printed(now_));
  p.line(period_text(r));
  p.rule('=');
  auto docs = documents_in(read_roll(env_.folder), m_.header.size(), r);
  for (auto& l : docs) p.lines().push_back(std::move(l));
  std::string text = as_file(p.lines());
  out_.files.emplace_back(kReadingFile, text);
  if (!trim(extra_file).empty()) out_.files.emplace_back(trim(extra_file), text);
  return Outcome::done();
}

Outcome Printer::cotepe_file(const Range& r, const std::string& file) {
  if (auto o = check_range(r); !o.ok()) return o;
  auto roll = read_roll(env_.folder);
  auto lines = cotepe_records(m_, now_, reductions_for(m_, r), marks_in(roll, r));
  out_.files.emplace_back(trim(file).empty() ? kCotepeFile : trim(file), as_file(lines));
  return Outcome::done();
}

Outcome Printer::memory_cotepe_file(const Range& r) {
  if (auto o = check_range(r); !o.ok()) return o;
  auto lines = cotepe_records(m_, now_, reductions_for(m_, r), {});
  out_.files.emplace_back(kMemoryCotepeFile, as_file(lines));
  return Outcome::done();
}

}  // namespace zelto::ecfsim
