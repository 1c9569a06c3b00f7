#include "platform/os/file_lookup.hpp"

#include <algorithm>
#include <system_error>

namespace zelto::os {
namespace fs = std::filesystem;
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

}  // namespace

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

bool wildcard_match(std::string_view pattern, std::string_view name) {
  // Iterative match with back-tracking to the last "*".
  size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::optional<fs::path> find_file(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  fs::path exact = dir / fs::path(std::string(name));
  if (fs::exists(exact, ec)) return exact;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return std::nullopt;
  std::optional<fs::path> found;
  for (const auto& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (iequals(candidate, name)) {
      // Several spellings of one name: take the first in name order so the
      // choice does not depend on the directory's order.
      if (!found || candidate < found->filename().string()) found = dir / candidate;
    }
  }
  return found;
}

fs::path resolve(const fs::path& dir, std::string_view name) {
  if (auto found = find_file(dir, name)) return *found;
  std::string canonical(name);
  std::transform(canonical.begin(), canonical.end(), canonical.begin(), lower);
  return dir / canonical;
}

fs::path resolve(std::string_view name) {
  fs::path p{std::string(name)};
  fs::path dir = p.parent_path();
  return resolve(dir, p.filename().string());
}

std::vector<fs::path> list_matching(const fs::path& dir, std::string_view pattern) {
  std::vector<fs::path> out;
  std::error_code ec;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return out;
  for (const auto& entry : it) {
    std::string n = entry.path().filename().string();
    if (wildcard_match(pattern, n)) out.push_back(dir / n);
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace zelto::os
