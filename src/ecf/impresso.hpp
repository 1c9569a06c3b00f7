#pragma once
// The one way to the fiscal printer: a generic command run by name on the
// make configured in VIMP_FIS.
//
//   g.WDESCR = ...; g.WSITUA = "1800"; ...
//   if (!ecf::IMP_FISCAL(ctx, "VEN_ITEM").ok) ...
//   ecf::Answer coo = ecf::IMP_FISCAL(ctx, "NRO_CUPOM");   // coo.ok, coo.number
//
// A command takes its arguments from the global settings its caller has set
// just before (WDESCR, NPAGOD, WDTINI ...). Action commands report in `ok`
// whether the printer did it; queries report in `ok` whether the value was
// read, which is also left in VRETORIMPRE, and give the value. The failure
// text of the command is in VERROCOMUNICAECF while it runs; every failure
// has been shown to the operator by the time the command returns.
//
// Operator input is held while a command runs (boxes lift the hold while
// they are shown).

#include <string_view>

#include "core/context.hpp"
#include "ecf/answer.hpp"

namespace zelto::ecf {

// Runs the command `name` (any case). A name matches the command whose name
// it begins with ("CANC_ANTERIOR_ITEM" runs "CANC_ANTERIOR"). A name that
// matches none, or a make no command serves, shows why and fails: the
// program goes on, since a receipt may be open on the printer.
Answer IMP_FISCAL(core::Ctx& ctx, std::string_view name);

// True when a fiscal receipt is open on the printer (called directly, not by
// name).
bool TEM_CUPOM_ABERTO(core::Ctx& ctx);
// True when printing must not go on: the paper has ended, or the printer's
// state could not be read.
bool FIM_PAPEL_BEM7(core::Ctx& ctx);

// The hold on operator input of a running command, and its release
// (VTECLADO_TRAVADO tells which is in force).
void TRAVA_TECLADO(core::Ctx& ctx);
void DESTRAVA_TECLADO(core::Ctx& ctx);

// The stop of a command that cannot run: `text` + "  /  " + the command's
// name (WPARERRO) shown to the operator; the command fails.
Answer FINAL(core::Ctx& ctx, const Text& text);

}  // namespace zelto::ecf
