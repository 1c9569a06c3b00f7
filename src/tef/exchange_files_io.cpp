#include "tef/exchange_files_io.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace zelto::tef {
namespace {

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

void sync_folder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<ExchangeFile> read_exchange_file(const std::filesystem::path& file) {
  auto bytes = read_bytes(file);
  if (!bytes) return std::nullopt;
  return ExchangeFile::parse(*bytes);
}

bool write_through(const std::filesystem::path& temp, const std::filesystem::path& file, std::string_view bytes) {
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = write_all(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  sync_folder(file.parent_path());
  return true;
}

bool write_whole(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temp = file;
  temp += ".gravando";
  return write_through(temp, file, bytes);
}

std::optional<ExchangeFile> take_file(const std::filesystem::path& file) {
  std::filesystem::path taken = file;
  taken += ".lido";
  if (::rename(file.c_str(), taken.c_str()) != 0) return std::nullopt;
  auto read = read_exchange_file(taken);
  ::unlink(taken.c_str());
  return read ? read : std::optional<ExchangeFile>(ExchangeFile());
}

void remove_file(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

bool file_exists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

}  // namespace zelto::tef
