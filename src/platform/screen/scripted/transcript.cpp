#include "platform/screen/scripted/transcript.hpp"

namespace zelto::screen::scripted {

std::vector<std::string> Transcript::texts(const std::string& kind) const {
  std::vector<std::string> out;
  for (const auto& e : entries_)
    if (e.kind == kind) out.push_back(e.text);
  return out;
}

std::string Transcript::str() const {
  std::string out;
  for (const auto& e : entries_) {
    out += e.kind;
    if (!e.title.empty()) out += " [" + e.title + "]";
    out += " " + e.text;
    if (!e.detail.empty()) out += " -> " + e.detail;
    out += "\n";
  }
  return out;
}

}  // namespace zelto::screen::scripted
