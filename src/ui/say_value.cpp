#include "ui/say_value.hpp"

#include "platform/runtime/picture.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ui {

std::string caption_of(const SayValue& value, const std::string& mask) {
  if (const auto* n = std::get_if<runtime::Decimal>(&value)) {
    if (mask.empty()) return n->to_string();
    return runtime::transform(*n, mask);
  }
  if (const auto* d = std::get_if<runtime::Date>(&value)) return d->text();
  const auto& text = std::get<std::string>(value);
  return mask.empty() ? text : runtime::transform(text, mask);
}

std::vector<std::string> caption_lines(const std::string& caption) {
  constexpr std::size_t kWrap = 252;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t nl = caption.find('\n', start);
    const bool last = nl == std::string::npos;
    std::string line = caption.substr(start, last ? std::string::npos : nl - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    do {
      lines.push_back(runtime::rtrim(line.substr(0, kWrap)));
      line = line.size() > kWrap ? line.substr(kWrap) : std::string();
    } while (!line.empty());
    if (last) break;
    start = nl + 1;
  }
  return lines;
}

}  // namespace zelto::ui
