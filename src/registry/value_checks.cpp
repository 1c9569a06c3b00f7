// The checks of a value on its own: lists, flags, amounts, texts, dates
// and periods.

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "registry/field_checks.hpp"

namespace zelto::registry {
namespace {

bool refuse(FieldScope& s, const char* message) {
  core::G_ERRO(s.ctx(), message);
  return false;
}

}  // namespace

FieldCheck G_CON_SN(std::vector<std::pair<Text, Text>> values_and_labels) {
  return [list = std::move(values_and_labels)](FieldScope& s) {
    if (s.moving_back()) return true;
    const Text value = runtime::trim(s.text());
    for (const auto& [v, label] : list) {
      if (runtime::trim(v) == value) {
        s.describe(label);
        return true;
      }
    }
    return refuse(s, kInvalidField);
  };
}

FieldCheck G_CONSN() {
  return [](FieldScope& s) {
    if (s.moving_back()) return true;
    const Text value = runtime::trim(s.text());
    if (value == "S") s.describe("SIM");
    else if (value == "N") s.describe("NAO");
    else return false;
    return true;
  };
}

FieldCheck G_CONV_L() {
  return [](FieldScope& s) { return s.moving_back() || s.number() > 0 || refuse(s, kMustBeAboveZero); };
}

FieldCheck G_CONVA0() {
  return [](FieldScope& s) { return s.moving_back() || s.number() >= 0 || refuse(s, kNotBelowZero); };
}

FieldCheck G_222CONSTR() {
  return [](FieldScope& s) { return !runtime::trim(s.text()).empty() || refuse(s, kNotInformed); };
}

FieldCheck G_CONDAT() {
  return [](FieldScope& s) { return s.moving_back() || !s.date().empty() || refuse(s, kNoDate); };
}

FieldCheck G_CONDA1() {
  return [](FieldScope& s) {
    if (s.moving_back()) return true;
    const runtime::Date d = s.date();
    if (d.empty()) return refuse(s, kNoDate);
    if (d < s.ctx().clock.now().date) return core::G_CONF(s.ctx(), kDateBeforeToday);
    return true;
  };
}

FieldCheck G_CONPER(std::string start_id) {
  return [start_id = std::move(start_id)](FieldScope& s) {
    if (s.moving_back()) return true;
    const auto* start = std::get_if<runtime::Date>(&s.value_of(start_id));
    if (!start || *start <= s.date()) return true;
    return refuse(s, kBadPeriod);
  };
}

// Both go back as the other checks do: the way back is the Up arrow, and
// only the way back. Accepting every key, as their old back-key test did,
// let a screen save an item without a description or a price.
FieldCheck G_CONVAL(bool allow_zero) {
  return [allow_zero](FieldScope& s) {
    if (s.moving_back()) return true;
    const runtime::Decimal n = s.number();
    if (n > 0) return true;
    if (n < 0) return refuse(s, kValueNegative);
    return allow_zero || refuse(s, kValueZero);
  };
}

FieldCheck G_CONSTR(bool allow_empty) {
  return [allow_empty](FieldScope& s) {
    if (s.moving_back() || allow_empty) return true;
    return !runtime::trim(s.text()).empty() || refuse(s, kFieldEmpty);
  };
}

}  // namespace zelto::registry
