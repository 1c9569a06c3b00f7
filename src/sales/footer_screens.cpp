#include "sales/footer_screens.hpp"

#include "core/dialogs.hpp"

namespace zelto::sales {

bool M615(core::Ctx& ctx) {
  xbase::Table& am = ctx.db.area("AM");
  am.set_order(2);
  am.go_top();
  core::G_DISPL2(ctx, "Campos para Layout's de Rodape", 1, 1, 29, 95, "AM",
                 {[&am] { return am.text("C950"); }, [&am] { return am.text("C951"); }},
                 {"Codigo", "Desricao do Layout"},
                 {{"&Fechar", [](core::Ctx&, screen::BrowseSession& b) { core::FINALIZABRW(b); }}});
  am.set_order(1);
  return true;
}

}  // namespace zelto::sales
