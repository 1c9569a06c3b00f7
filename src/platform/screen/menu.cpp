#include "platform/screen/menu.hpp"

#include "platform/runtime/text.hpp"
#include "platform/screen/hot_key.hpp"

namespace zelto::screen {

Text menu_label(const MenuEntry& entry) { return runtime::trim(plain_caption(entry.caption)); }

MenuPathResult find_menu_path(const Menu& menu, const std::vector<Text>& labels) {
  MenuPathResult result;
  const std::vector<MenuEntry>* level = &menu.entries;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const MenuEntry* found = nullptr;
    for (const auto& e : *level) {
      if (menu_label(e) == runtime::trim(labels[i])) {
        found = &e;
        break;
      }
    }
    if (!found) {
      result.missing = i;
      return result;
    }
    result.entries.push_back(found);
    level = &found->children;
  }
  return result;
}

}  // namespace zelto::screen
