#pragma once
// Comma-separated values as spreadsheets write them: fields in double quotes
// may hold commas, line breaks and doubled quotes.

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zelto::tools {

// The next record, or nullopt at the end of the input. Throws
// std::runtime_error on a quote left open.
std::optional<std::vector<std::string>> read_csv_record(std::istream& in);
void write_csv_record(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace zelto::tools
