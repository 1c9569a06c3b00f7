#include "references.hpp"

#include <map>
#include <set>

#include "demo_error.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::demodata {

namespace {

struct Reference {
  const char* table;
  const char* field;
  const char* target;
  const char* target_key;
};

// Checked when the field is not blank.
constexpr Reference kReferences[] = {
    {"IT", "C408", "UD", "C408"},       {"IT", "C100", "ST", "C100"},   {"IT", "C410", "FB", "C410"},
    {"IE", "C100", "ST", "C100"},       {"IE", "C674", "A1", "C674"},   {"IE", "C6741", "A1", "C674"},
    {"CO", "C037", "UN", "C037"},       {"CO", "C123", "EF", "C123"},   {"CO", "CODIGUNFED", "ET", "C018"},
    {"CO", "CLIENTEPAD", "CL", "C036"}, {"CO", "LAYOUT", "TO", "C350"}, {"LT", "C350", "TO", "C350"},
    {"CG", "C502", "TD", "C130"},       {"CG", "C503", "TD", "C130"},   {"CG", "C507", "TD", "C130"},
    {"CG", "C508", "TD", "C130"},       {"CG", "C313", "UN", "C108"},   {"US", "C018", "ET", "C018"},
    {"UG", "C001", "US", "C001"},       {"UG", "C005", "GR", "C005"},   {"GM", "C005", "GR", "C005"},
    {"GM", "C007", "MO", "C007"},       {"UM", "C001", "US", "C001"},   {"UM", "C007", "MO", "C007"},
    {"CF", "C302", "US", "C001"},       {"CL", "C018", "ET", "C018"},   {"UN", "C018", "ET", "C018"},
    {"R8", "C018", "ET", "C018"},       {"R8", "C100", "D5", "C100"},   {"Z9", "C018", "ET", "C018"},
    {"FO", "C018", "ET", "C018"},       {"EP", "C979", "ET", "C018"},
};

struct UniqueKey {
  const char* table;
  const char* field;
};

constexpr UniqueKey kUniqueKeys[] = {
    {"US", "C001"}, {"IT", "C012"}, {"IT", "C666"}, {"CL", "C036"}, {"A1", "C674"}, {"ST", "C100"},
    {"UD", "C408"}, {"FB", "C410"}, {"TO", "C350"}, {"ET", "C018"}, {"UN", "C037"}, {"MO", "C007"},
    {"GR", "C005"}, {"TD", "C130"}, {"EF", "C123"}, {"R8", "C401"}, {"D5", "C100"}, {"FO", "C042"},
};

std::string key_text(const FixtureRow& row, const char* field) { return runtime::upper(runtime::trim(row.get(field))); }

const std::vector<FixtureRow>& rows_of(const DataSet& data, const char* alias) {
  static const std::vector<FixtureRow> none;
  auto it = data.find(alias);
  return it == data.end() ? none : it->second;
}

}  // namespace

void check_references(const DataSet& data) {
  for (const auto& u : kUniqueKeys) {
    std::map<std::string, std::string> seen;
    for (const FixtureRow& row : rows_of(data, u.table)) {
      const std::string key = key_text(row, u.field);
      if (key.empty()) continue;
      if (auto [at, fresh] = seen.emplace(key, row.where()); !fresh)
        throw DemoError(row.where(u.field) + ": " + u.field + " \"" + key + "\" repeats the one at " + at->second);
    }
  }
  for (const auto& r : kReferences) {
    std::set<std::string> keys;
    for (const FixtureRow& row : rows_of(data, r.target)) keys.insert(key_text(row, r.target_key));
    for (const FixtureRow& row : rows_of(data, r.table)) {
      const std::string value = key_text(row, r.field);
      if (!value.empty() && !keys.count(value))
        throw DemoError(row.where(r.field) + ": " + r.field + " \"" + value + "\" is not a " + r.target_key + " of " +
                        r.target + " (" + r.table + " points to " + r.target + ")");
    }
  }
}

}  // namespace zelto::demodata
