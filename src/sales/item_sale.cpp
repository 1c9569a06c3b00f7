// VENDER_ITEM_ECF: the sale of one line, from the item's checks through
// the printer to the line's records.

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/amounts.hpp"
#include "sales/anvisa_screen.hpp"
#include "sales/item_entry.hpp"
#include "sales/item_lookup.hpp"
#include "sales/receipt_open.hpp"
#include "sales/receipt_start.hpp"
#include "sales/sale_grand_total.hpp"
#include "sales/sale_messages.hpp"
#include "sales/sale_records.hpp"
#include "sales/sales_window.hpp"
#include "sales/tax_code.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Decimal;

// The item may be sold on this printer: active, the printer usable, its
// tax code among the printer's rates. WVALORPRODU, WDESCR and WSITUA are
// set from the item.
bool item_may_be_sold(Ctx& ctx, const Item& item) {
  core::Globals& g = ctx.g;
  if (item.state != "A") {
    core::G_ERRO(ctx, messages::kInactive);
    return false;
  }
  if (!g.VCOMUNICOU_C_IMPRESSORA) {
    core::G_ERRO(ctx, messages::kNoPrinter);
    return false;
  }
  if (runtime::trim(g.VALIQUOTAS).empty() && !ecf::IMP_FISCAL(ctx, "CARREGA_ALIQUOTAS").ok) {
    core::G_ERRO(ctx, messages::kNoRates);
    return false;
  }
  if (entry_layout(g) == EntryLayout::Value) {
    if (item.price.sign() <= 0) return false;
    g.WQUANTPRODU = Decimal::divide(g.WVALORPRODU, item.price, 3);
  }
  g.WVALORPRODU = item.price;
  g.WDESCR = item.description;
  SITUA_TRIBU(ctx, item.situation);
  if (!rate_programmed(g.WSITUA, g.VALIQUOTAS)) {
    core::G_ERRO(ctx, rate_refusal(g.WSITUA));
    return false;
  }
  return true;
}

// The receipt the line goes into: the one the printer holds open, or a
// new one opened for it. The printer decides which, not the work table:
// a receipt opened for a line whose printing failed is still the receipt.
bool receipt_ready(Ctx& ctx, const Item& item, AnvisaData& anvisa) {
  core::Globals& g = ctx.g;
  if (g.WCUPOM_SEM_NUMERO && !settle_receipt_without_number(ctx)) return false;
  const bool open = ecf::TEM_CUPOM_ABERTO(ctx);
  if (!g.VRETORIMPRE) {
    core::G_ERRO(ctx, messages::kPrinterStateUnread);
    return false;
  }
  if (open) {
    if (g.WWPRI_ACESSO) {
      core::G_ERRO(ctx, messages::kEarlierReceiptOpen);
      return false;
    }
    if (!LE_ANVISA(ctx, item, anvisa)) return false;
    if (!seek_open_receipt(ctx)) {
      core::G_ERRO(ctx, messages::kReceiptRecordMissing);
      return false;
    }
    return true;
  }
  if (!LE_ANVISA(ctx, item, anvisa)) return false;
  g.WSEQUEITEM = Decimal(1);
  if (!ABRE_CUPOM(ctx)) {
    if (!ctx.run.end_requested) sales_window(ctx).set_text(names::kBanner, kFreeText);
    return false;
  }
  return start_receipt_record(ctx);
}

// Sends the line until the printer takes it or the operator gives up.
bool print_line(Ctx& ctx) {
  while (!ecf::IMP_FISCAL(ctx, "VEN_ITEM").ok) {
    if (!core::G_CONF(ctx, messages::kRetryPrinting)) return false;
  }
  store_sale_grand_total(ctx);
  return true;
}

bool sell_line(Ctx& ctx) {
  core::Globals& g = ctx.g;
  xbase::Table& it = ctx.db.area("IT");
  if (it.eof()) return false;
  const Item item = read_item(it);
  g.WCODIGITEM = Decimal(item.code_number());
  if (!item_may_be_sold(ctx, item)) return false;

  AnvisaData anvisa;
  if (!receipt_ready(ctx, item, anvisa)) return false;
  if (ecf::FIM_PAPEL_BEM7(ctx)) return false;

  g.WVALOR = to_cents(g, item.price);
  g.WCOD_ITEM_BARRA = item.printed_code();
  // The printer layer reads the unit from the item's record.
  it.go_to(item.recno);
  if (!print_line(ctx)) return false;

  if (!record_sale_line(ctx, item, anvisa)) {
    // Printed but not recorded: the receipt's record went missing while
    // the line was on the printer. The operator must know the tables are
    // short of a printed line.
    core::G_ERRO(ctx, messages::kReceiptRecordMissing);
    return false;
  }
  g.WSEQUEITEM += Decimal(1);
  return true;
}

}  // namespace

bool VENDER_ITEM_ECF(Ctx& ctx) {
  const bool sold = sell_line(ctx);
  core::Globals& g = ctx.g;
  g.WCODIGITEM = Decimal(0);
  g.WQUANTPRODU = Decimal(1);
  if (!ctx.run.end_requested) sales_window(ctx).set_text(names::kBanner, kFreeText);
  return sold;
}

}  // namespace zelto::sales
