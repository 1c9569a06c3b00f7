// The last Z reduction read back: its data, date and time, movement date
// and the grand totals at its start and end.

#include "ecf/library_call.hpp"
#include "ecf/number_format.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "ecf/z_data.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

using runtime::substr;

Text epson_z_data(core::Ctx& ctx, std::optional<int>& rc) {
  Out data(kEpsonZDataWidth);
  rc = call(ctx, kRunLibrary, "EPSON_Obter_Dados_Ultima_RZ", data);
  return data.text();
}

// The last reduction by index "140": 1-8 movement date, 9-26 the grand
// total at its end, 27-44 at its start (16 digits and 2 of cents each).
Answer last_z_total(core::Ctx& ctx, long start) {
  Out data(1164);
  auto rc = call(ctx, kRunLibrary, classic_entries(make_of(ctx.g)).by_index, Text("140"), data);
  Answer a = read_back(ctx, rc, substr(data.text(), start, 18));
  a.number = amount_of(a.text, 2);
  return a;
}

Answer zero_total(core::Ctx& ctx) {
  Answer a = known(ctx, "0");
  a.number = 0;
  return a;
}

}  // namespace

Text z_data_631(Make make, const Text& answer) {
  if (make != Make::EP) return answer;
  if (answer.size() < kEpsonZDataWidth) return answer;
  Text out = (answer[20] == '1' ? "01" : "00") + answer.substr(15, 4) + "," + answer.substr(632 + 4, 14) + ",";
  out += answer.substr(22, kZDataWidth - 22);
  return out;
}

Answer DADOS_REDUCAO_Z(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out data(kZDataWidth);
    return read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).last_z_data, data), data);
  }
  if (m == Make::EP) {
    std::optional<int> rc;
    Text data = epson_z_data(ctx, rc);
    return read_back(ctx, rc, std::move(data));
  }
  return no_such_make(ctx);
}

Answer DATA_REDUCAO_Z(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out date(Text("000000")), time(Text("000000"));
    auto rc = call(ctx, kRunLibrary, classic_entries(m).last_z_time, date, time);
    return read_back(ctx, rc, date.text() + time.text());
  }
  if (m == Make::EP) {
    std::optional<int> rc;
    const Text data = epson_z_data(ctx, rc);  // 1-14 ddmmyyyyhhmmss
    return read_back(ctx, rc, data.substr(0, 4) + data.substr(6, 2) + data.substr(8, 6));
  }
  return no_such_make(ctx);
}

Answer DATA_MOVIM_REDUCAO_Z(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    Out date(Text("000000"));
    return read_back(ctx, call(ctx, kRunLibrary, classic_entries(m).last_z_movement, date), date);
  }
  if (m == Make::EP) return known(ctx, "", false);
  return no_such_make(ctx);
}

Answer GT_INICIAL_ULT_REDUCAO_Z(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::DA:
    case Make::SW: return last_z_total(ctx, 27);
    case Make::BE:
    case Make::EP: return zero_total(ctx);
    default: return no_such_make(ctx);
  }
}

Answer GT_FINAL_ULT_REDUCAO_Z(core::Ctx& ctx) {
  switch (make_of(ctx.g)) {
    case Make::DA:
    case Make::SW: return last_z_total(ctx, 9);
    case Make::BE:
    case Make::EP: return zero_total(ctx);
    default: return no_such_make(ctx);
  }
}

}  // namespace zelto::ecf
