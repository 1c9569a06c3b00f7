#include "sales/instalments.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {

using core::Decimal;

std::vector<Decimal> split_instalments(const Decimal& total, int count) {
  if (count < 1) return {};
  std::vector<Decimal> values(static_cast<std::size_t>(count),
                              Decimal::divide(total, Decimal(count), 6).round(2));
  Decimal sum;
  for (const Decimal& v : values) sum += v;
  values.front() += total.round(2) - sum;
  return values;
}

void GERA_PRESTACOES(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  int interval = 0;
  Decimal rate;
  xbase::Table& td = ctx.db.area("TD");
  td.set_order(1);
  if (!runtime::trim(g.W_NTIPDOCU).empty() && td.seek(g.W_NTIPDOCU)) {
    interval = static_cast<int>(td.number("C134").to_int());
    rate = td.number("C132");
  }
  xbase::Table& p2 = ctx.db.area("P2");
  p2.zap();
  const Decimal credit = g.WTOTALVALOR - g.W_NENTRADA;
  const int count = static_cast<int>(g.W_NPRESTA.to_int());
  runtime::Date due = ctx.clock.now().date.plus_days(interval);
  const auto values = split_instalments(credit, count);
  for (int n = 1; n <= count; ++n) {
    const Decimal& value = values[static_cast<std::size_t>(n - 1)];
    p2.append_blank();
    p2.put("C451", runtime::strzero(Decimal(n), 2));
    p2.put("C452", runtime::trim(runtime::str(g.WAUXNUM, 12)));
    p2.put("C453", due);
    p2.put("C700", value);
    p2.put("C454", value - Decimal::divide(rate * value, Decimal(100), 6).round(2));
    p2.put("C130", g.W_NTIPDOCU);
    p2.unlock();
    due = due.plus_days(interval);
  }
}

}  // namespace zelto::sales
