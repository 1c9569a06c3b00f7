#pragma once
// A data folder with the operators table (M001.DBF, alias US) and the
// rights table (M006.DBF, alias UM) made from their layouts and open with
// their orders, and the scripted context around them.

#include <string>

#include "app/password.hpp"
#include "store/lookup.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::testing {

struct OperatorsFixture : ScriptedCtx {
  OperatorsFixture() {
    open_new("US");
    open_new("UM");
  }

  void open_new(const char* alias) {
    const store::CatalogueEntry& row = *store::find_entry(alias);
    db.create(row.file(), store::field_defs(*store::find_layout(alias)));
    db.use(row.file(), row.alias(), row.mode, store::order_specs(row));
  }

  // `stored` is written as C003 as it stands (a blank one, a foreign one).
  void add_operator_stored(const std::string& code, const std::string& stored, const std::string& active = "A") {
    xbase::Table& us = db.area("US");
    us.append_blank();
    us.put("C001", code);
    us.put("C002", "Operador " + code);
    us.put("C003", stored);
    us.put("C004", active);
    us.unlock();
  }
  void add_operator(const std::string& code, const std::string& password, const std::string& active = "A") {
    add_operator_stored(code, app::SCRAMBLE_PASSWORD(password), active);
  }

  void grant(const std::string& code, const std::string& right) {
    xbase::Table& um = db.area("UM");
    um.append_blank();
    um.put("C001", code);
    um.put("C007", right);
    um.put("C009", "I");
    um.unlock();
  }

  std::string service_code() { return app::SERVICE_CODE(clock.now().date); }
};

}  // namespace zelto::testing
