#include "platform/screen/hot_key.hpp"

#include "platform/runtime/text.hpp"

namespace zelto::screen {

std::optional<char> hot_letter(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return runtime::upper_1252_char(caption[i + 1]);
  }
  return std::nullopt;
}

Text plain_caption(std::string_view caption) {
  Text out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out.push_back('&');
      if (i + 1 < caption.size() && caption[i + 1] == '&') ++i;
      continue;
    }
    out.push_back(caption[i]);
  }
  return out;
}

bool claims_hot_key(std::string_view caption, char letter) {
  const std::string wanted{'&', runtime::upper_1252_char(letter)};
  return runtime::upper_1252(caption).find(wanted) != std::string::npos;
}

}  // namespace zelto::screen
