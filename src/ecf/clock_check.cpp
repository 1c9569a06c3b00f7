#include "ecf/clock_check.hpp"

#include <cctype>
#include <cstdlib>

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

constexpr long kMostMinutesApart = 15;

bool two_digits(const Text& s) { return s.size() == 2 && std::isdigit(static_cast<unsigned char>(s[0])) && std::isdigit(static_cast<unsigned char>(s[1])); }

long minutes_of(const Text& hhmm) { return std::atol(hhmm.substr(0, 2).c_str()) * 60 + std::atol(hhmm.substr(3, 2).c_str()); }

void show_clocks(core::Ctx& ctx, const os::LocalTime& computer, const Date& printer_date, const Text& printer_time,
                 long difference) {
  ctx.screen.tone(900, core::ticks(3));
  screen::FormSpec def;
  def.title = "  -= ZeltoECF =-   Horario do ECF e do Computador em ERRO";
  def.notes = {"-> Computador .Data.: " + computer.date.text() + "   .Hora.: " + computer.hhmm(),
                "-> Impressora .Data.: " + printer_date.text() + " .Hora.: " + printer_time,
                "=> Diferenca em Minutos..: " + std::to_string(difference)};
  def.buttons = {screen::FormButton{" OK ", [](screen::FormSession& f) { f.confirm(); }}};
  screen::FormSession form(std::move(def));
  ctx.screen.run_form(form);
}

}  // namespace

long G_DIFHOR(const Date& date1, const Text& time1, const Date& date2, const Text& time2) {
  return date1.minus(date2) * 1440 + minutes_of(time1) - minutes_of(time2);
}

Answer MINUTOS(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out date(6), time(6);
    auto rc = call(ctx, kRunLibrary, classic_entries(m).clock, date, time);
    return read_back(ctx, rc, date.text() + time.text());
  }
  if (m == Make::EP) {
    Out clock(14);
    auto rc = call(ctx, kRunLibrary, "EPSON_Obter_Hora_Relogio", clock);
    const Text t = clock.text();  // ddmmyyyyhhmmss
    return read_back(ctx, rc, t.substr(0, 4) + t.substr(6, 2) + t.substr(8, 6));
  }
  return no_such_make(ctx);
}

bool BEM7_MINUTOS(core::Ctx& ctx) {
  // The clock is read as a command of its own; the command that asked for
  // the check keeps its name and failure text.
  const Text command = ctx.g.WPARERRO, failure = ctx.g.VERROCOMUNICAECF;
  const Answer clock = IMP_FISCAL(ctx, "MINUTOS");
  ctx.g.WPARERRO = command;
  ctx.g.VERROCOMUNICAECF = failure;
  if (!clock.ok) return false;

  const Text t = clock.text;  // ddmmyyhhmmss
  const auto printer_date = Date::from_ddmmyy(runtime::left(t, 6));
  const Text hh = runtime::substr(t, 7, 2), mm = runtime::substr(t, 9, 2);
  if (!printer_date || printer_date->empty() || !two_digits(hh) || !two_digits(mm)) {
    core::G_ERRO(ctx, "Nao Conseguiu Obter a Data e Hora da Impressora (" + runtime::trim(t) + ")");
    return false;
  }
  const Text printer_time = hh + ":" + mm;
  const os::LocalTime now = ctx.clock.now();
  const long difference = std::labs(G_DIFHOR(now.date, now.hhmm(), *printer_date, printer_time));
  if (difference <= kMostMinutesApart) return true;
  show_clocks(ctx, now, *printer_date, printer_time, difference);
  return false;
}

}  // namespace zelto::ecf
