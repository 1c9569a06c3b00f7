#include "sales/sales_screen.hpp"

#include "app/startup.hpp"

namespace zelto::sales {

void OLD_TELA_DE_VENDA(core::Ctx& ctx, const SalesHost&) { app::INICIA_VARIAVEIS(ctx); }
void TELA_ITENS(core::Ctx&) {}
void SET_CAIXA_LIVRE(core::Ctx&) {}
void UNSET_CAIXA_LIVRE(core::Ctx&) {}
void COMECAR_NOVO_CUPOM(core::Ctx&) {}
bool F12_ITENS_ATIVOS(core::Ctx&) { return true; }

}  // namespace zelto::sales
