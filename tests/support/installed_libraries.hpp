#pragma once
// The libraries a complete data folder holds beside its tables: the emulated
// printer's, under the makers' file names, and the signing library, copied
// from the build the way `ecfsim libs DIR` installs them. A test target that
// uses them defines ZELTO_BINARY_DIR, the build's top folder.

#include <filesystem>
#include <stdexcept>
#include <string>

#ifndef ZELTO_BINARY_DIR
#error "a test target installing the libraries defines ZELTO_BINARY_DIR"
#endif

namespace zelto::testing {

inline std::filesystem::path built_standins() { return std::filesystem::path(ZELTO_BINARY_DIR) / "standins"; }

inline void install_libraries(const std::filesystem::path& folder) {
  const std::filesystem::path standins = built_standins();
  int installed = 0;
  for (const char* where : {"ecf", "sign"}) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(standins / where, ec)) {
      if (entry.path().extension() != ".dll") continue;
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
      ++installed;
    }
  }
  if (installed == 0) throw std::runtime_error("no libraries built under " + standins.string());
}

}  // namespace zelto::testing
