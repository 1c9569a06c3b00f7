// The checks of the closing fields: the kind of adjustment, the adjustment
// (which starts the closing on the printer), the form letter and the
// amount paid (which pays, closes and records).

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/closing_adjustment.hpp"
#include "sales/closing_payment.hpp"
#include "sales/closing_screen.hpp"
#include "sales/sales_screen.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using screen::FormSession;
using screen::Key;
namespace cn = closing_names;

bool cancelled_or_back(const core::Globals& g) { return g.WCANC_CUPOM || g.WCANCELOU_CUPOM || g.WVOLTARITENS; }

Text money(const Decimal& v) { return runtime::trim(runtime::str(v, 14, 2)); }

void enable(FormSession& row, const char* id, bool on) { row.set_enabled(row.index_of(id), on); }

// Where a refused or turned-down payment goes back to.
void back_to_choice(Ctx& ctx, FormSession& row) {
  if (ctx.g.WPAR17 == "D") {
    row.focus(row.index_of(kPaidField));
  } else {
    VOLTA_P_FORMA_PGTO(ctx, row);
  }
}

}  // namespace

bool CON_ACDESCONTO(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  if (cancelled_or_back(g)) return true;
  const Text kind = runtime::trim(row.text(kKindField));
  if (kind != "D" && kind != "A") {
    core::G_ALERT(ctx, "Campo Invalido.");
    return false;
  }
  g.NTIDES = kind;
  show_adjustment_label(ctx);
  enable(row, kFormField, true);
  enable(row, kAdjustmentField, true);
  enable(row, kKindField, false);
  row.focus(row.index_of(kAdjustmentField));
  return true;
}

bool CON_DESCONTO(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  if (cancelled_or_back(g)) return true;
  if (row.last_key() == Key::Up) return true;
  const Decimal value = row.number(kAdjustmentField);
  if (value.sign() < 0) {
    core::G_ALERT(ctx, "Este Valor nao pode ser menor que zero...");
    return false;
  }
  const AdjustmentMode mode = adjustment_mode(g.VDF);
  const char kind = adjustment_kind(mode, g.NTIDES);
  const Decimal subtotal = g.WTOTALVALOR;
  if (adjustment_too_large(mode, kind, value, subtotal)) {
    core::G_ALERT(ctx, "O Valor do Desconto tem que ser Menor que o Total");
    return false;
  }
  set_printer_adjustment(g, mode, kind, value);
  if (!start_closing_on_printer(ctx)) return false;
  g.WTOTALVALOR = receipt_total(mode, kind, value, subtotal);
  screen::Window& w = sales_window(ctx);
  w.set_text(cn::kTotal, "Total do Cupom...............: " + runtime::str(g.WTOTALVALOR, 12, 2));
  // Begun on the printer: no way back to the items.
  w.set_visible(cn::kBackCaption, false);
  w.unbind_key(Key::F8);
  enable(row, kAdjustmentField, false);
  enable(row, kFormField, true);
  enable(row, kPaidField, true);
  TELA_FORMA(ctx);
  row.focus(row.index_of(kFormField));
  return true;
}

bool CON_FORMAPGTO(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  if (g.WCANC_CUPOM || g.WCANCELOU_CUPOM) return true;
  g.WCANC_TEF = false;
  const Text letter = runtime::trim(row.text(kFormField));
  const PaymentForm* form = letter.empty() ? nullptr : payment_form(letter[0]);
  if (!form || !offered(g, *form)) {
    core::G_ALERT(ctx, "Forma de Pagamento Invalida.");
    return false;
  }
  g.NFORM = Text(1, form->letter);
  screen::Window& w = sales_window(ctx);
  w.set_text(cn::kFormName, form->shown);
  enable(row, kFormField, false);
  enable(row, kPaidField, true);
  row.set_value(kPaidField, g.WTOTALVALOR);
  w.set_visible(cn::kFormsList, false);
  row.focus(row.index_of(kPaidField));
  return true;
}

bool CON_VALOR(Ctx& ctx, FormSession& row) {
  core::Globals& g = ctx.g;
  if (g.WCANC_CUPOM || g.WCANCELOU_CUPOM || g.WCANC_TEF || g.WVOLTARITENS) return true;
  const bool cash_mode = g.WPAR17 == "D";
  if (row.last_key() == Key::Up) {
    if (cash_mode)
      row.focus(row.index_of(kPaidField));
    else
      VOLTA_P_FORMA_PGTO(ctx, row);
    return true;
  }
  const PaymentForm* form = payment_form(cash_mode ? 'D' : runtime::trim(g.NFORM).c_str()[0]);
  if (!form) form = payment_form('D');
  ctx.db.area("P2").zap();
  ctx.db.area("Y3").zap();
  g.WTROCO = Decimal(0);
  g.NFORMA = Text(1, form->letter);
  g.NVALO = row.number(kPaidField).round(2);
  const Decimal total = g.WTOTALVALOR.round(2);
  const Text name = screen_name(g, *form);
  screen::Window& w = sales_window(ctx);

  PaymentEnd end = PaymentEnd::Refused;
  if (by_card_manager(*form)) {
    if (g.NVALO != total) {
      core::G_ALERT(ctx, "O Valor em " + name + " nao pode ser Diferente de " + money(total));
      back_to_choice(ctx, row);
      return true;
    }
    if (!core::G_CONF(ctx, "Confirma o Pagamento com " + name, "S")) {
      back_to_choice(ctx, row);
      return true;
    }
    end = pay_by_card(ctx, *form);
  } else {
    if (g.NVALO < total) {
      core::G_ALERT(ctx, "O Valor em " + name + " nao pode ser menor que " + money(total));
      back_to_choice(ctx, row);
      return true;
    }
    if (g.NVALO > total) {
      g.WTROCO = g.NVALO - total;
      w.set_text(cn::kChangeLabel, "TROCO.................. " + money(g.WTROCO));
      w.set_text(cn::kChange, money(g.WTROCO));
      w.set_visible(cn::kChange, true);
    }
    if (!core::G_CONF(ctx, "Confirma o Pagamento em " + name, "S")) {
      back_to_choice(ctx, row);
      return true;
    }
    copy_credit_settings(g, *form);
    if (!LE_VISTA_PRAZO(ctx)) {
      back_to_choice(ctx, row);
      return true;
    }
    end = pay_by_printer(ctx, *form);
  }
  if (end == PaymentEnd::Refused) {
    back_to_choice(ctx, row);
    return true;
  }
  // Paid: whatever became of the footer, the checkout goes on to a new
  // receipt.
  ESCONDE_FECHA_CUPOM(ctx);
  COMECAR_NOVO_CUPOM(ctx);
  return true;
}

}  // namespace zelto::sales
