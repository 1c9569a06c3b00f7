// The printer settings the fiscal menu programs: payment forms, tax rates,
// daylight-saving time, rounding or truncation, the currency symbol.
//
// Flags the classic entries take as text ("1" ISS, "1" the form admits a
// linked receipt) go as text: a number there would arrive empty.

#include "core/dialogs.hpp"
#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

// The main window's status text while forms are programmed.
class StatusText {
 public:
  StatusText(core::Ctx& ctx, const Text& text) : ctx_(ctx) { ctx_.screen.set_message(text); }
  ~StatusText() { ctx_.screen.set_message(""); }
  StatusText(const StatusText&) = delete;
  StatusText& operator=(const StatusText&) = delete;

 private:
  core::Ctx& ctx_;
};

const Text kProgrammingForms = "Aguarde, Cadastrando as Formas de Pagamentos";

Text flag_text(const Decimal& n) { return n == Decimal(1) ? "1" : "0"; }

// The monitor has no command for the payment forms: told, and refused.
Answer not_for_monitor(core::Ctx& ctx) {
  core::G_ERRO(ctx, "nao definido para acbr");
  return Answer::outcome(false);
}

bool program_form(core::Ctx& ctx, Make m, const Text& description, const Text& linked) {
  const ClassicEntries& e = classic_entries(m);
  if (m == Make::DA) return decoded(ctx, call(ctx, kRunLibrary, e.program_form, description)).ok;
  return decoded(ctx, call(ctx, kRunLibrary, e.program_form, description, linked)).ok;
}

}  // namespace

Answer PROG_FORMAS_PGTO(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (m == Make::EP) return Answer::outcome(true);
  if (m == Make::AC) return not_for_monitor(ctx);
  if (!classic(m)) return no_such_make(ctx);
  StatusText status(ctx, kProgrammingForms);
  const std::pair<const Text*, const char*> forms[] = {
      {&g.V_DPRESTD, "0"}, {&g.V_DPRESTC, "0"}, {&g.V_DPRESTT, "0"}, {&g.V_DPRESTA, "1"}, {&g.V_DPRESTB, "1"},
      {&g.V_DPRESTP, "1"}, {&g.V_DPRESTH, "1"}, {&g.V_DPRESTV, "0"}, {&g.V_DPRESTM, "0"}, {&g.V_DPRESTE, "0"},
      {&g.V_DPRESTI, "0"}, {&g.V_DPRESTR, "0"}, {&g.V_DPRESTU, "1"}};
  for (const auto& [description, linked] : forms)
    if (!program_form(ctx, m, *description, linked)) return Answer::outcome(false);
  return Answer::outcome(true);
}

Answer INC_FORMAS_PGTO(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (m == Make::AC) return not_for_monitor(ctx);
  if (!classic(m) && m != Make::EP) return no_such_make(ctx);
  StatusText status(ctx, kProgrammingForms);
  if (m == Make::EP) {
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Config_Forma_Pagamento", Logical{true}, g.WNUMFPAGTO,
                             g.WFORMAPGTO));
  }
  return Answer::outcome(program_form(ctx, m, g.WFORMAPGTO, flag_text(g.WTEF_)));
}

Answer INC_ALIQUOTA(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m))
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).program_rate, g.WNOVA_ALIQ, flag_text(g.WISS_ICMS)));
  if (m == Make::EP) {
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Config_Aliquota", g.WNOVA_ALIQ,
                             Logical{g.WISS_ICMS == Decimal(1)}));
  }
  return no_such_make(ctx);
}

Answer HORARIO_VERAO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).summer_time));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Config_Horario_Verao"));
  return no_such_make(ctx);
}

Answer GR_ARREDONDAMENTO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).rounding));
  if (m == Make::EP) return Answer::outcome(true);
  return no_such_make(ctx, StopText::NotFound, Monitor::NoCommand);
}

Answer GR_TRUNCAMENTO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).truncating));
  if (m == Make::EP) return Answer::outcome(true);
  return no_such_make(ctx, StopText::NotFound, Monitor::NoCommand);
}

Answer GR_MOEDA(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (m == Make::BE || m == Make::SW)
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).set_currency, ctx.g.MOEDA));
  if (m == Make::DA || m == Make::EP) return Answer::outcome(false);
  return no_such_make(ctx, StopText::NotLocated, Monitor::NoCommand);
}

}  // namespace zelto::ecf
