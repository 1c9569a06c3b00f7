#include "tef/payment_registration.hpp"

#include "core/dialogs.hpp"
#include "ecf/input_hold.hpp"
#include "platform/runtime/number_text.hpp"
#include "tef/printer_port.hpp"
#include "tef/texts.hpp"
#include "tef/waiting.hpp"

namespace zelto::tef {

bool register_payment(core::Ctx& ctx, std::string_view operation) {
  auto& g = ctx.g;
  std::string_view command = "PAGO_CARTAO";
  g.WDESCFORMA = g.V_DPRESTA;
  if (operation == "CHB") {
    command = "PAGO_CH_CON_TECBAN";
    g.WDESCFORMA = g.V_DPRESTU;
  } else if (operation == "CHQ") {
    command = "PAGO_CH_CONSULTA";
    g.WDESCFORMA = g.V_DPRESTH;
  }
  g.WVALDESC = runtime::strzero(g.NDESC, 14, g.WTIPODESCAC == "$" ? 2 : 4);
  ecf::InputHold hold(ctx);
  while (!printer_port(ctx).run(ctx, command)) {
    if (!core::G_CONF(ctx, core::Text(texts::kPrinterNotAnswering))) return false;
  }
  g.WVENDEU_CARTAO = true;
  return true;
}

}  // namespace zelto::tef
