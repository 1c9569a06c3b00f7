#pragma once
// The global settings: the one object that holds the program-wide values
// every part of the system reads and writes by name (VIMP_FIS, WTOTALVALOR,
// NPAGOD ...). The running program owns one; each test builds its own.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/globals_list.hpp"
#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::core {

using Text = std::string;  // Windows-1252 bytes
using runtime::Date;
using runtime::Decimal;

// One entry of V_USARPGTO: whether the payment form is offered, and its name
// on the payment screen (16 characters).
struct PaymentFormUse {
  Text use;   // "S" or "N"
  Text name;
};

// A setting reached by name: a pointer to the member it names.
using GlobalRef = std::variant<Text*, Decimal*, Date*, bool*>;

struct Globals {
#define ZELTO_G_TEXT(name, start) Text name{start};
#define ZELTO_G_NUMBER(name, start) Decimal name{Decimal::of(start)};
#define ZELTO_G_DATE(name) Date name{};
#define ZELTO_G_FLAG(name, start) bool name{start};
  ZELTO_GLOBALS(ZELTO_G_TEXT, ZELTO_G_NUMBER, ZELTO_G_DATE, ZELTO_G_FLAG)
#undef ZELTO_G_TEXT
#undef ZELTO_G_NUMBER
#undef ZELTO_G_DATE
#undef ZELTO_G_FLAG

  // The label style list of the entry-screen engine: 83 entries, the last "D".
  std::vector<Text> VGLOBAL = std::vector<Text>(82, Text()) ;
  // The payment forms offered on the payment screen: 20 entries, 1 to 14
  // filled from the general parameters at start.
  std::vector<PaymentFormUse> V_USARPGTO = std::vector<PaymentFormUse>(20);

  Globals();

  // The setting of that name (any case), or nothing.
  std::optional<GlobalRef> find(std::string_view name);
  // Every setting's name, in the list's order.
  static const std::vector<std::string_view>& names();
};

}  // namespace zelto::core
