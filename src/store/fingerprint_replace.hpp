#pragma once
// The fingerprint files are replaced, never rewritten in place: the new
// text goes to a temporary file beside the old one, reaches the disk, and
// is renamed over it. A process that dies at any moment leaves either the
// old file or the new one, whole; at worst a stale temporary file, which
// the next write replaces and no reader looks at.

#include <filesystem>
#include <string_view>

namespace zelto::store {

// The temporary file `target` is written through.
std::filesystem::path replacement_of(const std::filesystem::path& target);

// Replaces `target` by `bytes`. Throws std::system_error when the folder
// will not take the file; `target` is then as it was.
void replace_file(const std::filesystem::path& target, std::string_view bytes);

}  // namespace zelto::store
