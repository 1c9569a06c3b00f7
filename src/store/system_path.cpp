#include "store/system_path.hpp"

#include <string>

#include "platform/os/file_lookup.hpp"

namespace zelto::store {

std::filesystem::path system_path(const std::filesystem::path& data_folder, std::string_view text) {
  std::string slashed(text);
  for (char& c : slashed)
    if (c == '\\') c = '/';
  std::filesystem::path path = !slashed.empty() && slashed.front() == '/' ? std::filesystem::path("/") : data_folder;
  size_t start = 0;
  while (start <= slashed.size()) {
    size_t end = slashed.find('/', start);
    if (end == std::string::npos) end = slashed.size();
    const std::string_view part = std::string_view(slashed).substr(start, end - start);
    if (part == "..") {
      path = path / "..";
    } else if (!part.empty() && part != ".") {
      path = os::resolve(path, part);
    }
    start = end + 1;
  }
  return path;
}

}  // namespace zelto::store
