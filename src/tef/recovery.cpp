#include "tef/recovery.hpp"

#include "core/dialogs.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/ger_padrao.hpp"
#include "tef/non_confirmation.hpp"
#include "tef/requests.hpp"
#include "tef/texts.hpp"

namespace zelto::tef {
namespace {

// The pending transaction as the checkout last knew it. When the operator
// stopped waiting before the response, the copy holds the request; a
// response that came later names the transaction better, and replaces it.
ExchangeFile pending_transaction(const ManagerFolder& folder) {
  ExchangeFile pending = read_exchange_file(folder.file(kPending)).value_or(ExchangeFile());
  const core::Text number = pending.field("001-000");
  if (auto late = read_exchange_file(folder.file(kResponse))) {
    if (!number.empty() && names_request(late->field("001-000"), number) && late->has("999-999") && keep_pending(folder, late->bytes()))
      return *late;
  }
  return pending;
}

}  // namespace

bool has_pending(const ManagerFolder& folder) { return file_exists(folder.file(kPending)); }

bool settle_pending(core::Ctx& ctx, std::string_view manager, bool at_start) {
  const ManagerFolder folder(ctx.folder(), manager);
  if (!has_pending(folder)) return true;
  const TransactionRef ref = transaction_ref(pending_transaction(folder));
  while (!GER_PADRAO(ctx, "ATV", 2, manager)) {
    remove_file(folder.file(kRequest));
    if (!core::G_CONF(ctx, core::Text(texts::kTryActivatingAgain), "S")) {
      core::G_ALERT(ctx, core::Text(texts::kLeftPending));
      return false;
    }
  }
  if (!CANC_TEF_CUPOM(ctx, folder, ref)) return false;
  if (at_start) {
    if (auto* io = ctx.db.find("IO")) io->zap();
  }
  return true;
}

void TEF_INICIO_ZELTO(core::Ctx& ctx, std::string_view manager) { settle_pending(ctx, manager, true); }

}  // namespace zelto::tef
