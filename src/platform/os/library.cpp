#include "platform/os/library.hpp"

#include <dlfcn.h>

#include <utility>

#include "platform/os/file_lookup.hpp"

namespace zelto::os {

Library Library::load(const std::filesystem::path& folder, std::string_view name) {
  Library lib;
  lib.name_ = std::string(name);
  auto found = find_file(folder, name);
  if (!found) {
    lib.error_code_ = kFileNotFound;
    lib.error_text_ = std::string(name) + ": no such file in " + folder.string();
    return lib;
  }
  lib.path_ = std::filesystem::absolute(*found);
  // A path with a folder in it: the loader searches nowhere else.
  lib.handle_ = ::dlopen(lib.path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!lib.handle_) {
    const char* why = ::dlerror();
    lib.error_code_ = kNotLoadable;
    lib.error_text_ = why ? why : "the library could not be loaded";
  }
  return lib;
}

Library::~Library() { release(); }

Library::Library(Library&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      name_(std::move(other.name_)),
      path_(std::move(other.path_)),
      error_code_(other.error_code_),
      error_text_(std::move(other.error_text_)) {}

Library& Library::operator=(Library&& other) noexcept {
  if (this != &other) {
    release();
    handle_ = std::exchange(other.handle_, nullptr);
    name_ = std::move(other.name_);
    path_ = std::move(other.path_);
    error_code_ = other.error_code_;
    error_text_ = std::move(other.error_text_);
  }
  return *this;
}

void* Library::entry(std::string_view entry_name) const {
  if (!handle_) return nullptr;
  return ::dlsym(handle_, std::string(entry_name).c_str());
}

void Library::release() {
  if (handle_) ::dlclose(handle_);
  handle_ = nullptr;
}

}  // namespace zelto::os
