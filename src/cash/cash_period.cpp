#include "cash/cash_period.hpp"

#include <optional>

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "store/lookup.hpp"
#include "store/open_catalogue.hpp"

namespace zelto::cash {
namespace {

using core::Text;

// C083 of the cash periods.
constexpr std::size_t kAccountWidth = 6;

// RE opened for one check and closed after it; a table already open keeps
// its order and record.
class PeriodsTable {
 public:
  explicit PeriodsTable(core::Ctx& ctx) : ctx_(ctx) {
    if (xbase::Table* re = ctx.db.find("RE")) {
      was_ = re->position();
      return;
    }
    const store::CatalogueEntry* entry = store::find_entry("RE");
    store::OpeningProgress quiet;
    opened_here_ = entry && store::open_catalogue_entry(ctx, *entry, quiet, "N") == store::Opened::Ok;
  }
  ~PeriodsTable() {
    if (opened_here_) {
      ctx_.db.close("RE");
    } else if (was_) {
      if (xbase::Table* re = ctx_.db.find("RE")) re->restore(*was_);
    }
  }
  PeriodsTable(const PeriodsTable&) = delete;
  PeriodsTable& operator=(const PeriodsTable&) = delete;

  xbase::Table* table() const { return ctx_.db.find("RE"); }

 private:
  core::Ctx& ctx_;
  std::optional<xbase::Position> was_;
  bool opened_here_ = false;
};

struct OpenPeriod {
  runtime::Date start_date, end_date;
  Text start_time, end_time;
};

// Whether `now` lies within the period, both ends included to the minute.
// A period not closed yet has no end date: it runs on.
bool holds(const OpenPeriod& p, const runtime::Date& today, const Text& hhmm) {
  const bool started = today > p.start_date || (today == p.start_date && hhmm >= p.start_time);
  const bool not_ended =
      p.end_date.empty() || today < p.end_date || (today == p.end_date && hhmm <= p.end_time);
  return started && not_ended;
}

}  // namespace

bool G_CAICO1(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  PeriodsTable periods(ctx);
  xbase::Table* re = periods.table();
  if (!re) return false;

  g.V_CAIXCAIX = g.WCODIGCONTA;
  const Text account = runtime::padr(runtime::left(g.WCODIGCONTA, kAccountWidth), kAccountWidth);
  re->set_order(1);  // account, opening date and time
  int open = 0;
  OpenPeriod last;
  for (bool more = re->seek(account); more && !re->eof() && re->text("C083") == account; re->skip()) {
    if (re->text("C099") != "A") continue;
    ++open;
    last = {re->date("C096"), re->date("C105"), re->text("C104"), re->text("C106")};
    g.V_CAIXHORA = re->text("C083") + re->date("C096").dtos() + re->text("C104");
  }

  if (open == 0) {
    core::G_ERRO(ctx, "O Caixa " + g.WCODIGCONTA + " nao esta Aberto");
    return false;
  }
  if (open > 1) {
    core::G_ERRO(ctx, "Existe mais de um caixa em aberto verifique em M121 e faca a correcao");
    g.V_CAIXHORA = "";
    return false;
  }
  const os::LocalTime now = ctx.clock.now();
  if (!holds(last, now.date, now.hhmm())) {
    core::G_ERRO(ctx, "A hora atual esta fora do caixa de " + last.start_date.text() + "-" + last.start_time + " ate " +
                          last.end_date.text() + "-" + last.end_time);
    return false;
  }
  return true;
}

}  // namespace zelto::cash
