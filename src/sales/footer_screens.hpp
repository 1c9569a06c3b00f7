#pragma once
// The maintenance screens of the footers: the footer layouts (TO) with
// their entries (LT), and the list of footer fields (AM), which the program
// only reads.

#include "core/context.hpp"

namespace zelto::sales {

// "Tabela de Layouts": TO by description with "&Fechar", "&Excluir" and
// "&Layout's"; TO is back in its first order afterwards. Always true.
bool M612(core::Ctx& ctx);
// Deletes the current layout after "Confirma a Exclusao deste Layout",
// refused while LT holds entries of it.
void E_M612(core::Ctx& ctx);
// The entries of every layout in line and column order, with "&Excluir"
// (EL_M612) and "&Fechar".
void L_M612(core::Ctx& ctx);
void EL_M612(core::Ctx& ctx);

// "Campos para Layout's de Rodape": AM by description, closed with
// "&Fechar"; AM is back in its first order afterwards. Always true.
bool M615(core::Ctx& ctx);

}  // namespace zelto::sales
