#pragma once
// The system keeps its folders and file names as Windows texts: "tmp\\",
// "importa\\", "tmp\\GER1437". On this machine they become paths below the
// data folder, each part found without regard to case, as the shops'
// Windows machines found them.

#include <filesystem>
#include <string_view>

namespace zelto::store {

// `text` with its backslashes read as folder separators. A text that starts
// with a separator is taken from the root; any other is below `data_folder`.
// Each existing part is found in any case; a part that does not exist yet
// gets the lower-case name new files get. A trailing separator names the
// folder itself.
std::filesystem::path system_path(const std::filesystem::path& data_folder, std::string_view text);

}  // namespace zelto::store
