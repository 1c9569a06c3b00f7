#pragma once
// The operations the system menu and the free row's function keys start,
// in one table keyed by the call as the menu gives it ("M52",
// "M781(\"PAD\")", "VARIA_5(1)"). An operation whose screen this version
// does not have yet is a placeholder that says so; each is replaced in the
// table by its own operation when that screen arrives.

#include <functional>
#include <string>
#include <string_view>

#include "core/context.hpp"

namespace zelto::app {

using Operation = std::function<void(core::Ctx&)>;

// The operation under `call`. A call the table does not hold is a fault of
// the program, thrown as std::out_of_range (the menu entry's guard logs it).
const Operation& system_operation(std::string_view call);

// An operation not in this version: "Funcao nao disponivel nesta versao: "
// + `name` in an alert, and nothing else.
Operation not_available(std::string name);

}  // namespace zelto::app
