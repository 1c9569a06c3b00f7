#pragma once
// A checkout ready to sell, for the sales screen's tests: every table of the
// catalogue, an operator "GER" with an open cash period, today's daily
// record open, the default client, three items, the emulated BE printer
// with its libraries, the fingerprint file agreeing with the printer, and
// the sales window the main frame would have opened. The test runs in the
// data folder, as the program does.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/main_frame.hpp"
#include "ecf/core/faults.hpp"
#include "ecf/core/fresh.hpp"
#include "ecf/core/memory_file.hpp"
#include "ecf/core/store.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/cp1252.hpp"
#include "store/catalogue.hpp"
#include "store/fingerprint_file.hpp"
#include "store/lookup.hpp"
#include "store/open_catalogue.hpp"
#include "store/seal_scramble.hpp"
#include "support/installed_libraries.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::sales::testing {

namespace fs = std::filesystem;
namespace sim = zelto::ecfsim;

inline constexpr const char* kSerial = "BE091010100011223344";
inline constexpr const char* kFileListDigest = "0123456789ABCDEF0123456789ABCDEF";

class InFolder {
 public:
  explicit InFolder(const fs::path& p) : before_(fs::current_path()) { fs::current_path(p); }
  ~InFolder() { fs::current_path(before_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path before_;
};

inline void add_item(xbase::Table& it, const std::string& code, const std::string& barcode, const std::string& name,
                     const char* price) {
  it.append_blank();
  it.put("C012", code);
  it.put("C030", name);
  it.put("C031", runtime::Decimal::parse(price).value());
  it.put("C408", "UN");
  it.put("C163", "A");
  it.put("C666", barcode);
  it.put("C100", "T18");
  it.unlock();
}

inline void make_checkout_folder(const fs::path& folder) {
  xbase::Workspace db({folder, true, {}});
  for (const auto& entry : store::front_end_catalogue()) db.create(entry.file(), store::field_defs(*entry.table));

  xbase::Table& us = db.use("M001.DBF", "US", xbase::OpenMode::Exclusive);
  for (const char* code : {"ZEL", "GER"}) {
    us.append_blank();
    us.put("C001", code);
    us.put("C004", "A");
    us.unlock();
  }
  xbase::Table& co = db.use("CONF.DBF", "CO", xbase::OpenMode::Exclusive);
  co.append_blank();
  co.put("IMPRESSORA", "MP-4000 TH FI");
  co.put("C037", "01");
  co.put("C123", "001");
  co.put("C124", 48);
  co.put("C893", "BE");
  co.put("CLIENTEPAD", "1");
  co.put("ARREDONDAM", "A");
  co.put("TRANSPORTA", "S");
  co.put("IMP_CLIENT", "N");
  xbase::Table& cg = db.use("M226.DBF", "CG", xbase::OpenMode::Exclusive);
  cg.append_blank();
  cg.put("C313", "001");

  xbase::Table& cl = db.use("M216.DBF", "CL", xbase::OpenMode::Exclusive);
  cl.append_blank();
  cl.put("C036", "000001");
  cl.put("C114", "CONSUMIDOR");

  xbase::Table& it = db.use("M206.DBF", "IT", xbase::OpenMode::Exclusive);
  add_item(it, "00000001", "7891234567895", "ARROZ TIPO 1 5KG PACOTE", "21.90");
  add_item(it, "00000002", "", "PAO FRANCES", "0.33");
  add_item(it, "00000003", "0000000000000", "BANANA PRATA", "1234.50");

  xbase::Table& pd = db.use("PDV.DBF", "PD", xbase::OpenMode::Exclusive);
  pd.append_blank();
  pd.put("DATA", *runtime::Date::ymd(2026, 12, 11));
  pd.put("PDV", "001");
  pd.put("SITUACAO", "A");

  xbase::Table& re = db.use("M245.DBF", "RE", xbase::OpenMode::Exclusive);
  re.append_blank();
  re.put("C083", "GER");
  re.put("C096", *runtime::Date::ymd(2026, 12, 11));
  re.put("C104", "06:00");
  re.put("C099", "A");
  db.close_all();

  zelto::testing::install_libraries(folder);
  sim::FreshOptions o;
  o.make = sim::Make::BE;
  o.serial = kSerial;
  o.clock.mode = sim::ClockSetting::Mode::Frozen;
  const sim::DateTime now{sim::Date{2026, 12, 11}, 10, 30, 0};
  o.clock.frozen = now;
  sim::install_fresh_printer(folder, o, now);
  // A fresh printer's grand total is zero.
  store::write_fingerprint(folder, {store::ENCRYPT(kFileListDigest), store::ENCRYPT(store::grand_total_text({})),
                                    store::ENCRYPT(kSerial)});
}

struct CheckoutCtx : zelto::testing::ScriptedCtx {
  InFolder here;

  CheckoutCtx() : here((make_checkout_folder(dir.path()), dir.path())) {
    g.VUSU = "GER";
    g.VIMP_FIS = "BE";
    g.VNUMSERIEIMPRESSORA = kSerial;
    g.VNUM_SER = kSerial;
    g.VMD5_ARQUIVOS = kFileListDigest;
    EXPECT_TRUE(store::G_ABREAR(ctx).ok());
    screen::WindowSpec w;
    w.name = app::kSalesWindow;
    w.geometry = {0, 0, 1000, 700};
    screen.open_window(std::move(w));
  }

  screen::Window& window() { return *screen.window(app::kSalesWindow); }
  const std::string& text(const std::string& panel) { return window().text(panel); }

  sim::FiscalMemory memory() const { return *sim::load_memory(dir.path()).memory; }
  void faults(const sim::Faults& f) { sim::save_faults(dir.path(), f); }

  // A line of the receipt being sold, straight into IO.
  void add_line(int number, const std::string& code, const char* price, const char* quantity) {
    xbase::Table& io = db.area("IO");
    io.append_blank();
    io.put("C400", runtime::strzero(runtime::Decimal(number), 4));
    io.put("C012", code);
    io.put("C040", "LINHA " + std::to_string(number));
    io.put("C034", runtime::Decimal::parse(price).value());
    io.put("C035", runtime::Decimal::parse(quantity).value());
  }

  // The texts of the error, alert and question boxes shown, in UTF-8.
  std::vector<std::string> boxes() const {
    std::vector<std::string> out;
    for (const auto& e : transcript().entries())
      if (e.kind == "error" || e.kind == "alert" || e.kind == "question" || e.kind == "info") out.push_back(e.text);
    return out;
  }
};

}  // namespace zelto::sales::testing
