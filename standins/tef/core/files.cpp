#include "tef/core/files.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zelto::tefsim {
namespace {

bool same_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

[[noreturn]] void fail(const std::filesystem::path& file, const char* what) {
  throw std::runtime_error(std::string(what) + " " + file.string() + ": " + std::strerror(errno));
}

}  // namespace

std::filesystem::path find(const std::filesystem::path& dir, std::string_view name) {
  std::error_code ec;
  if (std::filesystem::exists(dir / std::string(name), ec)) return dir / std::string(name);
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (same_ignoring_case(it->path().filename().string(), name)) return it->path();
  return dir / std::string(name);
}

std::optional<std::string> read_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void write_whole(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temp = file;
  temp += ".tefsim";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) fail(temp, "cannot create");
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      ::unlink(temp.c_str());
      fail(temp, "cannot write");
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  ::fsync(fd);
  ::close(fd);
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    fail(file, "cannot rename onto");
  }
}

void remove_file(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

}  // namespace zelto::tefsim
