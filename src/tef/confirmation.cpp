#include "tef/confirmation.hpp"

#include "core/dialogs.hpp"
#include "tef/settlement.hpp"
#include "tef/texts.hpp"

namespace zelto::tef {

bool CNF_CONFIRMACAO(core::Ctx& ctx, Exchange& exchange) {
  const TransactionRef ref = transaction_ref(exchange.response);
  const SettlementWait wait{"CNF", texts::kWaitingConfirmation, texts::kKeepWaitingConfirmation};
  if (!settle(ctx, exchange.folder, wait, ref, ctx.g.WLENDOO)) {
    exchange.left_pending = true;
    core::G_ALERT(ctx, core::Text(texts::kLeftPending));
    return false;
  }
  auto& g = ctx.g;
  g.WC_002 = ref.document;
  g.WC_022 = ref.date;
  g.WC_010 = ref.network;
  g.WC_011 = ref.kind;
  g.WC_012 = ref.nsu;
  g.WC_027 = ref.control;
  forget_pending(exchange.folder);
  return true;
}

}  // namespace zelto::tef
