#include "demo_day.hpp"

#include "demo_error.hpp"
#include "ecf/core/session.hpp"
#include "ecf/core/store.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/workspace.hpp"
#include "store/catalogue.hpp"
#include "store/fingerprint_file.hpp"
#include "store/lookup.hpp"
#include "store/seal_record.hpp"
#include "store/seal_scramble.hpp"

namespace zelto::demodata {

namespace fs = std::filesystem;

namespace {

// The demo's one checkout (C123 of conf.csv).
constexpr const char* kCheckout = "001";

ecfsim::FiscalMemory printer_memory(const fs::path& dir) {
  ecfsim::Loaded loaded = ecfsim::load_memory(dir);
  if (!loaded.memory) throw DemoError("cannot read the demo printer's fiscal memory: " + loaded.error);
  return *loaded.memory;
}

void on_printer(const fs::path& dir, const char* what, const ecfsim::Operation& op) {
  const ecfsim::CallResult r = ecfsim::run_command(dir, ecfsim::Make::BE, ecfsim::CallKind::Command, op);
  if (!r.answered || !r.outcome.ok())
    throw DemoError(std::string("the demo printer refused ") + what + ": " + (r.error.empty() ? r.outcome.why : r.error));
}

// The printer's day, unless a printer left in the folder has it open already.
void open_printer_day(const fs::path& dir) {
  if (printer_memory(dir).day.open) return;
  on_printer(dir, "the opening of the day", [](ecfsim::Printer& p) { return p.open_day(); });
  on_printer(dir, "the X reading", [](ecfsim::Printer& p) { return p.x_reading(); });
}

runtime::Decimal in_reais(ecfsim::Cents cents) { return runtime::Decimal::from_units(cents, 2); }

xbase::Table& open_table(xbase::Workspace& ws, const char* alias) {
  const store::CatalogueEntry* entry = store::find_entry(alias);
  return ws.use(entry->file(), entry->alias(), xbase::OpenMode::Exclusive, store::order_specs(*entry));
}

void write_daily_record(xbase::Workspace& ws, const ecfsim::FiscalMemory& m, const os::LocalTime& now) {
  xbase::Table& pd = open_table(ws, "PD");
  pd.append_blank();
  pd.put("DATA", now.date);
  pd.put("PDV", kCheckout);
  pd.put("SITUACAO", "A");
  pd.put("HORA_ABER", now.hhmm());
  pd.put("C001", kDemoCashier);
  pd.put("GTDA", in_reais(m.gt));
  pd.put("CREDZ", runtime::Decimal(m.crz));
  pd.put("COO", runtime::strzero(runtime::Decimal(m.coo), 6));
  pd.put("CRO", runtime::strzero(runtime::Decimal(m.cro), 6));
  pd.put("DATAEMISS", now.date);
  pd.put("HORAEMISS", runtime::strzero(runtime::Decimal(now.hour), 2) + runtime::strzero(runtime::Decimal(now.minute), 2) +
                          runtime::strzero(runtime::Decimal(now.second), 2));
  pd.put("NUMERSERIE", m.serial);
  store::write_seal(pd, *store::find_sealed_table("PD"));
  pd.unlock();
}

// From midnight to the day's last minute.
void write_cash_period(xbase::Workspace& ws, const os::LocalTime& now) {
  xbase::Table& re = open_table(ws, "RE");
  re.append_blank();
  re.put("C083", kDemoCashier);
  re.put("C096", now.date);
  re.put("C104", "00:00");
  re.put("C099", "A");
  re.put("C105", now.date);
  re.put("C106", "23:59");
  re.put("C001", "ZEL");
  re.put("C262", now.date);
  re.put("C263", now.hhmm());
  re.unlock();
}

}  // namespace

void open_demo_day(const fs::path& dir, const DemoPrinter& printer, const os::LocalTime& now) {
  open_printer_day(dir);
  const ecfsim::FiscalMemory m = printer_memory(dir);
  try {
    xbase::Workspace ws({dir, true, {}});
    write_daily_record(ws, m, now);
    write_cash_period(ws, now);
    ws.close_all();
  } catch (const std::exception& e) {
    throw DemoError(std::string("cannot open the demo day in the tables: ") + e.what());
  }
  // The digest of the file list is taken at the first login.
  try {
    store::write_fingerprint(dir, {store::ENCRYPT(""), store::ENCRYPT(store::grand_total_text(in_reais(m.gt))),
                                   store::ENCRYPT(printer.serial)});
  } catch (const std::exception& e) {
    throw DemoError(std::string("cannot write the fingerprint file: ") + e.what());
  }
}

}  // namespace zelto::demodata
