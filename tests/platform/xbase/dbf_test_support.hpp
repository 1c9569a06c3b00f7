#pragma once
// Helpers for the table file tests: scratch folders, raw bytes of a
// storage, child processes, and the Python readers and writers that check
// our files against an independent implementation.

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/storage.hpp"
#include "support/temp_dir.hpp"

namespace zelto::xbase::test {

using TempDir = zelto::testing::TempDir;

// A whole record from values in field order; M fields take their 10 bytes.
inline std::string record_of(const std::vector<FieldDef>& fields, const std::vector<Value>& values,
                             bool deleted = false) {
  std::string r(1, deleted ? '*' : ' ');
  for (size_t i = 0; i < fields.size(); ++i)
    r += fields[i].type == FieldType::Memo ? std::get<std::string>(values.at(i)) : encode_field(fields[i], values.at(i));
  return r;
}

inline std::string all_bytes(Storage& s) {
  std::string out(s.size(), '\0');
  out.resize(s.read_at(0, out.data(), out.size()));
  return out;
}

inline std::string file_bytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::unique_ptr<Storage> memory_with(const std::string& bytes, const std::string& name = "mem.dbf") {
  auto s = make_memory_storage(name);
  if (!bytes.empty()) s->write_at(0, bytes.data(), bytes.size());
  return s;
}

// Collects the messages a file reports while it is read.
struct Notices {
  std::vector<std::string> messages;
  Notice sink() {
    return [this](const std::string& m) { messages.push_back(m); };
  }
  std::string joined() const {
    std::string all;
    for (const auto& m : messages) all += m + "\n";
    return all;
  }
};

// Starts `body` in a forked child. The child leaves with _exit so it never
// runs the parent's test machinery or destructors; its exit status is what
// body returns, 99 for an exception.
inline pid_t start_child(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int code = 99;
    try {
      code = body();
    } catch (...) {
      code = 99;
    }
    ::_exit(code);
  }
  return pid;
}

// The child's exit status, or 128 + the signal that ended it.
inline int wait_child(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline int run_in_child(const std::function<int()>& body) { return wait_child(start_child(body)); }

// Holds children at a starting line until the parent lets them all go, so
// that they really run at the same time: each child calls wait() (after
// its setup), the parent calls release() once all are started.
class StartingLine {
 public:
  StartingLine() {
    if (::pipe(fds_) != 0) throw std::runtime_error("pipe failed");
  }
  ~StartingLine() {
    for (int fd : fds_)
      if (fd >= 0) ::close(fd);
  }
  StartingLine(const StartingLine&) = delete;
  StartingLine& operator=(const StartingLine&) = delete;
  void wait() {
    close_end(1);
    char c;
    while (::read(fds_[0], &c, 1) < 0 && errno == EINTR) {
    }
  }
  void release() { close_end(1); }

 private:
  void close_end(int i) {
    if (fds_[i] >= 0) ::close(fds_[i]);
    fds_[i] = -1;
  }
  int fds_[2] = {-1, -1};
};

// The Debian python3 with python3-dbfread and python3-dbf (the pyenv one
// on PATH has neither). Returns the script's standard output and error.
inline std::string run_python(const TempDir& dir, const std::string& script, int& exit_status) {
  const auto path = dir / "check.py";
  std::ofstream(path) << script;
  const std::string command = "/usr/bin/python3 -W ignore " + path.string() + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("popen failed");
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  const int status = ::pclose(pipe);
  exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

}  // namespace zelto::xbase::test
