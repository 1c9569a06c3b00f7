#include "platform/xbase/storage.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/xbase/error.hpp"

namespace zelto::xbase {
namespace {

std::string os_error(const std::string& what, const std::string& name) {
  return what + " " + name + ": " + std::strerror(errno);
}

class FileStorage final : public Storage {
 public:
  FileStorage(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  ~FileStorage() override { ::close(fd_); }

  size_t read_at(uint64_t offset, void* buffer, size_t len) override {
    size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < len) {
      ssize_t n = ::pread(fd_, out + done, len - done, static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        throw Error(ErrorKind::Io, os_error("cannot read", name_));
      }
      if (n == 0) break;
      done += static_cast<size_t>(n);
    }
    return done;
  }

  void write_at(uint64_t offset, const void* data, size_t len) override {
    size_t done = 0;
    const auto* in = static_cast<const char*>(data);
    while (done < len) {
      ssize_t n = ::pwrite(fd_, in + done, len - done, static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        throw Error(ErrorKind::Io, os_error("cannot write", name_));
      }
      done += static_cast<size_t>(n);
    }
  }

  uint64_t size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) throw Error(ErrorKind::Io, os_error("cannot stat", name_));
    return static_cast<uint64_t>(st.st_size);
  }

  void truncate(uint64_t size) override {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) throw Error(ErrorKind::Io, os_error("cannot truncate", name_));
  }

  void sync() override { ::fdatasync(fd_); }

  bool try_lock(uint64_t offset, uint64_t len, LockKind kind) override {
    struct flock fl {};
    fl.l_type = kind == LockKind::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(offset);
    fl.l_len = static_cast<off_t>(len);
    if (::fcntl(fd_, F_OFD_SETLK, &fl) == 0) return true;
    if (errno == EACCES || errno == EAGAIN) return false;
    throw Error(ErrorKind::Io, os_error("cannot lock", name_));
  }

  void unlock(uint64_t offset, uint64_t len) override {
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(offset);
    fl.l_len = static_cast<off_t>(len);
    ::fcntl(fd_, F_OFD_SETLK, &fl);
  }

  bool in_memory() const override { return false; }
  const std::string& name() const override { return name_; }

 private:
  int fd_;
  std::string name_;
};

class MemoryStorage final : public Storage {
 public:
  explicit MemoryStorage(std::string name) : name_(std::move(name)) {}

  size_t read_at(uint64_t offset, void* buffer, size_t len) override {
    if (offset >= bytes_.size()) return 0;
    size_t n = std::min<uint64_t>(len, bytes_.size() - offset);
    std::memcpy(buffer, bytes_.data() + offset, n);
    return n;
  }

  void write_at(uint64_t offset, const void* data, size_t len) override {
    if (len == 0) return;
    if (offset + len > bytes_.size()) bytes_.resize(offset + len);
    std::memcpy(bytes_.data() + offset, data, len);
  }

  uint64_t size() override { return bytes_.size(); }
  void truncate(uint64_t size) override { bytes_.resize(size); }
  void sync() override {}
  bool try_lock(uint64_t, uint64_t, LockKind) override { return true; }
  void unlock(uint64_t, uint64_t) override {}
  bool in_memory() const override { return true; }
  const std::string& name() const override { return name_; }

 private:
  std::string name_;
  std::vector<unsigned char> bytes_;
};

}  // namespace

std::unique_ptr<Storage> open_file_storage(const std::filesystem::path& path, FileOpen how) {
  int flags = how.write ? O_RDWR : O_RDONLY;
  if (how.create) flags |= O_CREAT;
  if (how.truncate) flags |= O_TRUNC;
  int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0664);
  if (fd < 0) {
    if (errno == ENOENT) throw Error(ErrorKind::NotFound, "file not found: " + path.string());
    throw Error(ErrorKind::Io, os_error("cannot open", path.string()));
  }
  return std::make_unique<FileStorage>(fd, path.string());
}

std::unique_ptr<Storage> make_memory_storage(const std::string& name) {
  return std::make_unique<MemoryStorage>(name);
}

void read_exact(Storage& s, uint64_t offset, void* buffer, size_t len) {
  if (s.read_at(offset, buffer, len) != len)
    throw Error(ErrorKind::Damaged, s.name() + " is shorter than its header says (offset " + std::to_string(offset) + ")");
}

}  // namespace zelto::xbase
