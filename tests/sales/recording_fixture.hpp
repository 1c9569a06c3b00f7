#pragma once
// A checkout with a receipt of a few lines sold through the sales window
// against the emulated printer, ready to be closed and recorded; helpers
// for the footer layouts and for reading what the recording left.

#include <string>
#include <vector>

#include "items_fixture.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/receipt_close.hpp"

namespace zelto::sales::recording_testing {

using items_testing::ItemsCtx;
using runtime::Decimal;
using runtime::trim;

inline Decimal d(const char* text) { return Decimal::of(text); }

struct ReceiptCtx : ItemsCtx {
  // Sells rice (23.90) and two beans (8.49 each): 40.88.
  ReceiptCtx() {
    play("type \"" + items_testing::kRice + "\"\npress Enter\n"
         "type \"" + items_testing::kBeans + "\"\npress Enter\n"
         "type \"" + items_testing::kBeans + "\"\npress Enter\n"
         "focus \"WCODIGITEM\"\n");
    coo = memory().receipt->coo;
    g.WCOL = Decimal(48);
  }

  // The settings the payment screen leaves for a cash payment of `paid`
  // on a total of `total`.
  void paid_in_cash(const Decimal& total, const Decimal& paid) {
    g.WTOTALVALOR = total;
    g.NPAGOD = paid;
    g.WTROCO = paid - total;
    g.W_VISTA = "V";
    g.WDESCFORMA = "Dinheiro";
    g.VDESCRMEIO = "Dinheiro";
  }

  // Plays `script` (the dialogs) around `f`.
  template <class F>
  void with_dialogs(const std::string& script, F f) {
    screen.script() = screen::scripted::Script::parse(script);
    f();
    screen.expect_done();
  }

  void add_layout_entry(const char* layout, int line, int column, const char* kind, const char* text) {
    xbase::Table& lt = db.area("LT");
    lt.append_blank();
    lt.put("C350", layout);
    lt.put("C353", line);
    lt.put("C354", column);
    lt.put("C355", kind);
    lt.put("C357", text);
    lt.unlock();
    lt.flush();
  }
  void add_footer_field(const char* name, const char* expression) {
    xbase::Table& am = db.area("AM");
    am.append_blank();
    am.put("C950", name);
    am.put("C951", name);
    am.put("C953", expression);
    am.unlock();
    am.flush();
  }

  // The stock of item `code`, and whether its seal verifies.
  Decimal stock(const char* code) {
    xbase::Table& it = db.area("IT");
    it.set_order(1);
    it.seek(code);
    return it.number("C837");
  }
  bool item_sealed(const char* code) {
    xbase::Table& it = db.area("IT");
    it.set_order(1);
    it.seek(code);
    return store::seal_holds(it);
  }
  xbase::Table& first(const char* alias) {
    xbase::Table& t = db.area(alias);
    t.set_order(0);
    t.go_top();
    return t;
  }

  long coo = 0;
};

}  // namespace zelto::sales::recording_testing
