#pragma once
// What the operator is told when a table does not open. A missing file has
// the system's own message; any other failure (a table another program
// holds, a damaged file, an index whose key does not fit the table) names
// the table and says why, so that support staff know where to look.

#include <exception>
#include <string_view>

#include "core/globals.hpp"

namespace zelto::store {

// "Nao encontrou o arquivo " + the file name.
core::Text missing_file_message(std::string_view file);

// "O arquivo M206.DBF nao pode ser aberto: " + the reason; for a damaged
// file or an unexpected failure the table engine's own words follow on a
// line of their own.
core::Text open_failure_message(std::string_view file, const std::exception& failure);

// The reason alone ("esta em uso por outro programa"), for lists that name
// several tables.
core::Text open_failure_reason(const std::exception& failure);

}  // namespace zelto::store
