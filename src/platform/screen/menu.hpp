#pragma once
// Pop-up menus as a tree. An entry's status text is shown in the message
// bar while the entry is highlighted.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/screen/types.hpp"

namespace zelto::screen {

struct MenuEntry {
  Text caption{};  // "&A. Utilitarios    ", as stored
  Text status{};
  bool enabled = true;
  std::function<void()> action{};  // leaves run it; entries with children open them
  std::vector<MenuEntry> children{};
  // An entry that opens a submenu even when its children were left out.
  bool submenu = false;

  bool opens_submenu() const { return submenu || !children.empty(); }
};

struct Menu {
  std::vector<MenuEntry> entries{};
  Rect where{};  // position of the pop-up in the main frame
};

// The name scripts and people use for an entry: the caption without its
// "&" markers, blanks trimmed ("A. Utilitarios").
Text menu_label(const MenuEntry& entry);

// Entries along a path of labels, from the top; nullopt with the index of
// the first label not found.
struct MenuPathResult {
  std::vector<const MenuEntry*> entries;
  std::optional<std::size_t> missing{};
};
MenuPathResult find_menu_path(const Menu& menu, const std::vector<Text>& labels);

}  // namespace zelto::screen
