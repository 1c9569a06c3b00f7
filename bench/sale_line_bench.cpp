// Item entry's own work on one scanned line, the printer left out: the item
// found by its barcode, the work-table line, the receipt's total and the
// sealed receipt line written with their orders and flushed to the disk,
// with 1M items and 1M receipt lines already in the tables. Then opening
// the whole catalogue at login over those tables.
//
//   build/bench/sale_line_bench [FOLDER]   # FOLDER kept for later runs
//
// The folder is made on the first run (a few minutes); later runs reuse it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/context.hpp"
#include "platform/os/clock.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "platform/screen/scripted/scripted_screen.hpp"
#include "sales/anvisa_screen.hpp"
#include "sales/item_lookup.hpp"
#include "sales/sale_records.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"
#include "store/open_catalogue.hpp"
#include "store/seal_record.hpp"

namespace fs = std::filesystem;
using namespace zelto;
using runtime::Decimal;
using Clock = std::chrono::steady_clock;

namespace {

constexpr long kItems = 1'000'000;
constexpr long kLines = 1'000'000;
constexpr int kScans = 2'000;

std::string barcode(long i) {
  // Scattered 13-digit codes, so the barcode order is not the natural one.
  const unsigned long long v = (static_cast<unsigned long long>(i) * 2654435761ULL) % 10'000'000'000'000ULL;
  return runtime::strzero(Decimal(static_cast<long long>(v)), 13);
}

double ms_since(Clock::time_point t) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

struct Run {
  core::Globals g;
  xbase::Workspace db;
  screen::scripted::ScriptedScreen screen;
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};
  explicit Run(const fs::path& folder) : db({folder, true, {}}) {}
};

// The tables filled without their orders (appends only), the orders then
// built in bulk as the catalogue's opening builds a missing index.
void make_folder(const fs::path& folder) {
  fs::create_directories(folder);
  xbase::Workspace db({folder, true, {}});
  for (const auto& entry : store::front_end_catalogue()) db.create(entry.file(), store::field_defs(*entry.table));

  const auto started = Clock::now();
  xbase::Table& it = db.use(store::find_entry("IT")->file(), "IT", xbase::OpenMode::Exclusive);
  for (long i = 1; i <= kItems; ++i) {
    it.append_blank();
    it.put("C012", runtime::strzero(Decimal(i), 8));
    it.put("C030", "ITEM DE TESTE " + std::to_string(i));
    it.put("C031", Decimal::of("9.99"));
    it.put("C408", "UN");
    it.put("C100", "T18");
    it.put("C163", "A");
    it.put("C666", barcode(i));
    it.put("C851", "A");
    it.put("C852", "T");
    store::write_seal(it);
  }
  it.flush();
  xbase::Table& pc = db.use(store::find_entry("PC")->file(), "PC", xbase::OpenMode::Exclusive);
  for (long i = 1; i <= kLines; ++i) {
    pc.append_blank();
    pc.put("C037", "01");
    pc.put("C123", "001");
    pc.put("C125", runtime::strzero(Decimal(i / 10 + 1), 8));
    pc.put("C402", *runtime::Date::ymd(2026, 12, 10));
    pc.put("C403", "09:00:00");
    pc.put("C136", Decimal(i % 10 + 1));
    pc.put("C012", runtime::strzero(Decimal(i % kItems + 1), 8));
    pc.put("C030", "ITEM DE TESTE");
    pc.put("C133", Decimal(1));
    pc.put("C134", Decimal::of("9.99"));
    pc.put("C031", Decimal::of("9.99"));
    pc.put("C138", "A");
    store::write_seal(pc);
  }
  pc.flush();
  db.close_all();
  std::printf("filled 1M items and 1M receipt lines in %.1f s\n", ms_since(started) / 1000);

  const auto indexing = Clock::now();
  Run r(folder);
  store::G_ABREAR(r.ctx);  // builds every missing index file
  std::printf("built the index files in %.1f s\n", ms_since(indexing) / 1000);
}

// The receipt the scanned lines go into.
void open_receipt(Run& r) {
  core::Globals& g = r.g;
  g.WCOD_EST = "01";
  g.WMAQUINA = "001";
  g.WAUXNUM = Decimal(999'999);
  g.WDATACUPOM = r.clock.now().date;
  g.WHORACUPOM = "10:30:00";
  g.WSEQUEITEM = Decimal(1);
  g.WNROCCF = "000123";
  g.VNUMSERIEIMPRESSORA = "BE091010100011223344";
  g.WCODIGESTOQ = "001";
  xbase::Table& ro = r.db.area("RO");
  ro.append_blank();
  ro.put("C037", g.WCOD_EST);
  ro.put("C123", g.WMAQUINA);
  ro.put("C125", runtime::strzero(g.WAUXNUM, 8));
  ro.put("C402", g.WDATACUPOM);
  ro.put("C403", g.WHORACUPOM);
  ro.put("C127", "A");
  store::write_seal(ro);
  ro.commit();
}

void scan_lines(const fs::path& folder) {
  Run r(folder);
  const store::OpenReport opened = store::G_ABREAR(r.ctx);
  if (!opened.ok()) throw std::runtime_error("the catalogue did not open");
  open_receipt(r);
  const sales::AnvisaData no_anvisa;
  std::vector<double> each;
  each.reserve(kScans);
  const auto all = Clock::now();
  for (int n = 0; n < kScans; ++n) {
    const auto t = Clock::now();
    if (!sales::find_item(r.ctx, Decimal::of(barcode(1 + (n * 7919L) % kItems))))
      throw std::runtime_error("an item was not found");
    const sales::Item item = sales::read_item(r.db.area("IT"));
    r.g.WCODIGITEM = Decimal(item.code_number());
    r.g.WDESCR = item.description;
    r.g.WVALOR = item.price;
    r.g.WQUANTPRODU = Decimal(1);
    r.g.WSITUA = "1800";
    if (!sales::record_sale_line(r.ctx, item, no_anvisa)) throw std::runtime_error("the receipt was not found");
    r.g.WSEQUEITEM += Decimal(1);
    // A receipt holds up to 999 lines: the next scans start another one.
    if (r.g.WSEQUEITEM > Decimal(999)) {
      r.db.area("IO").zap();
      r.g.WAUXNUM += Decimal(1);
      open_receipt(r);
    }
    each.push_back(ms_since(t));
  }
  const double total = ms_since(all);
  std::sort(each.begin(), each.end());
  std::printf("scan to recorded line, %d lines: mean %.3f ms, median %.3f ms, 99th %.3f ms, worst %.3f ms\n", kScans,
              total / kScans, each[each.size() / 2], each[each.size() * 99 / 100], each.back());
}

void open_catalogue(const fs::path& folder) {
  Run r(folder);
  const auto t = Clock::now();
  const store::OpenReport opened = store::G_ABREAR(r.ctx);
  const double took = ms_since(t);
  std::printf("catalogue opened at login (%s): %.1f ms\n", opened.ok() ? "every table" : "with failures", took);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "zelto_sale_line_bench";
  try {
    // The table engine writes its file names in lower case.
    if (!fs::exists(folder / runtime::lower(std::string(store::find_entry("IT")->file())))) {
      fs::remove_all(folder);
      make_folder(folder);
    }
    open_catalogue(folder);
    scan_lines(folder);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sale_line_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
