#pragma once
// Reading, writing, taking and removing the files of the exchange. A
// manager reads a request the moment its name appears, and the checkout
// reads the copy of the last response after a power cut, so both are only
// ever written whole: a temporary file beside, flushed to the disk, then
// renamed over the name.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tef/exchange_file.hpp"

namespace zelto::tef {

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> read_bytes(const std::filesystem::path& file);
std::optional<ExchangeFile> read_exchange_file(const std::filesystem::path& file);

// Writes `bytes` to `temp`, flushes it, renames it to `file` and flushes
// the folder. False when any step failed; the temporary file is then gone
// and `file` is as it was.
bool write_through(const std::filesystem::path& temp, const std::filesystem::path& file, std::string_view bytes);
// The same with a temporary name of its own beside `file`.
bool write_whole(const std::filesystem::path& file, std::string_view bytes);

// Takes a manager's file away from its name before reading it, so that a
// file the manager puts there a moment later is never the one deleted: the
// file is renamed aside, read and removed. Nothing when there was none.
std::optional<ExchangeFile> take_file(const std::filesystem::path& file);

// Removes the file when it is there.
void remove_file(const std::filesystem::path& file);
bool file_exists(const std::filesystem::path& file);

}  // namespace zelto::tef
