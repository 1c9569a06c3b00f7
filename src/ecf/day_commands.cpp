// The printer's day: the port, the opening, the X reading and the Z
// reduction, and the reset of a printer left in error.

#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"

namespace zelto::ecf {

namespace {

Text hhmmss_digits(const os::LocalTime& t) {
  Text s = t.hhmmss();
  return s.substr(0, 2) + s.substr(3, 2) + s.substr(6, 2);
}

}  // namespace

Answer ABRE_PORTA_SERIAL(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  // The classic makes' libraries open their port by themselves.
  if (classic(m)) return Answer::outcome(true);
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_Serial_Abrir_PortaEX"));
  return no_such_make(ctx);
}

Answer ABERTURA_ECF(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).x_reading));
  if (m == Make::EP) {
    // The movement may be open already (the opening is run again after a
    // restart): the opening is done whatever the printer answers, once it
    // was reached.
    return Answer::outcome(call(ctx, kRunLibrary, "EPSON_RelatorioFiscal_Abrir_Jornada").has_value());
  }
  return no_such_make(ctx);
}

Answer LEITURA_X(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (m == Make::DA) return decoded(ctx, call(ctx, by_file("Daruma32.dll"), classic_entries(m).x_reading));
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).x_reading));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_RelatorioFiscal_LeituraX"));
  return no_such_make(ctx);
}

Answer SERIAL_LEITURA_X(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).x_reading_to_file));
  if (m == Make::EP) return decoded(ctx, call(ctx, kRunLibrary, "EPSON_RelatorioFiscal_Salvar_LeituraX"));
  return no_such_make(ctx, StopText::NotLocated);
}

Answer REDUCAO_Z(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  const os::LocalTime now = ctx.clock.now();
  Answer a;
  if (classic(m)) {
    // Loaded by its file for this call: the reduction works even when the
    // run's library did not load.
    const ClassicEntries& e = classic_entries(m);
    a = decoded(ctx, call(ctx, by_file(e.file), e.z_reduction, ddmmyy(ctx.g.WDATA), now.hhmmss()));
  } else if (m == Make::EP) {
    Out crz(4);
    a = decoded(ctx, call(ctx, kRunLibrary, "EPSON_RelatorioFiscal_RZ", ddmmyyyy(ctx.g.WDATA), hhmmss_digits(now),
                          Text("2"), crz));
  } else {
    return no_such_make(ctx);
  }
  ctx.g.VRETORIMPRE = a.ok;
  return a;
}

Answer RESET_ERRO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (m == Make::BE || m == Make::SW) return decoded(ctx, call(ctx, kRunLibrary, classic_entries(m).reset));
  if (m == Make::DA || m == Make::EP) return Answer::outcome(true);
  return no_such_make(ctx);
}

}  // namespace zelto::ecf
