#include "ecf/core/memory.hpp"

namespace zelto::ecfsim {

std::string make_code(Make m) {
  switch (m) {
    case Make::BE: return "BE";
    case Make::DA: return "DA";
    case Make::SW: return "SW";
    case Make::EP: return "EP";
  }
  return "BE";
}

std::optional<Make> parse_make(std::string_view code) {
  std::string c = upper(trim(code));
  if (c == "BE") return Make::BE;
  if (c == "DA") return Make::DA;
  if (c == "SW") return Make::SW;
  if (c == "EP") return Make::EP;
  return std::nullopt;
}

std::string phase_name(Phase p) {
  switch (p) {
    case Phase::Items: return "items";
    case Phase::Payments: return "payments";
    case Phase::Paid: return "paid";
    case Phase::Closed: return "closed";
    case Phase::Cancelled: return "cancelled";
  }
  return "items";
}

Cents Receipt::items_total() const {
  Cents sum = 0;
  for (const auto& i : items)
    if (!i.cancelled) sum += i.amount;
  return sum;
}

Cents Receipt::paid() const {
  Cents sum = 0;
  for (const auto& p : payments) sum += p.amount;
  return sum;
}

const PaymentForm* FiscalMemory::form(std::string_view name) const {
  for (const auto& f : forms)
    if (same_name(f.name, name)) return &f;
  return nullptr;
}

}  // namespace zelto::ecfsim
