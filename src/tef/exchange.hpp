#pragma once
// One exchange with a manager, from the first request to the confirmation
// or its refusal, and what the run keeps of it for the printer layer.

#include <optional>

#include "core/context.hpp"
#include "tef/exchange_file.hpp"
#include "tef/manager_folder.hpp"

namespace zelto::tef {

struct Exchange {
  Exchange(core::Ctx& ctx, std::string_view operation, std::string_view manager);

  core::Text operation;  // as asked: "ATV", "CRT", "CHQ", "CHB", "ADM"
  ManagerFolder folder;
  core::Text number;     // the request in progress
  ExchangeFile response;
  // The manager took a request of this exchange.
  bool answered = false;
  // The operator stopped waiting: the transaction stays pending in
  // "IntPos.Tmp" until the manager is told not to confirm it.
  bool left_pending = false;
};

// The manager's response of the exchange in progress, kept in the run's
// services while the exchange runs.
struct ResponseInHand {
  std::optional<ExchangeFile> response;
};

// POSSUI_029_CUPOM_TEF: true when the response in hand has the line
// 029-001; its receipt lines, each without its quotes and padded or cut to
// WCOL characters, are run together into WTEXTO_TODO.
bool POSSUI_029_CUPOM_TEF(core::Ctx& ctx);

// The receipt lines 029-001, 029-002 ... up to the first missing one, each
// without its first and last character (the quotes) and padded or cut to
// `width`.
std::vector<core::Text> receipt_lines(const ExchangeFile& response, size_t width);

// Replaces the copy of the pending transaction ("IntPos.Tmp").
bool keep_pending(const ManagerFolder& folder, std::string_view bytes);
void forget_pending(const ManagerFolder& folder);

}  // namespace zelto::tef
