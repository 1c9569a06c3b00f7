#include "tef/non_confirmation.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/settlement.hpp"
#include "tef/texts.hpp"

namespace zelto::tef {
namespace {

core::Text cancelled_notice(const TransactionRef& ref) {
  core::Text notice = core::Text(texts::kCancelled) + "\nRede: " + ref.network;
  if (!runtime::trim(ref.nsu).empty()) notice += "\nDoc. No: " + ref.nsu;
  const runtime::Decimal amount = runtime::Decimal::divide(runtime::val(ref.amount), 100, 2);
  if (amount > 0) notice += "\nValor: " + runtime::trim(runtime::str(amount, 14, 2));
  return notice;
}

}  // namespace

bool CANC_TEF_CUPOM(core::Ctx& ctx, const ManagerFolder& folder, const TransactionRef& ref) {
  runtime::Decimal passes = 0;
  const SettlementWait wait{"NCN", texts::kWaitingCancellation, texts::kKeepWaitingCancellation};
  if (!settle(ctx, folder, wait, ref, passes)) {
    core::G_ALERT(ctx, core::Text(texts::kLeftPending));
    return false;
  }
  ctx.screen.set_message("");
  ctx.screen.show_info(core::Text(texts::kCancelledTitle), cancelled_notice(ref));
  forget_pending(folder);
  remove_file(folder.file(kStatus));
  ctx.g.WCANC_TEF = true;
  return true;
}

bool CANCELA_TEF(core::Ctx& ctx, Exchange& exchange) {
  if (CANC_TEF_CUPOM(ctx, exchange.folder, transaction_ref(exchange.response))) return true;
  exchange.left_pending = true;
  return false;
}

}  // namespace zelto::tef
