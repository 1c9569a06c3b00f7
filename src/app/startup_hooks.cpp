#include "app/startup_hooks.hpp"

#include "store/fingerprint_file.hpp"
#include "store/fingerprint_write.hpp"

#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"

namespace zelto::app {

void load_signing_library(core::Ctx&) {}
void read_fingerprint_serial(core::Ctx& ctx) {
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
