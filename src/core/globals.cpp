#include "core/globals.hpp"

#include <algorithm>

#include "platform/runtime/text.hpp"

namespace zelto::core {
namespace {

struct Entry {
  std::string_view name;
  std::variant<Text Globals::*, Decimal Globals::*, Date Globals::*, bool Globals::*> member;
};

const std::vector<Entry>& entries() {
#define ZELTO_E_TEXT(name, start) Entry{#name, &Globals::name},
#define ZELTO_E_NUMBER(name, start) Entry{#name, &Globals::name},
#define ZELTO_E_DATE(name) Entry{#name, &Globals::name},
#define ZELTO_E_FLAG(name, start) Entry{#name, &Globals::name},
  static const std::vector<Entry> list = {
      ZELTO_GLOBALS(ZELTO_E_TEXT, ZELTO_E_NUMBER, ZELTO_E_DATE, ZELTO_E_FLAG)};
#undef ZELTO_E_TEXT
#undef ZELTO_E_NUMBER
#undef ZELTO_E_DATE
#undef ZELTO_E_FLAG
  return list;
}

}  // namespace

Globals::Globals() {
  VGLOBAL.push_back("D");
}

std::optional<GlobalRef> Globals::find(std::string_view name) {
  const std::string wanted = runtime::upper(runtime::trim(name));
  for (const Entry& e : entries()) {
    if (e.name != wanted) continue;
    return std::visit([this](auto member) -> GlobalRef { return &(this->*member); }, e.member);
  }
  return std::nullopt;
}

const std::vector<std::string_view>& Globals::names() {
  static const std::vector<std::string_view> list = [] {
    std::vector<std::string_view> out;
    for (const Entry& e : entries()) out.push_back(e.name);
    return out;
  }();
  return list;
}

}  // namespace zelto::core
