#include "tef/card_receipt.hpp"

#include "core/dialogs.hpp"
#include "ecf/input_hold.hpp"
#include "tef/printer_port.hpp"
#include "tef/requests.hpp"
#include "tef/texts.hpp"
#include "tef/waiting.hpp"

namespace zelto::tef {
namespace {

// Blank lines after the first copy, and the time to tear it off.
constexpr int kTearOffLines = 7;
constexpr std::chrono::seconds kTearOffPause{3};

// Where the lines go: the receipt linked to the payment, or a management
// report (always so for the administrative functions, which pay nothing).
class Printing {
 public:
  Printing(core::Ctx& ctx, const Exchange& exchange)
      : ctx_(ctx), printer_(printer_port(ctx)), linked_(is_payment(exchange.operation)) {}

  // `left_open`: a receipt or report of this printing may still be open.
  void fall_back_to_report(bool left_open) {
    linked_ = false;
    left_open_ = left_open;
  }

  bool open() {
    if (printer_.paper_ended(ctx_)) return false;
    if (linked_) return printer_.run(ctx_, "ABRIR_RESPOSTA");
    // Closing a report closes a linked receipt too.
    if (left_open_) printer_.run(ctx_, "FECHA_CU_NAO_FISCAL");
    ctx_.g.WTEXTO_TODO = " ";
    return printer_.run(ctx_, "ABRE_CU_NAO_FISCAL");
  }

  bool line(const core::Text& text) {
    if (printer_.paper_ended(ctx_)) return false;
    ctx_.g.WTEXTO_TODO = text;
    return printer_.run(ctx_, linked_ ? "LINHA_RESPOSTA" : "ABRE_CU_NAO_FISCAL");
  }

  bool close() {
    if (printer_.paper_ended(ctx_)) return false;
    return close_anyway();
  }
  // What is open closed after a failure, whatever the printer's state said.
  bool close_anyway() { return printer_.run(ctx_, linked_ ? "FECHA_RESPOSTA" : "FECHA_CU_NAO_FISCAL"); }

 private:
  core::Ctx& ctx_;
  PrinterPort& printer_;
  bool linked_;
  bool left_open_ = false;
};

bool print_copies(core::Ctx& ctx, Printing& printing, const std::vector<core::Text>& lines, size_t width) {
  for (int copy = 1; copy <= 2; ++copy) {
    for (size_t i = 0; i < lines.size(); ++i) {
      ctx.screen.set_message(core::Text(texts::kPrintingLine) + std::to_string(i + 1));
      if (!printing.line(lines[i])) return false;
    }
    if (copy == 1) {
      for (int blank = 0; blank < kTearOffLines; ++blank)
        if (!printing.line(core::Text(width, ' '))) return false;
      ctx.clock.sleep(kTearOffPause);
    }
  }
  return true;
}

bool try_again(core::Ctx& ctx) { return core::G_CONF(ctx, core::Text(texts::kPrinterNotAnswering)); }

}  // namespace

bool print_card_receipt(core::Ctx& ctx, const Exchange& exchange) {
  ecf::InputHold hold(ctx);
  ctx.screen.set_message(core::Text(texts::kPrintingWait));
  const size_t width = static_cast<size_t>(ctx.g.WCOL.trunc(0).to_int());
  const std::vector<core::Text> lines = receipt_lines(exchange.response, width);
  Printing printing(ctx, exchange);
  bool printed = false;
  for (;;) {
    if (!printing.open()) {
      if (!try_again(ctx)) break;
      printing.fall_back_to_report(true);
      continue;
    }
    if (!print_copies(ctx, printing, lines, width)) {
      const bool again = try_again(ctx);
      // Whether or not it starts again, nothing may stay open on the printer.
      const bool closed = printing.close_anyway();
      if (!again) break;
      printing.fall_back_to_report(!closed);
      continue;
    }
    if (printing.close()) {
      printed = true;
      break;
    }
    printing.fall_back_to_report(true);
    if (!try_again(ctx)) break;
  }
  ctx.screen.set_message("");
  return printed;
}

}  // namespace zelto::tef
