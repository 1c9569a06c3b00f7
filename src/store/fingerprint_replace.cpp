#include "store/fingerprint_replace.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace zelto::store {
namespace {

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& file) {
  throw std::system_error(errno, std::generic_category(), what + " " + file.string());
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

void write_all(int fd, std::string_view bytes, const std::filesystem::path& file) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("cannot write", file);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

}  // namespace

std::filesystem::path replacement_of(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

void replace_file(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path temporary = replacement_of(target);
  {
    Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.get() < 0) fail("cannot create", temporary);
    write_all(out.get(), bytes, temporary);
    if (::fsync(out.get()) != 0) fail("cannot flush", temporary);
    if (::close(out.release()) != 0) fail("cannot close", temporary);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    fail("cannot replace", target);
  }
  // The rename itself reaches the disk with the folder.
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace zelto::store
