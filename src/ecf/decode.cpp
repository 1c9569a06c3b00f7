#include "ecf/decode.hpp"

#include <array>

#include "core/dialogs.hpp"
#include "ecf/library_call.hpp"
#include "ecf/make.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

using runtime::utf8_to_cp1252;

const Text kNoCommunication = "Erro na Comunicacao com a Impressora";
const Text kZeros(16, '0');

Text code_message(int code) {
  switch (code) {
    case -1: return "Erro de Execucao da Funcao.";
    case -2: return "Parametro Invalido na Funcao.";
    case -3: return "Aliquota NAO Programada/Cadastrada no ECF";
    case -4: return "O Arquivo Bemafi32.ini, nao esta na pasta do windows.";
    case -5: return "Erro ao Abrir a Porta de Comunicacao.";
    case -8: return "Erro ao Criar ou Gravar no arquivo STATUS.TXT ou RETORNO.TXT";
    case -24: return "Forma de Pagamento Nao Programada no ECF";
    case -27: return "Status da Impressora diferente de 6,0,0 (ACK,ST1,ST2).";
    case -36: return "Forma de Pagamento Nao Finalizada.";
    default: return "Outro erro " + runtime::str(code, 5);
  }
}

// Epson's printer-state flags in the order they are examined (7 and 14 are
// not), with the message each gives; an empty message fails silently.
struct Flag {
  int position;
  const char* message_utf8;
};
constexpr std::array<Flag, 14> kEpsonFlags = {{
    {1, "Impressora Offline..."},
    {2, "Erro de impressão..."},
    {3, "Tampa superior aberta..."},
    {4, "Estado da gaveta..."},
    {5, ""},
    {6, ""},
    {8, "Aguardando retirada do papel..."},
    {9, "Aguardando inserção do papel..."},
    {10, "Estado do sensor inferior da estação de cheque..."},
    {11, "Estado do sensor superior da estação do cheque..."},
    {12, "Estado do sensor de autenticação (TMH6000 e TMU675)..."},
    {13, ""},
    {15, "Impressora sem papel..."},
    {16, "Impressora com pouco papel..."},
}};
constexpr int kLittlePaperFlag = 16;

// Epson's four-digit command return as the classic return code that means
// the same: families 01 parameters, 02 fiscal refusals (03 rate, 24 payment
// form, 27 the printer's state, 36 payments not finished), 03 files, 05 no
// answer. Anything else is taken as the code itself.
int classic_code_of(const Text& command_return) {
  const Text digits = runtime::trim(command_return);
  if (digits.empty() || digits.find_first_not_of("0123456789") != Text::npos) return 0;
  const int n = std::stoi(digits);
  switch (n) {
    case 0:
    case 500: return 0;
    case 101: return -2;
    case 203: return -3;
    case 224: return -24;
    case 227: return -27;
    case 236: return -36;
    case 301: return -1;
    default: return -n;
  }
}

// The little-paper warning: asked once per run when the configuration wants
// it; a No stops the command.
bool little_paper_passes(core::Ctx& ctx) {
  if (ctx.g.VPOUCOPAPEL || ctx.g.VAVPOUPAPEL != "S") return true;
  if (!core::G_CONF(ctx, "Existe POUCO PAPEL, Continuar")) return false;
  ctx.g.VPOUCOPAPEL = true;
  return true;
}

}  // namespace

Verdict code_verdict(int code, const Text& failure) {
  Verdict v;
  if (code == 1) return v;
  v.ok = false;
  if (code == 0) {
    v.messages.push_back(kNoCommunication + (failure.empty() ? Text() : ",\r\r" + failure) + ".");
    return v;
  }
  v.messages.push_back(code_message(code));
  if (!failure.empty()) v.messages.push_back(failure);
  return v;
}

Verdict status_verdict(int ack, int st1, int st2) {
  Verdict v;
  if (ack != 6) {
    v.ok = false;
    v.messages.push_back(ack == 21 ? "A T E N C A O, ERRO na Comunicacao com a Impressora"
                                   : "A T E N C A O,  Erro de Comunicacao Com a Impressora");
    return v;
  }
  if (st1 != 0) {
    // Only the highest bit of ST1 counts.
    if (st1 >= 128) {
      v.ok = false;
      v.messages.push_back("A T E N C A O, Fim do Papel");
    } else if (st1 >= 64) {
      v.little_paper = true;
    } else {
      v.ok = false;
      if (st1 >= 32) v.messages.push_back("A T E N C A O, Erro no Relogio.");
      else if (st1 >= 16) v.messages.push_back("A T E N C A O, Impressora em Erro.");
      else if (st1 >= 8) v.messages.push_back("A T E N C A O, primeiro dado de CMD no foi ESC (18h).");
      else if (st1 >= 4) v.messages.push_back("A T E N C A O, comando inexistente.");
      else if (st1 >= 2) v.messages.push_back("A T E N C A O, EXISTE Cupom Fiscal Aberto.");
      else v.messages.push_back("A T E N C A O, numero de parametro de CMD invalido.");
    }
    return v;
  }
  // Every bit of ST2 counts, from the highest down.
  static const std::array<std::pair<int, Text>, 8> bits = {{
      {128, "A T E N C A O, Tipo de Parametro de CMD Invalido"},
      {64, "A T E N C A O, Memoria Fiscal Lotada"},
      {32, "A T E N C A O, Erro na Memoria RAM CMOS Nao Volatil"},
      {16, utf8_to_cp1252("A T E N C A O, Al¡quota Nao Programada")},
      {8, "A T E N C A O, Capacidade de Aliquotas esgotada"},
      {4, "A T E N C A O, Cancelamento Nao Permitido"},
      {2, "A T E N C A O, CNPJ/IE do Proprietario Nao Programados"},
      {1, "A T E N C A O, Comando Nao Executado"},
  }};
  for (const auto& [bit, message] : bits) {
    if (st2 & bit) {
      v.ok = false;
      v.messages.push_back(message);
    }
  }
  return v;
}

Verdict epson_verdict(const EpsonState& s, std::optional<int> entry_code, const Text& failure) {
  Verdict v;
  const Text printer = runtime::left(runtime::trim(s.printer), 16);
  const Text fiscal = runtime::left(runtime::trim(s.fiscal), 16);
  if ((!printer.empty() && printer != kZeros) || fiscal != kZeros) {
    for (const Flag& f : kEpsonFlags) {
      if (static_cast<int>(printer.size()) < f.position || printer[static_cast<std::size_t>(f.position - 1)] != '1')
        continue;
      if (f.position == kLittlePaperFlag) {
        // Little paper is a warning, as on the other makes: the operator is
        // asked, and printing goes on.
        v.little_paper = true;
        break;
      }
      v.ok = false;
      if (*f.message_utf8) v.messages.push_back(kNoCommunication + "\r" + utf8_to_cp1252(f.message_utf8));
      return v;
    }
  }
  // A refused command is a failure whatever the state strings say: the
  // state read says so, or the command's return, or its entry.
  const Text command_return = runtime::trim(s.command_return);
  const bool refused = s.read_code == 1 || (!command_return.empty() && command_return != "0000") ||
                       (entry_code && *entry_code != 0);
  if (!refused) return v;
  Verdict failed = code_verdict(classic_code_of(command_return), failure);
  failed.ok = false;
  return failed;
}

std::optional<EpsonState> read_epson_state(core::Ctx& ctx) {
  Out printer(17), fiscal(17), command_return(5), message(101);
  auto rc = call(ctx, kRunLibrary, "EPSON_Obter_Estado_ImpressoraEX", printer, fiscal, command_return, message);
  if (!rc) return std::nullopt;
  EpsonState s{printer.text(), fiscal.text(), command_return.text(), message.text(), *rc};
  ctx.g.WESTADOIMPRESSORA = s.printer;
  ctx.g.WESTADOFISCAL = s.fiscal;
  return s;
}

bool settle(core::Ctx& ctx, const Verdict& verdict) {
  for (const Text& m : verdict.messages) core::G_ERRO(ctx, m);
  if (!verdict.ok) return false;
  return verdict.little_paper ? little_paper_passes(ctx) : true;
}

bool DECODIFICA(core::Ctx& ctx, int code) {
  switch (make_of(ctx.g)) {
    case Make::EP: {
      auto state = read_epson_state(ctx);
      if (!state) return false;
      return settle(ctx, epson_verdict(*state, code, ctx.g.VERROCOMUNICAECF));
    }
    case Make::AC: return true;
    default: return settle(ctx, code_verdict(code, ctx.g.VERROCOMUNICAECF));
  }
}

bool TEM_ERRO_ACK_ST1_ST2(core::Ctx& ctx) {
  const bool ok = settle(ctx, status_verdict(static_cast<int>(ctx.g.ACK.to_int()), static_cast<int>(ctx.g.ST1.to_int()),
                                             static_cast<int>(ctx.g.ST2.to_int())));
  ctx.g.VRETORIMPRE = ok;
  return ok;
}

}  // namespace zelto::ecf
