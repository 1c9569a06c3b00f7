#include "tef/handshake.hpp"

#include "core/dialogs.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/requests.hpp"
#include "tef/texts.hpp"
#include "tef/waiting.hpp"

namespace zelto::tef {

bool status_is_right(core::Ctx& ctx, const Exchange& exchange, const ExchangeFile& status) {
  const std::vector<core::Text>& lines = status.lines();
  const core::Text expected[] = {"000-000 = " + wire_operation(exchange.operation), "001-000 = " + exchange.number,
                                 "999-999 = 0"};
  for (size_t i = 0; i < lines.size() && i < 3; ++i) {
    if (lines[i] == expected[i]) continue;
    core::G_ERRO(ctx, core::Text(i == 0 ? texts::kWrongFile : texts::kWrongSequence) + lines[i]);
    return false;
  }
  return lines.size() == 3;
}

bool hand_over(core::Ctx& ctx, Exchange& exchange, std::string_view request) {
  exchange.folder.make_folders();
  if (!write_through(exchange.folder.file(kRequestTemp), exchange.folder.file(kRequest), request)) {
    core::G_ERRO(ctx, core::Text(texts::kRenameFailed));
    return false;
  }
  // The counter starts at 2 and the wait ends when it passes VSEGUNDOS_TEF:
  // the manager has that many seconds less one.
  const long limit = manager_seconds(ctx) - 1;
  Stopwatch waited(ctx.clock);
  const auto took_it = [&] {
    auto status = take_file(exchange.folder.file(kStatus));
    if (!status || !status_is_right(ctx, exchange, *status)) return false;
    exchange.answered = true;
    ctx.g.WGEREN_ATIVO = true;
    return true;
  };
  for (long counter = 2;; ++counter) {
    ctx.screen.set_message(core::Text(texts::kWaitingStatus) + std::to_string(counter));
    if (took_it()) return true;
    pause_a_second(ctx);
    if (waited.elapsed() >= limit) return took_it();
  }
}

}  // namespace zelto::tef
