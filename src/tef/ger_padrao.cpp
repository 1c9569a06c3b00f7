#include "tef/ger_padrao.hpp"

#include "core/dialogs.hpp"
#include "ecf/tef_response.hpp"
#include "tef/card_receipt.hpp"
#include "tef/confirmation.hpp"
#include "tef/exchange.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/handshake.hpp"
#include "tef/non_confirmation.hpp"
#include "tef/operator_messages.hpp"
#include "tef/payment_registration.hpp"
#include "tef/recovery.hpp"
#include "tef/request_number.hpp"
#include "tef/requests.hpp"
#include "tef/response_wait.hpp"
#include "tef/sale_hooks.hpp"
#include "tef/texts.hpp"

namespace zelto::tef {
namespace {

// The response in hand is the printer layer's to read while the exchange
// runs: the TecBan cheque's payment is named by whether it has receipt lines.
class ResponseShown {
 public:
  ResponseShown(core::Ctx& ctx, const Exchange& exchange) : ctx_(ctx) {
    ctx_.services.emplace<ResponseInHand>().response = exchange.response;
    ctx_.services.emplace<ecf::TefResponse>().POSSUI_029_CUPOM_TEF = POSSUI_029_CUPOM_TEF;
  }
  ~ResponseShown() {
    ctx_.services.remove<ecf::TefResponse>();
    ctx_.services.remove<ResponseInHand>();
  }
  ResponseShown(const ResponseShown&) = delete;
  ResponseShown& operator=(const ResponseShown&) = delete;

 private:
  core::Ctx& ctx_;
};

// After the response: the payment registered and the receipt closed, the
// card receipt printed, and the transaction confirmed or not confirmed.
bool finish_transaction(core::Ctx& ctx, Exchange& exchange, const SaleHooks& hooks) {
  auto& g = ctx.g;
  const bool payment = is_payment(exchange.operation);
  if (!carried_out(exchange)) {
    if (exchange.operation == "ADM") {
      forget_pending(exchange.folder);
    } else {
      CANCELA_TEF(ctx, exchange);
    }
    return false;
  }
  if (payment) {
    if (!register_payment(ctx, exchange.operation)) {
      CANCELA_TEF(ctx, exchange);
      return false;
    }
    if (!hooks.close_receipt(ctx)) {
      CANCELA_TEF(ctx, exchange);
      return false;
    }
    g.WFECHOU_CUPOM = true;
  }
  bool confirmed = false;
  if (exchange.response.has("029-001")) {
    if (print_card_receipt(ctx, exchange)) confirmed = CNF_CONFIRMACAO(ctx, exchange);
  } else if (exchange.operation == "CHQ" || exchange.operation == "CHB") {
    confirmed = CNF_CONFIRMACAO(ctx, exchange);
  }
  if (!confirmed && !exchange.left_pending) CANCELA_TEF(ctx, exchange);
  return confirmed;
}

// From the manager's response to the end of the transaction.
bool carry_out(core::Ctx& ctx, Exchange& exchange) {
  if (!wait_for_response(ctx, exchange)) {
    exchange.left_pending = true;
    core::G_ALERT(ctx, core::Text(texts::kLeftPending));
    return false;
  }
  ResponseShown shown(ctx, exchange);
  ctx.screen.set_message("");
  const SaleHooks hooks = sale_hooks(ctx);
  show_manager_messages(ctx, exchange);
  const bool done = finish_transaction(ctx, exchange, hooks);
  hooks.exchange_ended(ctx, exchange.operation == "ADM");
  return done;
}

}  // namespace

CardRoute card_route(std::string_view form_letter) {
  if (form_letter == "U") return {"CHB", "TEC"};
  if (form_letter == "H") return {"CHQ", "PAD"};
  if (form_letter == "B") return {"CRT", "TEC"};
  if (form_letter == "P") return {"CRT", "HIP"};
  return {"CRT", "PAD"};
}

bool GER_PADRAO(core::Ctx& ctx, std::string_view operation, int mode, std::string_view manager) {
  auto& g = ctx.g;
  const bool checking = operation == "ATV";
  // A transaction still pending is settled first: this exchange's response
  // would take the place of its copy.
  const bool clear = checking || settle_pending(ctx, manager, false);

  Exchange exchange(ctx, operation, manager);
  g.WARQ_TEFDIAL = manager_folder_text(manager);
  g.WRET_OK = g.WGEREN_ATIVO = g.WVENDEU_CARTAO = g.WCANC_TEF = g.WFECHOU_CUPOM = false;
  g.WTEXTO_TODO = "";
  g.WLENDOO = 1;

  bool done = false;
  if (!clear) {
    // The earlier transaction is still pending: its copy stays, and no new
    // one starts.
    exchange.left_pending = true;
  } else {
    remove_file(exchange.folder.file(kStatus));
    remove_file(exchange.folder.file(kRequest));
    exchange.number = request_number_text(next_request_number(ctx));
    g.WNUMERSOLIC = runtime::val(exchange.number);
    g.WPARA1 = core::Text(operation);
    const std::string request = compose(transaction_request(operation, exchange.number, g));
    // Once the manager has the request it may carry the transaction out:
    // should the checkout stop before it is settled, its next start finds
    // this copy. A request the manager never took leaves none.
    if (!checking) keep_pending(exchange.folder, request);
    if (hand_over(ctx, exchange, request)) done = checking || carry_out(ctx, exchange);
  }

  ctx.screen.set_message("");
  if (!checking && !exchange.left_pending) forget_pending(exchange.folder);
  remove_file(exchange.folder.file(kRequest));
  remove_file(exchange.folder.file(kResponse));
  remove_file(exchange.folder.file(kStatus));

  if (checking && mode == 1) {
    if (done) {
      ctx.screen.show_info(" -= ZeltoECF =- ", core::Text(texts::kActive));
    } else {
      core::G_ERRO(ctx, core::Text(texts::kNotActive));
    }
  } else if (!checking && !done && clear && !exchange.answered) {
    core::G_ERRO(ctx, core::Text(texts::kNotActive));
  }
  if (is_payment(operation) && !done) sale_hooks(ctx).back_to_payment_form(ctx);
  g.WRET_OK = done;
  return done;
}

}  // namespace zelto::tef
