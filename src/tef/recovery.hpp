#pragma once
// A transaction left pending: the program stopped (or the operator stopped
// waiting) between the manager's response and its acknowledgement of the
// confirmation. Its copy "IntPos.Tmp" stays in the manager's folder, and the
// manager is told not to confirm it before anything else is asked of it.

#include <string_view>

#include "core/context.hpp"
#include "tef/manager_folder.hpp"

namespace zelto::tef {

// TEF_INICIO_ZELTO: run by the sales screen as it starts, for "PAD", "HIP"
// and "TEC". Nothing happens unless a transaction is pending. Otherwise the
// manager is asked whether it is active until it is (the operator may give
// up: the transaction then stays pending for the next start), the
// non-confirmation is sent with the saved fields, and the receipt in
// progress (IO) is emptied.
void TEF_INICIO_ZELTO(core::Ctx& ctx, std::string_view manager);

bool has_pending(const ManagerFolder& folder);

// Settles the pending transaction of the manager as above; true when
// there is none left. `at_start`: the receipt in progress is emptied too.
bool settle_pending(core::Ctx& ctx, std::string_view manager, bool at_start);

}  // namespace zelto::tef
