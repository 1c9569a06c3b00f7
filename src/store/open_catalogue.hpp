#pragma once
// Opening the front-end catalogue: every table of the checkout in its
// catalogue order, under its alias and mode, with its index files as its
// orders. A missing index file is built (one progress step each); an
// existing one is used as it is, whatever key it was built with.
//
// A table that does not open is reported and skipped, and the pass goes on,
// so that every problem of the folder shows at once: a missing file with
// "Nao encontrou o arquivo " + its name, any other failure (a table another
// program holds exclusively, a damaged file) with a box naming the table
// and the reason. The program cannot work without its catalogue, so after
// such a pass the run is asked to end in order; the caller runs the
// orderly end when the report says the pass failed.

#include <vector>

#include "core/context.hpp"
#include "store/catalogue.hpp"
#include "store/opening_progress.hpp"

namespace zelto::store {

struct OpenReport {
  std::vector<core::Text> missing;  // table files not found, as the catalogue names them
  std::vector<core::Text> failed;   // tables found that would not open
  bool ok() const { return missing.empty() && failed.empty(); }
};

// The whole catalogue in the current data folder (ctx.db's folder). Tables
// already open under a catalogue alias are closed and opened again.
OpenReport G_ABREAR(core::Ctx& ctx, OpeningProgress& progress);
OpenReport G_ABREAR(core::Ctx& ctx);  // nothing shown but the messages

// One row of the catalogue exactly as the pass opens it: IE, ST, IR, A1.
// Flag "N" shows no progress. False when the table did not open (its
// message has been shown).
bool G_AB_IE(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag = "S");
bool G_AB_ST(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag = "S");
bool G_AB_IR(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag = "S");
bool G_AB_A1(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag = "S");

// Any row, as the pass opens it.
enum class Opened { Ok, Missing, Failed };
Opened open_catalogue_entry(core::Ctx& ctx, const CatalogueEntry& entry, OpeningProgress& progress,
                            const core::Text& flag = "S");

// The operator table alone, for the login: M001.DBF as US, shared, with its
// first order (built when missing). Without M001.DBF the file name is shown
// as an error and the run is asked to end; so it is when the table will not
// open. False in both cases.
bool ABRIR_M001(core::Ctx& ctx);

}  // namespace zelto::store
