#pragma once
// MD5 digests as the file list writes them: 32 lower-case hexadecimal
// digits, the form `md5sum` shows, so that an auditor can check the list
// against the files with the usual tools.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelto::store {

std::string md5_hex(std::string_view bytes);
// The digest of a file's bytes; nothing when it is missing or unreadable.
std::optional<std::string> file_md5_hex(const std::filesystem::path& file);

}  // namespace zelto::store
