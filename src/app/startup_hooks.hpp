#pragma once
// Steps of the start that belong to subsystems still to come: the signing
// library, the fingerprint files and the printer. Each is called at its
// place in the start-up; until its subsystem fills it in, it does nothing
// and leaves the settings as they are.

#include "core/context.hpp"

namespace zelto::app {

// The signature library "sign_bema.dll" loaded for the legal files.
void load_signing_library(core::Ctx& ctx);
// The printer serial of the fingerprint file into VNUMSERIEIMPRESSORA and
// VNUM_SER; from here on the fingerprint files ask the printer through the
// command layer.
void read_fingerprint_serial(core::Ctx& ctx);
// The fingerprint files written again with a fresh digest of the program's
// files (GERA_MD5_ARQUIVOS_TXT("S")).
void rebuild_fingerprint_files(core::Ctx& ctx);
// The printer library of the make VIMP_FIS loaded and its port opened.
void open_printer(core::Ctx& ctx);

}  // namespace zelto::app
