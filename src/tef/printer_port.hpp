#pragma once
// What the card payments ask of the fiscal printer: the payment of the
// receipt in a card or cheque form, the linked receipt of that payment and
// the management report the card receipt falls back to. Each is one of the
// printer layer's generic commands, run by name with its inputs in the
// settings the command reads (WPARA1, WAUXNUM, WTEXTO_TODO, NPAGOA ...), as
// every other subsystem runs them.
//
// The printer layer's commands serve unless the run keeps another port in
// its services (the tests' recording printer).

#include <memory>
#include <string_view>

#include "core/context.hpp"

namespace zelto::tef {

class PrinterPort {
 public:
  virtual ~PrinterPort() = default;
  // The command ("PAGO_CARTAO", "ABRIR_RESPOSTA", "LINHA_RESPOSTA",
  // "FECHA_RESPOSTA", "ABRE_CU_NAO_FISCAL", "FECHA_CU_NAO_FISCAL" ...);
  // true when the printer did it.
  virtual bool run(core::Ctx& ctx, std::string_view command) = 0;
  // FIM_PAPEL_BEM7: true when printing must not go on.
  virtual bool paper_ended(core::Ctx& ctx) = 0;
};

// The run's port.
PrinterPort& printer_port(core::Ctx& ctx);

}  // namespace zelto::tef
