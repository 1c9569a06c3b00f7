#pragma once
// Locking a record of a shared table before changing it. Another checkout
// or the back office may hold the same record; the operator is told and
// the caller tries again.
//
//   table.seek(code);
//   store::wait_for_record_lock(ctx, table);   // or: while (G_EM_USO(ctx, table)) {}
//   table.put("C031", price);
//   store::G_DESTRAVA(ctx, table);
//   ctx.db.commit_all();

#include "core/context.hpp"

namespace zelto::store {

// Tries once to lock the table's current record (releasing the other
// record locks of that work area first). False when the lock is held now;
// otherwise "Este registro esta em uso por outro usuario, tente mais
// tarde." is shown (the operator acknowledges it) and the result is true.
// The work area must stand on a record (not at end of file).
bool G_EM_USO(core::Ctx& ctx, xbase::Table& table);
bool G_EM_USO(core::Ctx& ctx);  // the current work area

// Releases the work area's record locks.
void G_DESTRAVA(core::Ctx& ctx, xbase::Table& table);
void G_DESTRAVA(core::Ctx& ctx);  // the current work area

// Repeats G_EM_USO until the lock is held, as changes of one record wait
// for it; each failed attempt shows the message. No limit on attempts.
void wait_for_record_lock(core::Ctx& ctx, xbase::Table& table);

}  // namespace zelto::store
