#pragma once
// A maker's library loaded as the program loads it: by file name with
// dlopen, entries looked up by name, called with the C convention; and
// blank-filled answer buffers with guard bytes behind them.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ecf/core/memory.hpp"

namespace zelto::ecfsim::testing {

inline const char* library_file(Make m) {
  switch (m) {
    case Make::BE: return ECFSIM_BEMATECH;
    case Make::DA: return ECFSIM_DARUMA;
    case Make::SW: return ECFSIM_SWEDA;
    case Make::EP: return ECFSIM_EPSON;
  }
  return "";
}

// The libraries work in the current folder, as in the program's data folder.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& p) : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(p);
  }
  ~InFolder() { std::filesystem::current_path(before_); }

 private:
  std::filesystem::path before_;
};

class Library {
 public:
  // `per_call`: loaded and freed around every call, as some entries are.
  Library(Make make, bool per_call) : path_(library_file(make)), per_call_(per_call) {
    if (!per_call_) handle_ = open();
  }
  ~Library() {
    if (handle_) ::dlclose(handle_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  template <class... A>
  int call(const char* entry, A... args) {
    void* h = per_call_ ? open() : handle_;
    void* sym = ::dlsym(h, entry);
    EXPECT_NE(sym, nullptr) << entry << " missing from " << path_;
    int r = sym ? reinterpret_cast<int (*)(A...)>(sym)(args...) : -9999;
    if (per_call_) ::dlclose(h);
    return r;
  }

  bool has(const char* entry) {
    void* h = per_call_ ? open() : handle_;
    bool found = ::dlsym(h, entry) != nullptr;
    if (per_call_) ::dlclose(h);
    return found;
  }

 private:
  void* open() {
    void* h = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) throw std::runtime_error(std::string("dlopen: ") + ::dlerror());
    return h;
  }
  std::string path_;
  bool per_call_;
  void* handle_ = nullptr;
};

// `size` blanks (or a preset), a NUL, then guard bytes no entry may touch.
class Buffer {
 public:
  static constexpr std::size_t kGuard = 16;
  explicit Buffer(std::size_t size, char fill = ' ') : size_(size), bytes_(size + 1 + kGuard, '\x5A') {
    std::fill(bytes_.begin(), bytes_.begin() + static_cast<long>(size), fill);
    bytes_[size] = '\0';
  }
  explicit Buffer(const std::string& preset) : Buffer(preset.size()) {
    std::copy(preset.begin(), preset.end(), bytes_.begin());
  }
  char* data() { return bytes_.data(); }
  std::string text() const { return std::string(bytes_.data(), size_); }
  bool guard_intact() const {
    if (bytes_[size_] != '\0') return false;
    for (std::size_t i = size_ + 1; i < bytes_.size(); ++i)
      if (bytes_[i] != '\x5A') return false;
    return true;
  }
  std::size_t size() const { return size_; }

 private:
  std::size_t size_;
  std::vector<char> bytes_;
};

}  // namespace zelto::ecfsim::testing
