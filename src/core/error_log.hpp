#pragma once
// The file "error.log" in the data folder, where a failure that escaped an
// operation is kept until the next login takes it over into the error-log
// table. Its layout: the description of each failure, line by line, then one
// line holding "SYSTEM" and the program's details. The takeover keeps the
// lines before the first line that holds "SYSTEM" (in any case), so a
// description never holds that word, and a later failure's description goes
// in before the SYSTEM line.
//
// Lines end with CR LF; the text is Windows-1252, as the table that takes
// it over holds it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::core {

inline constexpr std::string_view kErrorLogFile = "error.log";

// True when the line holds "SYSTEM" in any case: the takeover stops there.
bool is_system_line(std::string_view line);

// The file's lines without their line ends.
std::vector<std::string> read_error_log_lines(const std::filesystem::path& file);

// Adds one failure's description to the folder's error.log, before its
// SYSTEM line; a new file gets `details` after the SYSTEM line. Lines of the
// description that hold the word are reworded so that the takeover keeps
// them. Throws std::runtime_error when the file cannot be written.
void add_to_error_log(const std::filesystem::path& folder, const std::vector<std::string>& description,
                      const std::string& system_line, const std::vector<std::string>& details);

}  // namespace zelto::core
