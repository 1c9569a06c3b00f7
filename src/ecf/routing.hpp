#pragma once
// What every generic operation shares: the make it runs on, the stops of a
// make no operation serves, and the decoding of an entry's answer.

#include <optional>

#include "core/context.hpp"
#include "ecf/answer.hpp"
#include "ecf/classic_entries.hpp"
#include "ecf/library_call.hpp"
#include "ecf/make.hpp"

namespace zelto::ecf {

enum class StopText {
  NotFound,    // "Nao achou a Impressora "
  NotLocated,  // "Impressora não localizada " (drawer, cash and non-fiscal commands)
};

// Whether the monitor has a command of its own for the operation: when it
// has, "AC" is told it is not driven yet; when it has none (the drawer, cash
// and non-fiscal documents, rounding, truncation, the currency), "AC" is a
// make the operation does not serve, like any other.
enum class Monitor { HasCommand, NoCommand };

// A make without this operation: the ACBr monitor, which this program does
// not drive yet, or a make no operation serves ("EL"). The operator is told
// and the command fails.
Answer no_such_make(core::Ctx& ctx, StopText text = StopText::NotFound, Monitor monitor = Monitor::HasCommand);

// The action's outcome from its entry's answer (nothing: the library or
// the entry could not be reached, and the operator has been told).
Answer decoded(core::Ctx& ctx, std::optional<int> code);

// A query's answer: `ok` is the decoded outcome, also left in VRETORIMPRE,
// and `text` the value.
Answer read_back(core::Ctx& ctx, std::optional<int> code, Text text);

// The same with the value in the buffer the entry answered in, read after
// the call.
Answer read_back(core::Ctx& ctx, std::optional<int> code, const Out& answer);

// A query answered without asking the printer.
Answer known(core::Ctx& ctx, Text text, bool ok = true);

}  // namespace zelto::ecf
