#include "tef/printer_port.hpp"

#include "ecf/impresso.hpp"

namespace zelto::tef {
namespace {

// The printer layer's own commands on the configured make.
class FiscalPrinter final : public PrinterPort {
 public:
  bool run(core::Ctx& ctx, std::string_view command) override { return ecf::IMP_FISCAL(ctx, command).ok; }
  bool paper_ended(core::Ctx& ctx) override { return ecf::FIM_PAPEL_BEM7(ctx); }
};

}  // namespace

PrinterPort& printer_port(core::Ctx& ctx) {
  if (auto* port = ctx.services.find<PrinterPort>()) return *port;
  return ctx.services.put<PrinterPort>(std::make_shared<FiscalPrinter>());
}

}  // namespace zelto::tef
