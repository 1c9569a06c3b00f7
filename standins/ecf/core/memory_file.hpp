#pragma once
// The fiscal memory as a readable text: one "key=value" line per fact,
// fields of a value separated by '|', texts in UTF-8. Lists repeat their key;
// "receipt.", "last." and "z." lines belong to the record above them.

#include <optional>
#include <string>

#include "ecf/core/memory.hpp"

namespace zelto::ecfsim {

std::string memory_to_text(const FiscalMemory& m);

// Nothing, with `error` set to the line at fault, for a text that is not a
// fiscal memory.
std::optional<FiscalMemory> memory_from_text(const std::string& text, std::string* error = nullptr);

}  // namespace zelto::ecfsim
