#pragma once
// The temporary folder (VTMP, "tmp\\" below the data folder) and the work
// tables operations keep in it: a table file named after the operator and
// the time of day, its index file beside it, and the cleaning of the folder
// at the end of the run. The folder is shared by every operator of this
// checkout.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/context.hpp"
#include "platform/os/clock.hpp"

namespace zelto::store {

// VTMP as a path; the data folder itself when VTMP is empty.
std::filesystem::path temp_folder(const core::Ctx& ctx);

// The first candidate number of a work table's name: the hour's two digits
// followed by the seconds' two digits (14:05:37 gives 1437).
int temp_number(const os::LocalTime& time);

struct TempFileName {
  core::Text name;             // VTMP + operator + infix + 4 digits ("tmp\\GER1437"), no extension
  std::filesystem::path dbf;   // its table file, claimed: it exists (empty) from now on
};

// A free work-table name: the number goes up while a ".dbf" of that name
// exists. The table file is created at once (and atomically), so that two
// asks in the same second, or two programs of this checkout, never get the
// same name. `infix` is put between the operator code and the number ("1"
// for the active-operators list). The temporary folder is made when
// missing. Nothing when no name is free or the folder cannot be written.
std::optional<TempFileName> claim_temp_file_name(core::Ctx& ctx, const core::Text& infix = "");

// A work table in the temporary folder under a free name, with these fields
// (another table's fields() will do), opened exclusively under `alias`
// (an open table of that alias is closed first), and, when `key` is given,
// indexed on it in an index file of the same base name. nullptr after an
// error box when it cannot be made.
xbase::Table* create_temp_file_table(core::Ctx& ctx, const core::Text& alias, std::vector<xbase::FieldDef> fields,
                                     const core::Text& key = "", const core::Text& infix = "");

// Deletes every file of the temporary folder, showing "Espere,
// Processando..." meanwhile unless quiet. Nothing is deleted when VTMP is
// empty, so that the data folder itself is never taken for it.
void G_DELTMP(core::Ctx& ctx, bool quiet);

}  // namespace zelto::store
