// The fiscal-memory and MFD readings the fiscal menu asks for: printed, or
// written by the library to its output files. Their period is WDTINI and
// WDTFIN for dates, WNROINI and WNROFIN for reduction or COO numbers.
//
// COO numbers go as six digits, as the printer counts them: in four, every
// COO past 9999 would be refused.

#include "core/dialogs.hpp"
#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"

namespace zelto::ecf {

namespace {

Text crz(const Decimal& n) { return zero_digits(n, 4); }
Text coo(const Decimal& n) { return zero_digits(n, 6); }

// The library's choice between the complete ("1") and the simplified ("0")
// reading, made before each reading.
bool choose_reading(core::Ctx& ctx, Make m, const Text& type) {
  return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).complete_readings, type)).ok;
}

// A reading this make does not have: a failure without a message.
Answer not_on_this_make() { return Answer::outcome(false); }

}  // namespace

Answer MEM_F_DATA(core::Ctx& ctx, const Text& type) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    if (!choose_reading(ctx, m, type)) return Answer::outcome(false);
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).memory_by_date, ddmmyy(g.WDTINI), ddmmyy(g.WDTFIN)));
  }
  if (m == Make::EP) return not_on_this_make();
  return no_such_make(ctx);
}

Answer MEM_F_INTERVALO(core::Ctx& ctx, const Text& type) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    if (!choose_reading(ctx, m, type)) return Answer::outcome(false);
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).memory_by_reduction, crz(g.WNROINI), crz(g.WNROFIN)));
  }
  if (m == Make::EP) return not_on_this_make();
  return no_such_make(ctx);
}

Answer MEM_F_DATA_ARQUIVO(core::Ctx& ctx, const Text& type) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    if (!choose_reading(ctx, m, type)) return Answer::outcome(false);
    const ClassicEntries& e = classic_entries(m);
    return decoded(ctx, call(ctx, by_file(e.file), e.memory_to_file_by_date, ddmmyy(g.WDTINI), ddmmyy(g.WDTFIN)));
  }
  if (m == Make::EP) {
    const Text none;
    return decoded(ctx, call(ctx, kRunLibrary, "EPSON_RelatorioFiscal_Leitura_MF", ddmmyy(g.WDTINI), ddmmyy(g.WDTFIN),
                             0, none, none, 0, 0));
  }
  return no_such_make(ctx);
}

Answer MEM_F_INTERVALO_ARQUIVO(core::Ctx& ctx, const Text& type) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m)) {
    if (!choose_reading(ctx, m, type)) return Answer::outcome(false);
    const ClassicEntries& e = classic_entries(m);
    return decoded(ctx, call(ctx, by_file(e.file), e.memory_to_file_by_reduction, crz(g.WNROINI), crz(g.WNROFIN)));
  }
  if (m == Make::EP) return not_on_this_make();
  return no_such_make(ctx);
}

Answer ESP_MFD_DATA(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (m == Make::BE) {
    // Its answer counts: a mirror that was not written is not reported as
    // made.
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).mfd_download, Text("DOWNLOAD.MFD"), Text("1"),
                             ddmmyy(g.WDTINI), ddmmyy(g.WDTFIN), Text("1")));
  }
  if (classic(m))
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).mfd_download, dd_mm_yy(g.WDTINI), dd_mm_yy(g.WDTFIN)));
  if (m == Make::EP) return not_on_this_make();
  return no_such_make(ctx);
}

Answer ESP_MFD_COO(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (m == Make::BE) {
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).mfd_download, Text("DOWNLOAD.MFD"), Text("2"),
                             coo(g.WNROINI), coo(g.WNROFIN), Text("1")));
  }
  if (classic(m))
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).mfd_download, coo(g.WNROINI), coo(g.WNROFIN)));
  if (m == Make::EP) return not_on_this_make();
  return no_such_make(ctx);
}

Answer ARQ_MFD_DATA(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  const ClassicEntries& e = classic_entries(m);
  switch (m) {
    case Make::BE:
      return decoded(ctx, call(ctx, by_file(e.file), e.cotepe_by_date, Text(), dd_mm_yyyy(g.WDTINI),
                               dd_mm_yyyy(g.WDTFIN), Text("D"), Text("1"), 0, g.VCHAVEPRIVADA, g.VCHAVEPUBLICA, 1));
    case Make::DA:
      return decoded(ctx, call(ctx, by_file(e.file), e.cotepe_by_date, ddmmyyyy(g.WDTINI), ddmmyyyy(g.WDTFIN)));
    case Make::SW:
      return decoded(ctx, call(ctx, by_file(e.file), e.cotepe_by_date, yyyymmdd(g.WDTINI), yyyymmdd(g.WDTFIN)));
    case Make::EP: return not_on_this_make();
    default: return no_such_make(ctx);
  }
}

Answer ARQ_MFD_COO(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const Make m = make_of(g);
  if (classic(m))
    return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).cotepe_by_coo, coo(g.WNROINI), coo(g.WNROFIN)));
  return no_such_make(ctx);
}

Answer GERAR_MFPAF_DATA(core::Ctx& ctx) {
  const core::Globals& g = ctx.g;
  switch (make_of(g)) {
    case Make::DA:
      return decoded(ctx, call(ctx, by_file("DARUMA32.DLL"), classic_entries(Make::DA).memory_paf_file,
                               ddmmyyyy(g.WDTINI), ddmmyyyy(g.WDTFIN)));
    case Make::BE: core::G_ERRO(ctx, "nao previsto bematech _Gerar_MFPAF_Data  "); return Answer::outcome(false);
    case Make::SW: core::G_ERRO(ctx, "nao previsto sweda _Gerar_MFPAF_Data  "); return Answer::outcome(false);
    default: return no_such_make(ctx);
  }
}

}  // namespace zelto::ecf
