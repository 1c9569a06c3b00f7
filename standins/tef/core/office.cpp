#include "tef/core/office.hpp"

namespace zelto::tefsim {

Office::Office(const std::filesystem::path& data_folder) {
  for (const auto& kind : manager_kinds()) managers_.emplace_back(data_folder, kind);
}

void Office::poll(std::int64_t now_ms) {
  for (auto& m : managers_) m.poll(now_ms);
}

const Manager* Office::dead() const {
  for (const auto& m : managers_)
    if (m.dead()) return &m;
  return nullptr;
}

Manager& Office::manager(std::string_view code) {
  const ManagerKind& kind = manager_kind(code);
  for (auto& m : managers_)
    if (m.kind().code == kind.code) return m;
  throw std::invalid_argument("no manager " + std::string(code));
}

}  // namespace zelto::tefsim
