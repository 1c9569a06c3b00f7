// "InterfaceEpson.dll": the Epson entries over the emulated printer.
//
// Epson entries return 0 when done; the program does not look at the code
// but reads the printer's state with EPSON_Obter_Estado_ImpressoraEX after
// every command. That read answers for the command before it: its return
// is 1 and the fiscal state's last flag is set when that command was
// refused, and the command return and error text say why.

#include <functional>

#include "ecf/core/answers.hpp"
#include "ecf/core/session.hpp"
#include "ecf/makes/abi.hpp"

using namespace zelto::ecfsim;
using abi::arg;

namespace {

constexpr int kNoAnswer = 500;

// The four-digit command return of the Epson state read.
std::string epson_code(Refusal refusal, int forced) {
  switch (refusal) {
    case Refusal::None: return "0000";
    case Refusal::BadParameter: return "0101";
    case Refusal::RateNotProgrammed: return "0203";
    case Refusal::FormNotProgrammed: return "0224";
    case Refusal::PaymentNotFinished: return "0236";
    case Refusal::Refused: return "0227";
    case Refusal::ExecutionError: return "0301";
    case Refusal::Forced: return digits(forced < 0 ? -forced : forced, 4);
    case Refusal::NoAnswer: return "0500";
  }
  return "0301";
}

int run(const Operation& op, const std::function<void()>& answer = nullptr) {
  CallResult r = run_command(abi::folder(), Make::EP, CallKind::Command, op);
  if (!r.answered) return kNoAnswer;
  if (r.lost) return r.lost_zero ? kNoAnswer : 0;
  if (r.outcome.ok() && answer) answer();
  return std::stoi(epson_code(r.outcome.refusal, r.outcome.code));
}

int query(char* buffer, const std::function<std::string(const Printer&)>& read) {
  std::string value;
  return run([&](Printer& p) { value = read(p); return Outcome::done(); }, [&] { abi::put(buffer, value); });
}

std::optional<Milli> number(const char* text, int decimals) { return abi::scaled_to_thousandths(arg(text), decimals); }

// An amount given as digits with `decimals` implied places, in cents.
std::optional<Cents> amount(const char* text, int decimals) {
  auto v = number(text, decimals);
  if (!v) return std::nullopt;
  return *v / 10;
}

}  // namespace

// State.
ECFSIM_ENTRY int EPSON_Obter_Estado_ImpressoraEX(char* printer, char* fiscal, char* command_return, char* message) {
  std::string ps, fs, code, why;
  bool failed = false;
  CallResult r = run_command(abi::folder(), Make::EP, CallKind::AnswerChannel, [&](Printer& p) {
    const LastCommand& last = p.memory().last_command;
    ps = answers::epson_printer_state(p.memory(), p.paper());
    fs = answers::epson_fiscal_state(p.memory(), p.now());
    code = epson_code(last.refusal, last.code);
    why = last.why;
    failed = last.refusal != Refusal::None || !last.answered;
    return Outcome::done();
  });
  if (!r.answered) return 1;
  abi::put(printer, ps);
  abi::put(fiscal, fs);
  abi::put(command_return, code);
  abi::put(message, pad_right(failed ? why : "", 100));
  return failed ? 1 : 0;
}
ECFSIM_ENTRY int EPSON_Serial_Abrir_PortaEX() {
  return run([](Printer&) { return Outcome::done(); });
}

// Receipt.
ECFSIM_ENTRY int EPSON_Fiscal_Abrir_Cupom(const char* doc, const char*, const char*, const char*, const char*) {
  std::string d = arg(doc);
  return run([&](Printer& p) { return p.open_receipt(d); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Vender_Item(const char* code, const char* description, const char* quantity,
                                          int quantity_decimals, const char* unit, const char* price,
                                          int price_decimals, const char* tax, int /*kind*/) {
  std::string c = arg(code), d = arg(description), u = arg(unit), t = arg(tax);
  auto q = number(quantity, quantity_decimals);
  auto pr = number(price, price_decimals);
  return run([&](Printer& p) {
    if (!q || !pr) return Outcome::bad("quantidade ou preco invalido");
    return p.sell(ItemSale{c, d.substr(0, 29), t, u, *q, *pr, 0, 0});
  });
}
ECFSIM_ENTRY int EPSON_Fiscal_Cancelar_Ultimo_Item() {
  return run([](Printer& p) { return p.cancel_last_item(); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Cancelar_Item(const char* item) {
  auto n = parse_digits(arg(item), 3);
  return run([&](Printer& p) { return n ? p.cancel_item(static_cast<int>(*n)) : Outcome::bad("item invalido"); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Cancelar_Cupom() {
  return run([](Printer& p) { return p.cancel_receipt(); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Desconto_Acrescimo_Subtotal(const char* value, int decimals, int discount, int percent) {
  auto v = amount(value, decimals);  // hundredths: cents, or hundredths of a percent
  return run([&](Printer& p) {
    if (!v) return Outcome::bad("valor invalido");
    return p.subtotal(Adjustment{discount != 0, percent != 0, *v});
  });
}
ECFSIM_ENTRY int EPSON_Fiscal_Pagamento(const char* form, const char* value, int decimals, const char*, const char*) {
  std::string f = arg(form);
  auto v = amount(value, decimals);
  return run([&](Printer& p) { return v ? p.pay(f, *v) : Outcome::bad("valor invalido"); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Imprimir_Mensagem(const char* l1, const char* l2, const char* l3, const char* l4,
                                                const char* l5, const char* l6, const char* l7, const char* l8) {
  std::vector<std::string> lines = {arg(l1), arg(l2), arg(l3), arg(l4), arg(l5), arg(l6), arg(l7), arg(l8)};
  return run([&](Printer& p) { return p.footer_lines(lines); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Fechar_Cupom(int /*cut*/, int /*drawer*/) {
  return run([](Printer& p) { return p.close_receipt(""); });
}
ECFSIM_ENTRY int EPSON_Fiscal_Dados_Consumidor(const char* doc, const char* name, const char* address, const char*,
                                               const char*) {
  std::string d = arg(doc), n = arg(name), a = arg(address);
  return run([&](Printer& p) { return p.identify_consumer(d, n, a); });
}

// Day and readings.
ECFSIM_ENTRY int EPSON_RelatorioFiscal_Abrir_Jornada() {
  return run([](Printer& p) { return p.open_day(); });
}
ECFSIM_ENTRY int EPSON_RelatorioFiscal_LeituraX() {
  return run([](Printer& p) { return p.x_reading(); });
}
ECFSIM_ENTRY int EPSON_RelatorioFiscal_Salvar_LeituraX() {
  return run([](Printer& p) { return p.x_reading_to_file(); });
}
ECFSIM_ENTRY int EPSON_RelatorioFiscal_RZ(const char* /*date*/, const char* /*time*/, const char*, char* crz) {
  std::string number;
  return run(
      [&](Printer& p) {
        Outcome o = p.z_reduction();
        number = digits(p.memory().crz, 4);
        return o;
      },
      [&] { abi::put(crz, number); });
}
ECFSIM_ENTRY int EPSON_RelatorioFiscal_Leitura_MF(const char* from, const char* to, int, const char*, const char*, int,
                                                  int) {
  auto a = abi::date(arg(from)), b = abi::date(arg(to));
  return run([&](Printer& p) {
    if (!a || !b) return Outcome::bad("periodo invalido");
    Range r;
    r.from_date = *a;
    r.to_date = *b;
    return p.memory_reading(r, true, true);
  });
}

// Status and counters.
ECFSIM_ENTRY int EPSON_Obter_Estado_Cupom(char* state) {
  return query(state, [](const Printer& p) { return answers::epson_receipt_state(p.memory()); });
}
ECFSIM_ENTRY int EPSON_Obter_Tabela_Aliquotas(char* table) {
  return query(table, [](const Printer& p) { return answers::epson_rate_table(p.memory()); });
}
ECFSIM_ENTRY int EPSON_Obter_Hora_Relogio(char* clock) {
  return query(clock, [](const Printer& p) { return format_date(p.now().date, DateForm::DDMMYYYY) + hhmmss(p.now()); });
}
ECFSIM_ENTRY int EPSON_Obter_Dados_Impressora(char* data) {
  return query(data, [](const Printer& p) { return answers::epson_printer_data(p.memory()); });
}
ECFSIM_ENTRY int EPSON_Obter_GT(char* total) {
  return query(total, [](const Printer& p) { return answers::amount18(p.memory().gt); });
}
ECFSIM_ENTRY int EPSON_Obter_Venda_Bruta(char* today, char* before) {
  std::string t, b;
  return run(
      [&](Printer& p) {
        const FiscalMemory& m = p.memory();
        t = answers::amount15(m.day.open ? m.day.totals.gross : 0);
        b = answers::amount15(m.zs.empty() ? 0 : m.zs.back().totals.gross);
        return Outcome::done();
      },
      [&] {
        abi::put(today, t);
        abi::put(before, b);
      });
}
ECFSIM_ENTRY int EPSON_Obter_Contadores(char* counters) {
  return query(counters, [](const Printer& p) { return answers::epson_counters(p.memory()); });
}
ECFSIM_ENTRY int EPSON_Obter_Numero_Usuario(char* user) {
  return query(user, [](const Printer& p) { return digits(p.memory().user, 2); });
}
ECFSIM_ENTRY int EPSON_Obter_Dados_Ultima_RZ(char* data) {
  return query(data, [](const Printer& p) { return answers::epson_z_data_or_zeros(p.memory()); });
}
ECFSIM_ENTRY int EPSON_Obter_Dados_Jornada(char* data) {
  return query(data, [](const Printer& p) { return answers::epson_day_data(p.memory(), p.now()); });
}
ECFSIM_ENTRY int EPSON_Obter_Arredonda_Trunca_Fabricacao(char* mode, char* made) {
  std::string m;
  return run(
      [&](Printer& p) {
        m = p.memory().truncate ? "1" : "0";
        return Outcome::done();
      },
      [&] {
        abi::put(mode, m);
        abi::put(made, "0");  // as made: rounding
      });
}
ECFSIM_ENTRY int EPSON_Obter_Simbolo_Moeda(char* symbol) {
  return query(symbol, [](const Printer& p) { return pad_right(p.memory().currency, 2); });
}

// Drawer, cash and non-fiscal documents. Amounts arrive in cents.
ECFSIM_ENTRY int EPSON_Impressora_Abrir_Gaveta() {
  return run([](Printer& p) { return p.open_drawer(); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Sangria(const char* value, int) {
  auto v = abi::cents(arg(value));
  return run([&](Printer& p) { return v ? p.withdrawal(*v) : Outcome::bad("valor invalido"); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Pagamento(const char* value, const char* form, int, const char*, const char*) {
  auto v = abi::cents(arg(value));
  std::string f = arg(form);
  return run([&](Printer& p) { return v ? p.supply(*v, f) : Outcome::bad("valor invalido"); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Abrir_Relatorio_Gerencial(const char* /*report*/) {
  return run([](Printer& p) { return p.open_report(); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Imprimir_LinhaEX(const char* text) {
  std::string t = arg(text);
  return run([&](Printer& p) {
    if (p.memory().doc.kind != OpenDoc::Report)
      return Outcome::refused(0, st2::kNotExecuted, "nenhum relatorio aberto");
    return p.report_text(t);
  });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Fechar_Relatorio_Gerencial() {
  return run([](Printer& p) { return p.close_report(); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Abrir_CCD(const char* form, const char* value, int decimals, const char* /*parcels*/) {
  std::string f = arg(form);
  auto v = amount(value, decimals);
  return run([&](Printer& p) { return v ? p.open_linked(f, *v, std::nullopt) : Outcome::bad("valor invalido"); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Imprimir_Linha(const char* text) {
  std::string t = arg(text);
  return run([&](Printer& p) { return p.linked_text(t); });
}
ECFSIM_ENTRY int EPSON_NaoFiscal_Fechar_CCD(int /*cut*/) {
  return run([](Printer& p) { return p.close_linked(); });
}

// Settings.
ECFSIM_ENTRY int EPSON_Config_Forma_Pagamento(int linked, const char* /*number*/, const char* name) {
  std::string n = arg(name);
  return run([&](Printer& p) { return p.program_form(n, linked != 0); });
}
ECFSIM_ENTRY int EPSON_Config_Aliquota(const char* rate, int iss) {
  auto v = parse_digits(arg(rate), 4);
  return run([&](Printer& p) { return v ? p.program_rate(static_cast<int>(*v), iss != 0) : Outcome::bad("aliquota invalida"); });
}
ECFSIM_ENTRY int EPSON_Config_Horario_Verao() {
  return run([](Printer& p) { return p.toggle_summer_time(); });
}
