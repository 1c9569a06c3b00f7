#pragma once
// Rebuilding every index of the front-end catalogue: REINDEXAR from the
// login window, M52 from the main menu.
//
// Each index file is built anew into a file beside it, written to disk, and
// put in place of the old one with a rename, while the table is held
// exclusively: at every moment each index file is either the old one or the
// new one, whole, and no other program can be using the table in between.
// A table that cannot be had exclusively (another checkout or the back
// office has it open), or that will not open at all, keeps its index files
// untouched; one box at the end names each such table and why. Index files
// that are not in the catalogue are left alone.
//
// The catalogue is then opened again (G_ABREAR), which also reports and
// ends the run for what is missing.

#include <functional>
#include <vector>

#include "core/context.hpp"
#include "store/open_catalogue.hpp"
#include "store/opening_progress.hpp"

namespace zelto::store {

struct ReindexOutcome {
  bool ran = false;                    // false: the operator declined, or had no right
  std::vector<core::Text> left_alone;  // tables whose index files were not rebuilt
  OpenReport opened;                   // the opening pass after the rebuild
};

// "Confirma a Reindexacao dos Arquivos"; then every table is closed, the
// indexes rebuilt and the catalogue opened; then every table is closed
// again and M001 opened alone (ABRIR_M001) for the login window, which puts
// its focus back itself. Without a progress, nothing but messages shows.
ReindexOutcome REINDEXAR(core::Ctx& ctx, OpeningProgress* progress = nullptr);

// The right check of the main menu's entries: G_PERMIS of the login.
using RightCheck = std::function<bool(core::Ctx& ctx, const core::Text& code)>;

// The menu's rebuild: right "M52" (when `permitted` is given; callers that
// checked the right already pass none), "Confirma a Reindexaçao dos
// Arquivos", "Espere, processando ..." in the message bar while it runs;
// the catalogue stays open afterwards.
ReindexOutcome M52(core::Ctx& ctx, const RightCheck& permitted, OpeningProgress* progress = nullptr);

// The rebuild alone: every table is closed first and left closed. One
// progress step per table and one per index file built. Returns, for each
// table left alone, its file name and why (also shown in one box).
std::vector<core::Text> rebuild_catalogue_indexes(core::Ctx& ctx, OpeningProgress& progress);

}  // namespace zelto::store
