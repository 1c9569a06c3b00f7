#pragma once
// Writing the fingerprint files: the file list first, then the fingerprint
// file with the list's digest, the printer's grand total and its serial.
//
//   g.VATUAL_GT_VENDA_BRUTA = "S";   // after an item the printer accepted
//   store::GERA_MD5_ARQUIVOS_TXT(ctx);
//
// A part the printer is asked for and does not give keeps the value the
// file held: a grand total or serial that could not be read is no reason to
// lose the one on record.

#include <string_view>

#include "core/context.hpp"

namespace zelto::store {

// With `refresh` "S" the list's digest is computed anew into VMD5_ARQUIVOS;
// otherwise VMD5_ARQUIVOS is written as it is. VATUAL_GT_VENDA_BRUTA "S"
// asks the printer for the grand total, VATUAL_NUM_SER_TXT "S" for the
// serial (only while a serial is registered in VNUMSERIEIMPRESSORA); both
// are "N" afterwards. The tables are flushed. False, after an error box,
// when the folder would not take the files.
bool GERA_MD5_ARQUIVOS_TXT(core::Ctx& ctx, std::string_view refresh = "N");

// Registers the printer's serial on an installation that has none: asks
// the printer, takes its answer into VNUMSERIEIMPRESSORA and VNUM_SER and
// writes it into the fingerprint file. True when a serial is registered
// (also when one already was); false, after a message, when the printer
// did not give it.
bool register_printer_serial(core::Ctx& ctx);

}  // namespace zelto::store
