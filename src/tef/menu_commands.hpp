#pragma once
// The card commands of the main menu ("E. Menu de Comandos de CARTOES"),
// one entry per manager ("PAD", "TEC", "HIP").

#include <string_view>

#include "core/context.hpp"

namespace zelto::tef {

// "A. Verificar se o Gerenciador esta Ativo": right "M781", the answer yes
// to "Confirma a Verificacao", then the check, which says whether the
// manager is active.
bool M781(core::Ctx& ctx, std::string_view manager);

// "B. Ativar as Funcoes Administrativas": right "M782", then the manager's
// administrative functions.
bool M782(core::Ctx& ctx, std::string_view manager);

}  // namespace zelto::tef
