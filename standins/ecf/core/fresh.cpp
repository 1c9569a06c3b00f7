#include "ecf/core/fresh.hpp"

#include "ecf/core/printer.hpp"
#include "ecf/core/store.hpp"

namespace zelto::ecfsim {

std::string default_serial(Make make) {
  // The classic makes answer 15 characters, Epson 20.
  return make == Make::EP ? "EP0101ZE000000000001" : make_code(make) + "0101ZE0000001";
}

FiscalMemory fresh_memory(const FreshOptions& o, const DateTime& computer, std::vector<std::string>& printed) {
  FiscalMemory m;
  m.make = o.make;
  m.serial = o.serial.empty() ? default_serial(o.make) : o.serial;
  m.header = {"ZELTO COMERCIO DE ALIMENTOS LTDA", "RUA DAS ACACIAS, 120 - CENTRO - SAO PAULO - SP",
              "CNPJ: 12.345.678/0001-95  IE: 110.042.490.114"};
  m.cro = 1;
  m.rates = {{1800, false}, {1200, false}, {700, false}, {500, true}};
  // The forms the program programs, in its order, and the TecBan cheque it
  // pays with when the card manager prints no slip.
  const std::pair<const char*, bool> forms[] = {
      {"Dinheiro", false},        {"Cheque", false},        {"Ticket", false},          {"Cartao", true},
      {"TecBan", true},           {"HiperCard", true},      {"Consulta Cheque", true},  {"VISA Avulso", false},
      {"American Avulso", false}, {"TecBan Avulso", false}, {"HiperCard Avuls", false}, {"RedeCard Avulso", false},
      {"Cons. CH. TecBan", true}, {"Cheque TecBan", true}};
  for (const auto& [name, linked] : forms) m.forms.push_back(PaymentForm{name, linked});

  // The reduction of the evening before, printed with the clock of then.
  DateTime now = o.clock.now(computer);
  DateTime evening{now.date.plus_days(-1), 22, 0, 0};
  Output out;
  Environment then{evening, Faults::Paper::Ok, {}};
  Printer(m, then, out).z_reduction();
  m.clock = o.clock;
  m.last_command = {};
  printed = out.paper.lines();
  return m;
}

FiscalMemory install_fresh_printer(const std::filesystem::path& folder, const FreshOptions& o,
                                   const DateTime& computer) {
  std::vector<std::string> printed;
  FiscalMemory m = fresh_memory(o, computer, printed);
  PrinterLock lock(folder);
  std::filesystem::remove(folder / files::kRoll);
  std::filesystem::remove(folder / files::kFaults);
  append_roll(folder, printed);
  save_memory(folder, m);
  return m;
}

}  // namespace zelto::ecfsim
