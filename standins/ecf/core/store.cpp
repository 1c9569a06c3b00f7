#include "ecf/core/store.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ecf/core/memory_file.hpp"

namespace zelto::ecfsim {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string& what, const fs::path& path) {
  throw std::runtime_error(what + " " + path.string() + ": " + std::strerror(errno));
}

void write_all(int fd, const char* data, std::size_t size, const fs::path& path) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("cannot write", path);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

void sync_folder(const fs::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

PrinterLock::PrinterLock(const fs::path& folder) {
  fs::path p = folder / files::kLock;
  fd_ = ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) fail("cannot open", p);
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd_);
      fail("cannot lock", p);
    }
  }
}

PrinterLock::~PrinterLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

void write_file_atomically(const fs::path& path, const std::string& text, const WriteHooks& hooks) {
  fs::path tmp = path;
  tmp += ".tmp" + std::to_string(::getpid());
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) fail("cannot create", tmp);
  std::size_t half = text.size() / 2;
  write_all(fd, text.data(), half, tmp);
  if (hooks.half_written) hooks.half_written();
  write_all(fd, text.data() + half, text.size() - half, tmp);
  if (::fsync(fd) != 0) {
    ::close(fd);
    fail("cannot sync", tmp);
  }
  ::close(fd);
  if (::rename(tmp.c_str(), path.c_str()) != 0) fail("cannot rename", tmp);
  sync_folder(path.parent_path());
}

std::optional<std::string> read_text_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Loaded load_memory(const fs::path& folder) {
  Loaded l;
  auto text = read_text_file(folder / files::kMemory);
  if (!text) return l;
  l.text = *text;
  l.memory = memory_from_text(*text, &l.error);
  return l;
}

void save_memory(const fs::path& folder, const FiscalMemory& m, const WriteHooks& hooks) {
  write_file_atomically(folder / files::kMemory, memory_to_text(m), hooks);
}

void append_roll(const fs::path& folder, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::string text;
  for (const auto& l : lines) text += to_utf8(l) + "\n";
  fs::path p = folder / files::kRoll;
  int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) fail("cannot open", p);
  write_all(fd, text.data(), text.size(), p);
  ::close(fd);
}

std::vector<std::string> read_roll(const fs::path& folder) {
  std::vector<std::string> lines;
  std::ifstream in(folder / files::kRoll, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace zelto::ecfsim
