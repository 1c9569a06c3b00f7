#include "app/startup_hooks.hpp"

#include <memory>
#include <optional>
#include <string>

#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"
#include "store/fingerprint_file.hpp"
#include "store/fingerprint_printer.hpp"
#include "store/fingerprint_write.hpp"

namespace zelto::app {
namespace {

// The fingerprint files ask the printer through the command layer. A query
// the printer did not answer gives nothing, so the file keeps what it held.
store::FingerprintPrinter printer_for_fingerprints() {
  store::FingerprintPrinter printer;
  printer.grand_total = [](core::Ctx& ctx) -> std::optional<runtime::Decimal> {
    const ecf::Answer total = ecf::IMP_FISCAL(ctx, "GRANDE_TOTAL");
    if (!total.ok) return std::nullopt;
    return total.number;
  };
  printer.serial = [](core::Ctx& ctx) -> std::optional<std::string> {
    const ecf::Answer serial = ecf::IMP_FISCAL(ctx, "NUM_SER");
    if (!serial.ok) return std::nullopt;
    return serial.text;
  };
  return printer;
}

}  // namespace

void load_signing_library(core::Ctx&) {}
void read_fingerprint_serial(core::Ctx& ctx) {
  ctx.services.put(std::make_shared<store::FingerprintPrinter>(printer_for_fingerprints()));
  ctx.g.VNUMSERIEIMPRESSORA = store::RETORNA_NUM_SER_ARQUIVO_TXT(ctx);
  ctx.g.VNUM_SER = ctx.g.VNUMSERIEIMPRESSORA;
}
void rebuild_fingerprint_files(core::Ctx& ctx) { store::GERA_MD5_ARQUIVOS_TXT(ctx, "S"); }
// The port's answer is not looked at here: the first command that needs the
// printer reports what is wrong.
void open_printer(core::Ctx& ctx) {
  ecf::load_printer_library(ctx);
  ecf::IMP_FISCAL(ctx, "ABRE_PORTA_SERIAL");
}

}  // namespace zelto::app
