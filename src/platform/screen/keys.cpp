#include "platform/screen/keys.hpp"

#include <array>
#include <utility>

namespace zelto::screen {
namespace {

constexpr std::array<std::pair<Key, const char*>, 27> kNames{{
    {Key::None, "None"},       {Key::Enter, "Enter"},       {Key::Esc, "Esc"},
    {Key::Tab, "Tab"},         {Key::BackTab, "BackTab"},   {Key::Up, "Up"},
    {Key::Down, "Down"},       {Key::Left, "Left"},         {Key::Right, "Right"},
    {Key::Home, "Home"},       {Key::End, "End"},           {Key::PageUp, "PageUp"},
    {Key::PageDown, "PageDown"}, {Key::Backspace, "Backspace"}, {Key::Delete, "Delete"},
    {Key::F1, "F1"},   {Key::F2, "F2"},   {Key::F3, "F3"},   {Key::F4, "F4"},
    {Key::F5, "F5"},   {Key::F6, "F6"},   {Key::F7, "F7"},   {Key::F8, "F8"},
    {Key::F9, "F9"},   {Key::F10, "F10"}, {Key::F11, "F11"}, {Key::F12, "F12"},
}};

}  // namespace

std::string key_name(Key key) {
  for (const auto& [k, name] : kNames)
    if (k == key) return name;
  return "?";
}

std::optional<Key> key_from_name(std::string_view name) {
  for (const auto& [k, n] : kNames)
    if (name == n) return k;
  return std::nullopt;
}

Key function_key(int number) {
  return static_cast<Key>(static_cast<int>(Key::F1) + number - 1);
}

}  // namespace zelto::screen
