#pragma once
// A checkout with the emulated printer of one make, its library loaded, the
// tables the cash operations read and write made from their layouts and
// open, and an operator CX1 with an open cash period.

#include <initializer_list>
#include <string>

#include "ecf/library_call.hpp"
#include "ecf/printer_ctx.hpp"
#include "store/lookup.hpp"

namespace zelto::cash::testing {

namespace sim = zelto::ecfsim;
using ecf::testing::w;

struct CashCtx : ecf::testing::PrinterCtx {
  explicit CashCtx(const std::string& make = "BE") : PrinterCtx(make) {
    for (const char* alias : {"NV", "MV", "Y4", "Y2", "RE", "UM"}) open_new(alias);
    g.VUSU = "CX1";
    grant("CX1", "M103");
    grant("CX1", "M104");
    g.WCAIXACODIG = "CX1   ";
    g.WABERTCAIXA = "2026121108:00";
    g.WCOD_EST = "01";
    g.WMAQUINA = "001";
    g.VNUMSERIEIMPRESSORA = "BE0101ZE0000001";
    ecf::load_printer_library(ctx);
  }

  void create(const char* alias) {
    const store::CatalogueEntry& row = *store::find_entry(alias);
    db.create(row.file(), store::field_defs(*row.table));
  }
  void open_new(const char* alias) {
    create(alias);
    const store::CatalogueEntry& row = *store::find_entry(alias);
    db.use(row.file(), row.alias(), row.mode, store::order_specs(row));
  }
  void grant(const std::string& who, const std::string& right) {
    xbase::Table& um = db.area("UM");
    um.append_blank();
    um.put("C001", who);
    um.put("C007", right);
    um.unlock();
  }
  // Every record of a table, counted.
  int count(const char* alias) {
    xbase::Table& t = db.area(alias);
    int n = 0;
    for (t.go_top(); !t.eof(); t.skip()) ++n;
    return n;
  }
};

}  // namespace zelto::cash::testing
