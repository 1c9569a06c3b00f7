#include "ecf/tax_rates.hpp"

#include <algorithm>

#include "ecf/library_call.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

const Text kFixedCodes = "+NN+II+FF+";
constexpr int kSlots = 16;
constexpr std::size_t kClassicWidth = 79, kEpsonWidth = 553;
constexpr long kEpsonRecord = 23;

Text without_commas(Text s) {
  s.erase(std::remove(s.begin(), s.end(), ','), s.end());
  return s;
}

Text rate_entry(int position, const Text& four) {
  return "A" + runtime::strzero(position, 2) + "-" + four.substr(0, 2) + "." + four.substr(2, 2) + "+";
}

Answer load(core::Ctx& ctx, std::optional<int> rc, const Text& answer, RateTable (*parse)(const Text&)) {
  Answer a = read_back(ctx, rc, "");
  if (!a.ok) return a;  // the rates in hand stay as they were
  const RateTable t = parse(answer);
  ctx.g.VALIQUOTAS = t.valiquotas;
  ctx.g.WALIQUOTAS = t.waliquotas;
  a.text = t.valiquotas;
  return a;
}

}  // namespace

RateTable classic_rate_table(const Text& answer) {
  // Only the blanks after the last slot go, so that every slot keeps its
  // number even when an earlier one is blank.
  RateTable t{kFixedCodes, runtime::rtrim(without_commas(answer))};
  for (int k = 1; k <= kSlots; ++k) {
    const Text group = runtime::substr(t.waliquotas, 4 * k - 3, 4);
    if (group.size() == 4 && runtime::left(group, 2) != "  ") t.valiquotas += rate_entry(k, group);
  }
  return t;
}

RateTable epson_rate_table(const Text& answer) {
  RateTable t{kFixedCodes, ""};
  const Text records = runtime::trim(without_commas(answer));
  int n = 0;
  for (long start = 1; start <= static_cast<long>(kEpsonWidth) && n < kSlots; start += kEpsonRecord) {
    const Text record = runtime::substr(records, start, kEpsonRecord);
    const Text four = runtime::substr(record, 3, 4);
    if (record.empty() || record[0] != 'T' || four.size() != 4 || runtime::val(four) <= 0) continue;
    t.valiquotas += rate_entry(++n, four);
    t.waliquotas += four;
  }
  return t;
}

Answer ALIQUOTAS(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out table(kClassicWidth);
    auto rc = call(ctx, kRunLibrary, classic_entries(m).rates, table);
    return load(ctx, rc, table.text(), classic_rate_table);
  }
  if (m == Make::EP) {
    Out table(kEpsonWidth);
    auto rc = call(ctx, kRunLibrary, "EPSON_Obter_Tabela_Aliquotas", table);
    return load(ctx, rc, table.text(), epson_rate_table);
  }
  return no_such_make(ctx);
}

}  // namespace zelto::ecf
