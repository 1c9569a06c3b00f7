#pragma once
// Opening one back-office table by its alias when it is needed, while the
// program works in the back office's folder or in the SINTEGRA copy of it
// (the current data folder of ctx.db).

#include "core/context.hpp"

namespace zelto::store {

// Opens the table of `alias` (any case) from the back-office catalogue,
// shared, with its orders, order 1 current; nothing happens when a table is
// open under that alias already (its order and record stay as they are).
// The counters table NV is opened exclusively: while another program holds
// it the opener tries again every 0.1 second, showing "Esperando destravar
// o Arquivo NV" after every 80 failed attempts.
//
// The table and its index files must exist: no index file is made here.
// A missing file, an alias the catalogue does not have or a table that will
// not open gets a box that names it, and false.
bool G_ABRE5(core::Ctx& ctx, const core::Text& alias);
inline bool G_ABRE(core::Ctx& ctx, const core::Text& alias) { return G_ABRE5(ctx, alias); }
inline bool G_ABRE1(core::Ctx& ctx, const core::Text& alias) { return G_ABRE5(ctx, alias); }
inline bool G_ABRE2(core::Ctx& ctx, const core::Text& alias) { return G_ABRE5(ctx, alias); }

// Closes the table open under `alias`, if any.
void A1_CLOS_(core::Ctx& ctx, const core::Text& alias);

}  // namespace zelto::store
