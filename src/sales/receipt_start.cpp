#include "sales/receipt_start.hpp"

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/sale_messages.hpp"
#include "store/record_lock.hpp"
#include "store/seal_record.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Text;
using runtime::padl;
using runtime::padr;
using runtime::strzero;

constexpr const char* kNumberUnread =
    "O Cupom foi aberto na impressora, mas nao foi possivel ler o seu numero (COO/CCF). Nenhum item sera "
    "registrado ate que o numero seja lido ou o Cupom seja cancelado.";

// COO and CCF of the receipt the printer holds open.
bool read_receipt_numbers(Ctx& ctx) {
  core::Globals& g = ctx.g;
  const ecf::Answer coo = ecf::IMP_FISCAL(ctx, "NRO_CUPOM");
  if (!coo.ok || coo.number.sign() <= 0) return false;
  const ecf::Answer ccf = ecf::IMP_FISCAL(ctx, "NRO_CCF_CUPOM");
  if (!ccf.ok) return false;
  g.WAUXNUM = coo.number;
  g.WNROCCF = strzero(runtime::val(ccf.text) - core::Decimal(1), 6);
  return true;
}

void mark_counters(Ctx& ctx) {
  xbase::Table& nv = ctx.db.area("NV");
  nv.go_top();
  if (nv.eof()) {
    nv.append_blank();
  } else {
    store::wait_for_record_lock(ctx, nv);
  }
  nv.put("C777", strzero(ctx.g.WAUXNUM, 8));
  nv.put("C778", "A");
  nv.unlock();
  nv.commit();
}

void append_receipt(Ctx& ctx) {
  const core::Globals& g = ctx.g;
  const os::LocalTime now = ctx.clock.now();
  xbase::Table& ro = ctx.db.area("RO");
  ro.append_blank();
  ro.put("C037", g.WCOD_EST);
  ro.put("C123", g.WMAQUINA);
  ro.put("C125", strzero(g.WAUXNUM, 8));
  ro.put("NUMERSERIE", g.VNUMSERIEIMPRESSORA);
  ro.put("C402", g.WDATACUPOM);
  ro.put("C403", g.WHORACUPOM);
  ro.put("C036", strzero(g.WCODIGCLIEN, 6));
  ro.put("C126", " ");
  ro.put("C127", "A");
  ro.put("C128", now.date);
  ro.put("C129", now.hhmmss().substr(0, 5));
  ro.put("C130", 0);
  ro.put("C131", 0);
  ro.put("C132", 0);
  ro.put("C134", g.W_VISTA);
  ro.put("C083", g.VCAIXAUSUAR);
  ro.put("C014", g.VVENDEUSUAR);
  ro.put("C1301", g.W_TIPODOCUM);
  ro.put("C400", padl(runtime::str(g.W_NUMEVENCI, 12), 12));
  ro.put("C401", g.W_DATAVENCI);
  ro.put("C433", g.WNROCAIXAUSUECF);
  ro.put("NOMECLIEN", g.V_NOME_CLIENTE);
  ro.put("C114", g.V_NOME_CLIENTE);
  ro.put("ENDERCLIEN", g.V_ENDERECO_CLIENTE);
  ro.put("CPFCNPJCLI", g.V_CPFCNPJ_CLIENTE);
  ro.put("C435", g.V_CPFCNPJ_CLIENTE);
  ro.put("C245", g.WNROCCF);
  store::write_seal(ro);
  // The record stays locked while its receipt is sold: its lines update
  // its total, and the closing writes it under that same lock.
  ro.commit();
}

// The numbers read: the counters and the receipt record.
void write_receipt_records(Ctx& ctx) {
  core::Globals& g = ctx.g;
  const os::LocalTime now = ctx.clock.now();
  g.WDATACUPOM = now.date;
  g.WHORACUPOM = now.hhmmss();
  mark_counters(ctx);
  append_receipt(ctx);
  g.WCUPOM_SEM_NUMERO = false;
}

}  // namespace

bool start_receipt_record(Ctx& ctx) {
  core::Globals& g = ctx.g;
  g.WWPRI_ACESSO = false;
  g.WNROCCF = "000000";
  if (!read_receipt_numbers(ctx)) {
    g.WCUPOM_SEM_NUMERO = true;
    core::G_ERRO(ctx, kNumberUnread);
    return false;
  }
  write_receipt_records(ctx);
  return true;
}

bool settle_receipt_without_number(Ctx& ctx) {
  core::Globals& g = ctx.g;
  if (!g.WCUPOM_SEM_NUMERO) return true;
  const bool open = ecf::TEM_CUPOM_ABERTO(ctx);
  if (!g.VRETORIMPRE) {
    // The printer did not answer: nothing is known yet.
    core::G_ERRO(ctx, messages::kPrinterStateUnread);
    return false;
  }
  if (!open) {
    // Cancelled meanwhile: the next line opens a receipt of its own.
    g.WCUPOM_SEM_NUMERO = false;
    return true;
  }
  if (!read_receipt_numbers(ctx)) {
    core::G_ERRO(ctx, kNumberUnread);
    return false;
  }
  write_receipt_records(ctx);
  return true;
}

Text open_receipt_key(const core::Globals& g) {
  return padr(g.WCOD_EST, 2) + padr(g.WMAQUINA, 3) + strzero(g.WAUXNUM, 8);
}

bool seek_open_receipt(Ctx& ctx) {
  const core::Globals& g = ctx.g;
  xbase::Table& ro = ctx.db.area("RO");
  ro.set_order(1);
  // The COO starts again after a printer's memory is replaced: the newest
  // record of the key is the open receipt's, and it must be the one opened
  // at this date and time.
  if (!ro.seek(open_receipt_key(g), false, true)) return false;
  return ro.text("C403") == padr(g.WHORACUPOM, 8) && ro.date("C402") == g.WDATACUPOM;
}

}  // namespace zelto::sales
