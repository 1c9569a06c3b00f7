#pragma once
// The stand-in's file handling: names found in any case, as on the shops'
// Windows machines, and every file it hands the checkout written whole (a
// temporary file, flushed, renamed over the name).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelto::tefsim {

// The entry of `dir` named `name` in any case, or `dir/name` as spelled.
std::filesystem::path find(const std::filesystem::path& dir, std::string_view name);

std::optional<std::string> read_file(const std::filesystem::path& file);
// Throws std::runtime_error when the file cannot be written.
void write_whole(const std::filesystem::path& file, std::string_view bytes);
void remove_file(const std::filesystem::path& file);

}  // namespace zelto::tefsim
