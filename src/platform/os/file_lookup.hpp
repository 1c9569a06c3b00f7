#pragma once
// File names in the data folder are found without regard to case, as they
// were on the shops' Windows machines: "M206A.NTX" finds "m206a.ntx".

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace zelto::os {

// The existing file or folder in `dir` whose name equals `name` ignoring
// ASCII case; an exact match wins over others.
std::optional<std::filesystem::path> find_file(const std::filesystem::path& dir, std::string_view name);

// The path to use for `name` in `dir`: the existing entry when there is one
// in any case, otherwise the name in its canonical case (lower case), so
// that every new file of the system is named the same way.
std::filesystem::path resolve(const std::filesystem::path& dir, std::string_view name);

// `name` relative to the current folder or absolute, with its last part
// found case-insensitively in its folder.
std::filesystem::path resolve(std::string_view name);

// Entries of `dir` whose names match a pattern with "*" and "?" ignoring
// case ("*.ntx", "m206?.ntx"), sorted by name.
std::vector<std::filesystem::path> list_matching(const std::filesystem::path& dir, std::string_view pattern);

bool iequals(std::string_view a, std::string_view b);
bool wildcard_match(std::string_view pattern, std::string_view name);  // ASCII case-insensitive

}  // namespace zelto::os
