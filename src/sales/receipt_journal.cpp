#include "sales/receipt_journal.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {
namespace {

// What the recording reads, kept so that a later start records the receipt
// as this run would have.
constexpr const char* kSettings[] = {
    "WCOD_EST",    "WMAQUINA",          "WAUXNUM",       "WDATACUPOM",          "WHORACUPOM",
    "WTOTALVALOR", "W_TIPODOCUM",       "W_NUMEVENCI",   "W_DATAVENCI",         "WCODIGCLIEN",
    "V_NOME_CLIENTE", "V_ENDERECO_CLIENTE", "V_CPFCNPJ_CLIENTE", "W_VISTA",     "WTROCO",
    "WC_002",      "WC_010",            "WC_011",        "WC_012",              "WC_022",
    "WC_027",      "WVALORPERCENTUAL",  "NTIDES",        "NDESC",               "VDESCRMEIO",
    "NPAGOD",      "NPAGOC",            "NPAGOT",        "VNUMSERIEIMPRESSORA", "WCOL",
    "WCAIXACODIG", "WABERTCAIXA",       "VUSU",          "NFORM",               "WGAVETA",
    "W_NENTRADA",  "W_NTIPDOCU",
};

std::string hex(const std::string& s) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::string unhex(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) out += static_cast<char>(std::stoi(s.substr(i, 2), nullptr, 16));
  return out;
}

std::string encoded(core::Globals& g, const char* name) {
  const auto ref = g.find(name);
  if (!ref) return "";
  struct V {
    std::string operator()(core::Text* t) const { return "T" + hex(*t); }
    std::string operator()(core::Decimal* n) const { return "N" + n->to_string(); }
    std::string operator()(core::Date* d) const { return "D" + d->dtos(); }
    std::string operator()(bool* b) const { return *b ? "L1" : "L0"; }
  };
  return std::visit(V{}, *ref);
}

void decode_into(core::Globals& g, const std::string& name, const std::string& value) {
  const auto ref = g.find(name);
  if (!ref || value.empty()) return;
  const std::string body = value.substr(1);
  if (auto* t = std::get_if<core::Text*>(&*ref)) **t = unhex(body);
  if (auto* n = std::get_if<core::Decimal*>(&*ref)) **n = core::Decimal::of(body);
  if (auto* d = std::get_if<core::Date*>(&*ref)) **d = runtime::Date::from_dtos(body).value_or(runtime::Date{});
  if (auto* b = std::get_if<bool*>(&*ref)) **b = body == "1";
}

// The whole text written and forced to the disk: the journal must be there
// before the step it announces.
void write_through(const std::filesystem::path& p, const std::string& text, bool append) {
  const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC), 0644);
  if (fd < 0) throw std::runtime_error("journal " + p.string() + " cannot be written");
  std::size_t at = 0;
  while (at < text.size()) {
    const ssize_t n = ::write(fd, text.data() + at, text.size() - at);
    if (n <= 0) {
      ::close(fd);
      throw std::runtime_error("journal " + p.string() + " cannot be written");
    }
    at += static_cast<std::size_t>(n);
  }
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReceiptJournal::ReceiptJournal(core::Ctx& ctx)
    : ctx_(ctx), path_(os::resolve(ctx.folder(), "cupom" + runtime::trim(ctx.g.WMAQUINA) + ".jrn")) {}

bool ReceiptJournal::exists() const { return std::filesystem::exists(path_); }

std::optional<JournalState> ReceiptJournal::load() const {
  std::ifstream in(path_);
  if (!in) return std::nullopt;
  JournalState s;
  std::string line;
  bool started = false;
  while (std::getline(in, line)) {
    if (line.size() < 2) continue;  // a line cut by the crash
    const char kind = line[0];
    const std::string rest = line.substr(2);
    if (kind == 'R') {
      s.letter = rest.empty() ? '?' : rest[0];
      started = true;
    } else if (kind == 'G') {
      const auto eq = rest.find('=');
      if (eq != std::string::npos) s.settings.emplace_back(rest.substr(0, eq), rest.substr(eq + 1));
    } else if (kind == 'P') {
      s.printer_closed = true;
    } else if (kind == 'S') {
      s.done.insert(rest);
    } else if (kind == 'I') {
      std::istringstream f(rest);
      std::string recno, before, after;
      if (f >> recno >> before >> after)
        s.stock.push_back({static_cast<std::uint32_t>(std::stoul(recno)), core::Decimal::of(before),
                           core::Decimal::of(after)});
    }
  }
  if (!started) return std::nullopt;
  return s;
}

void ReceiptJournal::begin(char letter, bool printer_closed) {
  std::string text = std::string("R ") + letter + "\n";
  for (const char* name : kSettings) text += std::string("G ") + name + "=" + encoded(ctx_.g, name) + "\n";
  if (printer_closed) text += "P .\n";
  // Written whole under another name first: a crash while writing it must
  // not leave a journal without its settings.
  const std::filesystem::path fresh = path_.string() + ".new";
  write_through(fresh, text, false);
  std::filesystem::rename(fresh, path_);
}

void ReceiptJournal::mark_printer_closed() { append_line("P ."); }
void ReceiptJournal::mark(const std::string& step) { append_line("S " + step); }
void ReceiptJournal::stock_intent(const StockIntent& s) {
  append_line("I " + std::to_string(s.recno) + " " + s.before.to_string() + " " + s.after.to_string());
}
void ReceiptJournal::finish() {
  std::error_code ec;
  std::filesystem::remove(path_, ec);
}

void ReceiptJournal::restore_settings(core::Globals& g, const JournalState& s) {
  for (const auto& [name, value] : s.settings) decode_into(g, name, value);
}

void ReceiptJournal::append_line(const std::string& line) { write_through(path_, line + "\n", true); }

}  // namespace zelto::sales
