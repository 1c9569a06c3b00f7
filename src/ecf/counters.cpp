// The printer's serial number, counters, totals and settings read back.

#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

using runtime::substr;

// Epson's counters answer: 1-6 COO, 7-10 CRZ, 11-12 user, 13-18 CRO,
// 19-24 GNF, 25-28 CDC, 37-42 GRG, 43-48 CCF.
constexpr std::size_t kEpsonCounters = 84;

Answer epson_counter(core::Ctx& ctx, long start, long width, std::size_t buffer = kEpsonCounters) {
  Out counters(buffer);
  auto rc = call(ctx, kRunLibrary, "EPSON_Obter_Contadores", counters);
  return read_back(ctx, rc, substr(counters.text(), start, width));
}

// A counter of the classic makes by its index.
Answer by_index(core::Ctx& ctx, const char* index, std::size_t width) {
  Out answer(width);
  auto rc = call(ctx, kRunLibrary, classic_entries(make_of(ctx.g)).by_index, Text(index), answer);
  return read_back(ctx, rc, answer.text());
}

Answer with_number(Answer a, int decimals = 0) {
  a.number = amount_of(a.text, decimals);
  return a;
}

// The counter as read plus one, six digits: the callers take one off to
// have the open receipt's CCF.
Answer next_ccf(Answer a) {
  if (a.ok) a.text = runtime::strzero(runtime::val(a.text) + 1, 6);
  return with_number(std::move(a));
}

Text computer_date_time(core::Ctx& ctx) {
  const os::LocalTime now = ctx.clock.now();
  const Text hhmmss = now.hhmmss();
  return ddmmyyyy(now.date) + hhmmss.substr(0, 2) + hhmmss.substr(3, 2) + hhmmss.substr(6, 2);
}

}  // namespace

Answer NUM_SER(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    // Room for the twenty characters of a serial number: fifteen would cut
    // most of them.
    Out serial(20);
    auto rc = call(ctx, kRunLibrary, classic_entries(m).serial, serial);
    return read_back(ctx, rc, runtime::rtrim(serial.text()));
  }
  if (m == Make::EP) {
    Out data(108);
    auto rc = call(ctx, kRunLibrary, "EPSON_Obter_Dados_Impressora", data);
    return read_back(ctx, rc, runtime::rtrim(data.text().substr(0, 20)));
  }
  return no_such_make(ctx);
}

Answer NRO_CUPOM(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out coo(6);
    return with_number(read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).coo, coo), coo));
  }
  if (m == Make::EP) return with_number(epson_counter(ctx, 1, 6));
  return no_such_make(ctx);
}

// The classic makes all answer their counters by index; reading them on
// "BE" too keeps its receipts' CCF, GNF, GRG and CDC true instead of zeros
// that would reach the records and the legal files.
Answer NRO_CCF_CUPOM(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::BE:
    case Make::DA:
    case Make::SW: return next_ccf(by_index(ctx, "30", 6));
    case Make::EP: return next_ccf(epson_counter(ctx, 43, 6));
    default: return no_such_make(ctx);
  }
}

Answer NRO_USUARIO_ECF(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::BE: return with_number(known(ctx, "01"));
    case Make::DA:
    case Make::SW: return with_number(by_index(ctx, "94", 2));
    case Make::EP: {
      Out user(2);
      return with_number(read_back(ctx, call(ctx, kRunLibrary, "EPSON_Obter_Numero_Usuario", user), user));
    }
    default: return no_such_make(ctx);
  }
}

Answer NUMERO_CRO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  switch (m) {
    case Make::BE:
    case Make::DA: {
      Out cro(4);
      return with_number(read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).interventions, cro), cro));
    }
    case Make::SW: return with_number(by_index(ctx, "23", 6));
    case Make::EP: return with_number(epson_counter(ctx, 13, 6));
    default: return no_such_make(ctx);
  }
}

Answer NUMERO_GNF(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::BE:
    case Make::DA:
    case Make::SW: return with_number(by_index(ctx, "28", 6));
    case Make::EP: return with_number(known(ctx, "0", false));
    default: return no_such_make(ctx);
  }
}

Answer NUMERO_GRG(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::BE:
    case Make::DA:
    case Make::SW: return with_number(by_index(ctx, "33", 6));
    case Make::EP: return with_number(epson_counter(ctx, 37, 6));
    default: return no_such_make(ctx);
  }
}

Answer NUMERO_CDC(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::BE:
    case Make::DA:
    case Make::SW: return with_number(by_index(ctx, "45", 4));
    case Make::EP: return with_number(epson_counter(ctx, 25, 4));
    default: return no_such_make(ctx);
  }
}

Answer DATA_HORA_RODAPE(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::DA:
    case Make::SW: return by_index(ctx, "74", 14);
    case Make::BE:
    case Make::EP: return known(ctx, computer_date_time(ctx));
    default: return no_such_make(ctx);
  }
}

Answer LER_MOEDA(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  // The symbol is two characters ("R$"); the buffer has room for them.
  Out symbol(2);
  if (classic(m)) return read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).currency, symbol), symbol);
  if (m == Make::EP)
    return read_back(ctx, call(ctx, kRunLibrary, "EPSON_Obter_Simbolo_Moeda", symbol), symbol);
  return no_such_make(ctx);
}

Answer LER_TRUNC_ARRED(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  Out mode(1);
  if (classic(m)) return read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).truncation, mode), mode);
  if (m == Make::EP) {
    Out made(1);
    return read_back(ctx, call(ctx, kRunLibrary, "EPSON_Obter_Arredonda_Trunca_Fabricacao", mode, made), mode);
  }
  return no_such_make(ctx);
}

Answer GRANDE_TOTAL(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  Out total(18);  // 16 digits of reais, 2 of cents
  switch (m) {
    case Make::DA:
    case Make::SW:
      return with_number(read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).grand_total, total), total), 2);
    case Make::EP:
      return with_number(read_back(ctx, call(ctx, kRunLibrary, "EPSON_Obter_GT", total), total), 2);
    case Make::BE: return with_number(known(ctx, "0"));
    default: return no_such_make(ctx);
  }
}

Answer VENDA_DIARIA_ACUMULADA(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  switch (m) {
    case Make::DA:
    case Make::SW: {
      Out total(18);
      return with_number(read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).gross_sales, total), total), 2);
    }
    case Make::EP: {
      Out today(15), before(15);  // 13 digits of reais, 2 of cents
      return with_number(read_back(ctx, call(ctx, kRunLibrary, "EPSON_Obter_Venda_Bruta", today, before), today),
                         2);
    }
    case Make::BE: return with_number(known(ctx, "0"));
    default: return no_such_make(ctx);
  }
}

Answer NRO_REDUCAO_Z(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out crz(4);
    return with_number(read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).reductions, crz), crz));
  }
  // The CRZ is the four digits after the COO's six.
  if (m == Make::EP) return with_number(epson_counter(ctx, 7, 4, 1167));
  return no_such_make(ctx);
}

}  // namespace zelto::ecf
