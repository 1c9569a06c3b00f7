#include "tef/manager_folder.hpp"

#include "platform/os/file_lookup.hpp"

namespace zelto::tef {
namespace {

// A part of a path found in any case, or as spelled when it does not exist.
std::filesystem::path part(const std::filesystem::path& dir, std::string_view name) {
  if (auto found = os::find_file(dir, name)) return *found;
  return dir / std::string(name);
}

// "\tef_dial\" -> "tef_dial"
std::string folder_name(std::string_view text) {
  std::string name(text);
  while (!name.empty() && name.front() == '\\') name.erase(name.begin());
  while (!name.empty() && name.back() == '\\') name.pop_back();
  return name;
}

}  // namespace

std::string manager_code(std::string_view manager) {
  if (manager == "TEC" || manager == "HIP") return std::string(manager);
  return "PAD";
}

std::string manager_folder_text(std::string_view manager) {
  const std::string code = manager_code(manager);
  if (code == "TEC") return "\\tef_disc\\";
  if (code == "HIP") return "\\HiperTEF\\";
  return "\\tef_dial\\";
}

ManagerFolder::ManagerFolder(const std::filesystem::path& data_folder, std::string_view manager)
    : code_(manager_code(manager)) {
  root_ = part(part(data_folder, "tef"), folder_name(manager_folder_text(code_)));
}

std::filesystem::path ManagerFolder::file(std::string_view name) const {
  std::filesystem::path path = root_;
  size_t start = 0;
  for (;;) {
    const size_t end = name.find('\\', start);
    path = part(path, name.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return path;
    start = end + 1;
  }
}

void ManagerFolder::make_folders() const {
  std::filesystem::create_directories(file("req"));
  std::filesystem::create_directories(file("resp"));
}

}  // namespace zelto::tef
