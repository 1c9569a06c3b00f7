#include "store/record_lock.hpp"

#include "core/dialogs.hpp"

namespace zelto::store {

bool G_EM_USO(core::Ctx& ctx, xbase::Table& table) {
  if (table.rlock()) return false;
  core::G_ALERT(ctx, "Este registro esta em uso por outro usuario, tente mais tarde.");
  return true;
}

bool G_EM_USO(core::Ctx& ctx) { return G_EM_USO(ctx, ctx.db.current()); }

void G_DESTRAVA(core::Ctx&, xbase::Table& table) { table.unlock(); }

void G_DESTRAVA(core::Ctx& ctx) { G_DESTRAVA(ctx, ctx.db.current()); }

void wait_for_record_lock(core::Ctx& ctx, xbase::Table& table) {
  while (G_EM_USO(ctx, table)) {
  }
}

}  // namespace zelto::store
