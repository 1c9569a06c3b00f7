#include "tef/settlement.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/request_number.hpp"
#include "tef/waiting.hpp"

namespace zelto::tef {

bool settle(core::Ctx& ctx, const ManagerFolder& folder, const SettlementWait& wait, const TransactionRef& ref,
            runtime::Decimal& counter) {
  const core::Text number = request_number_text(next_request_number(ctx));
  const std::string request = compose(settlement_request(wait.operation, number, ref));
  folder.make_folders();
  remove_file(folder.file(kStatus));
  const auto write = [&] { return write_through(folder.file(kRequestTemp), folder.file(kRequest), request); };
  write();
  Stopwatch waited(ctx.clock);
  for (;;) {
    counter = counter + 1;
    ctx.screen.set_message(core::Text(wait.waiting) + count_text(counter));
    if (auto status = take_file(folder.file(kStatus))) {
      if (!names_request(status->field("001-000"), number)) continue;  // an earlier request's: look again at once
      if (runtime::prefix_equal(status->field("000-000"), wait.operation) && status->field("999-999") == "0")
        return true;
    }
    pause_a_second(ctx);
    if (waited.elapsed() > manager_seconds(ctx)) {
      remove_file(folder.file(kRequest));
      if (!core::G_CONF(ctx, core::Text(wait.keep_waiting), "S")) return false;
      write();
      waited.restart();
    }
  }
}

}  // namespace zelto::tef
