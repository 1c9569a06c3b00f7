#include "operator_rights.hpp"

#include "app/password.hpp"
#include "demo_error.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::demodata {

using runtime::trim;
using runtime::upper;

namespace {

constexpr size_t kPasswordWidth = 6;

const std::vector<FixtureRow>& rows_of(const DataSet& data, const std::string& alias) {
  static const std::vector<FixtureRow> none;
  auto it = data.find(alias);
  return it == data.end() ? none : it->second;
}

}  // namespace

void store_passwords(std::vector<FixtureRow>& operators) {
  for (FixtureRow& op : operators) {
    const std::string typed = trim(op.get("C003"));
    if (typed.size() > kPasswordWidth || !app::password_chars_ok(typed))
      throw DemoError(op.where() + ": the password of " + trim(op.get("C001")) +
                      " must be up to six letters or digits, as the login field takes it");
    op.set("C003", app::SCRAMBLE_PASSWORD(typed), true);
  }
}

std::vector<FixtureRow> operator_rights(const DataSet& data) {
  // operator + function -> row, kept in the order the rights were found
  std::vector<FixtureRow> rights;
  std::map<std::string, size_t> index;
  auto grant = [&](FixtureRow row) {
    const std::string key = upper(trim(row.get("C001"))) + "|" + upper(trim(row.get("C007")));
    if (auto it = index.find(key); it != index.end())
      rights[it->second] = std::move(row);
    else {
      index.emplace(key, rights.size());
      rights.push_back(std::move(row));
    }
  };

  for (const FixtureRow& member : rows_of(data, "UG")) {
    const std::string group = upper(trim(member.get("C005")));
    for (const FixtureRow& function : rows_of(data, "GM")) {
      if (upper(trim(function.get("C005"))) != group) continue;
      FixtureRow right{function.source, function.line, {}};
      right.set("C001", member.get("C001"));
      right.set("C007", function.get("C007"));
      right.set("C009", "G");
      grant(std::move(right));
    }
  }
  for (FixtureRow own : rows_of(data, "UM")) {
    if (trim(own.get("C009")).empty()) own.set("C009", "I");
    grant(std::move(own));
  }
  return rights;
}

}  // namespace zelto::demodata
