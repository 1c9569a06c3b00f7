#include "tef/core/fields.hpp"

namespace zelto::tefsim {
namespace {

std::string trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return std::string(s.substr(first, last - first + 1));
}

}  // namespace

Fields Fields::parse(std::string_view text) {
  Fields f;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const std::string id = line.substr(0, 7);
    const std::string value = line.size() > 10 ? line.substr(10) : std::string();
    f.lines_.emplace_back(id, value);
  }
  return f;
}

std::string Fields::get(std::string_view id) const {
  for (const auto& [i, v] : lines_)
    if (i == id) return v;
  return {};
}

bool Fields::has(std::string_view id) const {
  for (const auto& line : lines_)
    if (line.first == id) return true;
  return false;
}

Composer& Composer::add(std::string id, std::string value) {
  text_ += id + " = " + value + "\r\n";
  return *this;
}

}  // namespace zelto::tefsim
