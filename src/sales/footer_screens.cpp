#include "sales/footer_screens.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/record_lock.hpp"

namespace zelto::sales {
namespace {

core::BrowseWindowButton close_button() {
  return {"&Fechar", [](core::Ctx&, screen::BrowseSession& b) { core::FINALIZABRW(b); }};
}

bool layout_has_entries(core::Ctx& ctx, const core::Text& code) {
  xbase::Table& lt = ctx.db.area("LT");
  lt.set_order(1);
  return lt.seek(code);
}

}  // namespace

void E_M612(core::Ctx& ctx) {
  xbase::Table& to = ctx.db.area("TO");
  if (to.eof() || !core::G_CONF(ctx, "Confirma a Exclusao deste Layout")) return;
  if (store::G_EM_USO(ctx, to)) return;
  if (layout_has_entries(ctx, to.text("C350"))) {
    core::G_ERRO(ctx, "Nao pode excluir pois possui associado em Itens de Layouts.");
    store::G_DESTRAVA(ctx, to);
    return;
  }
  to.delete_record();
  store::G_DESTRAVA(ctx, to);
  to.commit();
  to.skip();
  if (to.eof()) to.go_top();
}

void EL_M612(core::Ctx& ctx) {
  xbase::Table& lt = ctx.db.area("LT");
  if (lt.eof() || !core::G_CONF(ctx, "Confirma a Exclusao deste Layout")) return;
  if (store::G_EM_USO(ctx, lt)) return;
  lt.delete_record();
  store::G_DESTRAVA(ctx, lt);
  lt.commit();
  lt.skip();
  if (lt.eof()) lt.go_top();
}

void L_M612(core::Ctx& ctx) {
  xbase::Table& lt = ctx.db.area("LT");
  xbase::Table& am = ctx.db.area("AM");
  lt.set_order(1);
  lt.go_top();
  // A footer field's entry shows the field's description.
  auto description = [&ctx, &lt, &am]() -> core::Text {
    if (lt.text("C355") != "I") return lt.text("C357");
    am.set_order(1);
    return am.seek(lt.text("C357").substr(0, 4)) ? am.text("C951") : core::Text();
  };
  core::G_DISPL2(ctx, "-= ZeltoECF =-  M612  Modulos de Layouts ", 1, 1, 29, 95, "LT",
                 {[&lt] { return runtime::str(lt.number("C353"), 5); },
                  [&lt] { return runtime::str(lt.number("C354"), 5); }, [&lt] { return lt.text("C355"); },
                  description},
                 {"Linha", "Coluna", "Tipo", "Descricao"},
                 {{"&Excluir", [](core::Ctx& c, screen::BrowseSession&) { EL_M612(c); }}, close_button()});
}

bool M612(core::Ctx& ctx) {
  xbase::Table& to = ctx.db.area("TO");
  to.set_order(2);
  to.go_top();
  core::G_DISPL2(ctx, "Tabela de Layouts", 1, 1, 29, 95, "TO",
                 {[&to] { return to.text("C350"); }, [&to] { return to.text("C351"); },
                  [&to] { return to.text("C001"); }},
                 {"Codigo", "Desricao do Layout", "Responsavel"},
                 {close_button(), {"&Excluir", [](core::Ctx& c, screen::BrowseSession&) { E_M612(c); }},
                  {"&Layout's",
                   [](core::Ctx& c, screen::BrowseSession& b) {
                     // The layouts list closes before the entries show.
                     core::FINALIZABRW(b);
                     L_M612(c);
                   }}});
  to.set_order(1);
  return true;
}

bool M615(core::Ctx& ctx) {
  xbase::Table& am = ctx.db.area("AM");
  am.set_order(2);
  am.go_top();
  core::G_DISPL2(ctx, "Campos para Layout's de Rodape", 1, 1, 29, 95, "AM",
                 {[&am] { return am.text("C950"); }, [&am] { return am.text("C951"); }},
                 {"Codigo", "Desricao do Layout"}, {close_button()});
  am.set_order(1);
  return true;
}

}  // namespace zelto::sales
