// zeltoecf-demodata as the demo script runs it: the folder it makes is read
// back through the table engine and checked the way start-up, the login and
// the sale will use it; bad fixtures and a folder that already holds tables
// are refused without touching anything.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "app/password.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/workspace.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"
#include "platform/os/clock.hpp"
#include "store/fingerprint_file.hpp"
#include "store/seal_record.hpp"
#include "store/seal_scramble.hpp"
#include "support/temp_dir.hpp"

namespace {

namespace fs = std::filesystem;
using namespace zelto;
using runtime::padr;
using runtime::trim;

struct Outcome {
  int status;
  std::string out;  // stdout and stderr together
};

// Runs the tool from `cwd`, so it cannot lean on its source tree.
Outcome demodata(const fs::path& cwd, const std::string& args) {
  std::string cmd = "cd '" + cwd.string() + "' && '" DEMODATA_TOOL "' " + args + " 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  std::string out;
  std::array<char, 4096> buf{};
  size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  int status = ::pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool valid_ean13(const std::string& code) {
  if (code.size() != 13 || code.find_first_not_of("0123456789") != std::string::npos) return false;
  int sum = 0;
  for (int i = 0; i < 12; ++i) sum += (code[static_cast<size_t>(i)] - '0') * (i % 2 ? 3 : 1);
  return (sum + (code[12] - '0')) % 10 == 0;
}

size_t count_records(xbase::Table& t) {
  size_t n = 0;
  for (t.go_top(); !t.eof(); t.skip()) ++n;
  return n;
}

// One demo folder for the suite, opened as the program opens it after login.
class DemoFolder : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::make_unique<zelto::testing::TempDir>();
    made_ = demodata(dir_->path(), "data");
    folder_ = dir_->path() / "data";
    ASSERT_EQ(made_.status, 0) << made_.out;

    for (const auto& entry : store::front_end_catalogue())
      for (const auto& order : entry.orders)
        if (!os::find_file(folder_, order.file)) missing_index_files_.push_back(std::string(order.file));

    xbase::WorkspaceOptions options;
    options.folder = folder_;
    ws_ = std::make_unique<xbase::Workspace>(options);
    for (const auto& entry : store::front_end_catalogue())
      ws_->use(entry.file(), entry.alias(), entry.mode, store::order_specs(entry));
  }
  static void TearDownTestSuite() {
    ws_.reset();
    dir_.reset();
  }

  static xbase::Table& area(std::string_view alias) { return ws_->area(alias); }

  static bool seek(std::string_view alias, const std::string& key, int order = 1) {
    xbase::Table& t = area(alias);
    t.set_order(order);
    return t.seek(key);
  }

  static inline std::unique_ptr<zelto::testing::TempDir> dir_;
  static inline Outcome made_;
  static inline fs::path folder_;
  static inline std::vector<std::string> missing_index_files_;
  static inline std::unique_ptr<xbase::Workspace> ws_;
};

TEST_F(DemoFolder, HoldsEveryCatalogueTableWithItsIndexFilesInAgreement) {
  EXPECT_TRUE(missing_index_files_.empty()) << "not made by the tool: " << missing_index_files_.front();
  for (const auto& entry : store::front_end_catalogue()) {
    auto problems = area(entry.alias()).check_orders();
    EXPECT_TRUE(problems.empty()) << entry.file() << ": " << problems.front();
  }
  // Nothing but the tables and the emulated printer is left behind.
  const std::set<std::string> printer = {"bemafi32.dll",    "daruma32.dll",    "convecf.dll",   "interfaceepson.dll",
                                         "ecf_memoria.txt", "ecf_memoria.lck", "ecf_bobina.txt", "zelto_md5.txt"};
  for (const auto& f : fs::directory_iterator(folder_)) {
    const std::string ext = runtime::lower(f.path().extension().string());
    EXPECT_TRUE(ext == ".dbf" || ext == ".ntx" || ext == ".dbt" ||
                printer.count(runtime::lower(f.path().filename().string())))
        << f.path();
  }

  const std::map<std::string, size_t> exactly = {
      {"CO", 1}, {"CG", 1}, {"NV", 1}, {"US", 4}, {"UN", 1}, {"EF", 1}, {"TO", 1},
      {"PD", 1}, {"RO", 0}, {"PC", 0}, {"IO", 0}, {"RE", 1}, {"MV", 0}, {"Y2", 0},
  };
  for (const auto& [alias, n] : exactly) EXPECT_EQ(count_records(area(alias)), n) << alias;
  const size_t items = count_records(area("IT"));
  EXPECT_GE(items, 190u);
  EXPECT_LE(items, 220u);
  EXPECT_GE(count_records(area("CL")), 5u);
  EXPECT_EQ(count_records(area("ET")), 27u);
  EXPECT_NE(made_.out.find(std::to_string(items) + " items"), std::string::npos) << made_.out;
}

TEST_F(DemoFolder, DemoLoginsAreTheDocumentedOnesWithTheirRights) {
  struct Login {
    std::string code, password;
    bool active;
  };
  for (const Login& l : {Login{"CX1", "1234", true}, Login{"GER", "GER123", true}, Login{"CX2", "4321", false}}) {
    ASSERT_TRUE(seek("US", l.code)) << l.code;
    EXPECT_EQ(area("US").text("C003"), app::SCRAMBLE_PASSWORD(l.password)) << l.code;
    EXPECT_NE(area("US").text("C003"), app::SCRAMBLE_PASSWORD("0000")) << l.code;
    EXPECT_EQ(area("US").text("C004") == "A", l.active) << l.code;
  }
  ASSERT_TRUE(seek("US", "CX1"));
  EXPECT_EQ(trim(area("US").text("C083")), "CX1");  // a cash account of its own
  EXPECT_TRUE(seek("US", "ZEL")) << "start-up refuses a folder without the maker's operator";

  // A right is the operator and the function blank-padded to 8, as G_PERMIS seeks it.
  const std::vector<std::string> cashier = {"M4",   "M8",   "M74", "M10",  "M101", "M102",
                                            "M103", "M104", "M71", "M641", "M645"};
  for (const auto& right : cashier) EXPECT_TRUE(seek("UM", "CX1" + padr(right, 8))) << right;
  for (const auto& not_cashier : {"M611", "M52", "M622", "M7", "M1"})
    EXPECT_FALSE(seek("UM", "CX1" + padr(not_cashier, 8))) << not_cashier;

  xbase::Table& functions = area("MO");
  size_t granted = 0, all = 0;
  for (functions.go_top(); !functions.eof(); functions.skip(), ++all) {
    const std::string code = functions.text("C007");
    EXPECT_EQ(functions.text("C009"), "M");  // the rights window lists kind "M"
    if (seek("UM", "GER" + code)) ++granted;
  }
  EXPECT_EQ(granted, all) << "the manager holds every function";
  EXPECT_GE(all, 40u);
}

TEST_F(DemoFolder, EveryItemCanBeSold) {
  std::set<std::string> ecf_rates;  // A1 C678
  xbase::Table& a1 = area("A1");
  for (a1.go_top(); !a1.eof(); a1.skip()) ecf_rates.insert(trim(a1.text("C678")));
  for (const char* rate : {"1800", "1200", "0700", "FF", "II", "NN"}) EXPECT_TRUE(ecf_rates.count(rate)) << rate;

  xbase::Table& it = area("IT");
  it.set_order(1);
  std::set<std::string> barcodes;
  size_t weighed = 0, substituted = 0, exempt = 0;
  for (it.go_top(); !it.eof(); it.skip()) {
    const std::string code = it.text("C012");
    const std::string barcode = trim(it.text("C666"));
    const std::string tax = it.text("TRIBUTACAO");
    const std::string unit = it.text("C408");
    SCOPED_TRACE(code + " " + runtime::cp1252_to_utf8(trim(it.text("C030"))));
    EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_TRUE(valid_ean13(barcode)) << barcode;
    EXPECT_TRUE(barcodes.insert(barcode).second) << "barcode repeated: " << barcode;
    EXPECT_GT(it.number("C031").sign(), 0);
    EXPECT_EQ(it.text("C163"), "A");
    EXPECT_EQ(it.text("C155"), "R$ ");

    substituted += tax == "F0000";
    exempt += tax == "I0000";
    if (tax == "F0000" || tax == "I0000" || tax == "N0000" || tax == "S0000") {
      EXPECT_TRUE(ecf_rates.count(tax == "S0000" ? "ISS" : tax.substr(0, 1) + tax.substr(0, 1))) << tax;
    } else {
      EXPECT_TRUE(tax[0] == 'T' && ecf_rates.count(tax.substr(1))) << tax;
    }

    // The same code the sale finds: the situation's ICMS sale entry, its rate.
    const std::string situation = it.text("C100");
    ASSERT_TRUE(seek("ST", situation)) << situation;
    ASSERT_TRUE(seek("IE", situation + "VICMS  ")) << situation;
    ASSERT_TRUE(seek("A1", area("IE").text("C674"))) << situation;
    const std::string rate = trim(area("A1").text("C678"));
    EXPECT_EQ(tax, rate.size() == 4 ? "T" + rate : rate.substr(0, 1) + "0000");

    EXPECT_TRUE(seek("UD", unit)) << unit;
    if (unit == "KG") {
      ++weighed;
      EXPECT_EQ(it.text("C431"), "3");
      // The shop's own label: what the scale prints with a weight of zero.
      EXPECT_EQ(barcode.substr(0, 12), "2" + code.substr(2) + "00000");
    }
  }
  EXPECT_GE(weighed, 10u);
  EXPECT_GT(substituted, 0u);
  EXPECT_GT(exempt, 0u);

  // Descriptions are Windows-1252 in the table.
  it.set_order(6);
  ASSERT_TRUE(it.seek(runtime::utf8_to_cp1252("AÇÚCAR CRISTAL DOCE VALE 1KG")));
  EXPECT_EQ(it.text("C030").substr(0, 3), "A\xC7\xDA");
}

TEST_F(DemoFolder, ConfigurationIsWhatStartUpAndTheSaleRead) {
  xbase::Table& co = area("CO");
  co.go_top();
  EXPECT_EQ(co.text("C893"), "BE");
  EXPECT_FALSE(trim(co.text("IMPRESSORA")).empty());
  EXPECT_EQ(co.text("C037"), "01");
  EXPECT_EQ(co.text("C123"), "001");
  EXPECT_EQ(co.number("C124"), 48);
  EXPECT_EQ(co.text("DESCFINAL") + co.text("DESCTIPO"), "DV");  // one of the handled adjustment modes
  EXPECT_EQ(co.text("ARREDONDAM"), "A");
  EXPECT_EQ(co.text("IMP_CLIENT"), "N");
  EXPECT_EQ(co.text("GAVETA"), "S");
  EXPECT_EQ(co.text("CLIENTEPAD"), "000001");

  const std::string establishment = co.text("C037"), client = co.text("CLIENTEPAD"), layout = co.text("LAYOUT");
  ASSERT_TRUE(seek("UN", establishment));
  ASSERT_TRUE(seek("CL", client));
  EXPECT_EQ(trim(area("CL").text("C114")), "CONSUMIDOR FINAL");
  ASSERT_TRUE(seek("ET", co.text("CODIGUNFED")));
  ASSERT_TRUE(seek("EF", co.text("C123"))) << "the legal files read the printer record of this ECF";
  ASSERT_TRUE(seek("TO", layout));
  xbase::Table& lines = area("LT");
  lines.set_order(1);
  size_t footer_lines = 0;
  for (lines.seek(layout); !lines.eof() && lines.text("C350") == layout; lines.skip(), ++footer_lines) {
    const auto line = lines.number("C353");
    EXPECT_TRUE(line >= 1 && line <= 8) << "a footer has lines 1 to 8";
  }
  EXPECT_GT(footer_lines, 0u);

  xbase::Table& cg = area("CG");
  cg.go_top();
  EXPECT_EQ(cg.text("C596"), "S");
  EXPECT_EQ(trim(cg.text("C313")), "001");
  EXPECT_EQ(cg.text("C612"), "S");  // cash is offered
  EXPECT_EQ(trim(cg.text("C562")), "Dinheiro");
  xbase::Table& nv = area("NV");
  nv.go_top();
  EXPECT_EQ(nv.text("C777"), "00000000");

  // The day opening's check of the tax tables asks nothing.
  xbase::Table& ie = area("IE");
  for (ie.go_top(); !ie.eof(); ie.skip()) {
    const std::string situation = ie.text("C100"), inside = ie.text("C674"), outside = ie.text("C6741");
    EXPECT_TRUE(seek("ST", situation)) << situation;
    EXPECT_TRUE(seek("A1", inside)) << situation;
    EXPECT_TRUE(seek("A1", outside)) << situation;
  }
}

TEST_F(DemoFolder, SealedRecordsCarryTheirSeals) {
  for (const char* alias : {"IT", "EF"}) {
    xbase::Table& t = area(alias);
    size_t records = 0;
    for (t.go_top(); !t.eof(); t.skip(), ++records) EXPECT_TRUE(store::seal_holds(t)) << alias << " " << t.recno();
    EXPECT_GT(records, 0u) << alias;
  }
}

// The first receipt's checks: today's daily record open, the cashier's cash
// period, and the fingerprint file agreeing with the fresh printer.
TEST_F(DemoFolder, TheDayIsOpenAndCX1CanSellAtOnce) {
  const runtime::Date today = os::SystemClock().now().date;
  ASSERT_TRUE(seek("PD", today.dtos() + "A"));
  xbase::Table& pd = area("PD");
  EXPECT_EQ(pd.text("PDV"), "001 ");
  EXPECT_EQ(trim(pd.text("NUMERSERIE")), "BE091010100011223344");
  EXPECT_TRUE(store::seal_holds(pd));

  ASSERT_TRUE(seek("RE", "ACX1   ", 2)) << "INICIA_VARIAVEIS finds the operator's open period so";
  xbase::Table& re = area("RE");
  EXPECT_EQ(re.date("C096"), today);
  EXPECT_EQ(re.text("C104"), "00:00");
  EXPECT_EQ(re.date("C105"), today);
  EXPECT_EQ(re.text("C106"), "23:59");

  const store::StoredFingerprint stored = store::read_fingerprint(folder_);
  EXPECT_EQ(store::DECRYPT(stored.grand_total), "00000000000.00");
  EXPECT_EQ(store::DECRYPT(stored.serial), "BE091010100011223344");

  // The printer's day was opened with its X reading.
  const std::string roll = read_file(folder_ / "ecf_bobina.txt");
  EXPECT_NE(roll.find("LEITURA X"), std::string::npos);
  EXPECT_NE(roll.find("MOVIMENTO DE " + today.text()), std::string::npos);
}

TEST(DemodataTool, RefusesAFolderThatAlreadyHoldsTablesAndChangesNothing) {
  zelto::testing::TempDir dir;
  ASSERT_EQ(demodata(dir.path(), "shop").status, 0);
  const std::string items = read_file(dir / "shop/m206.dbf");
  Outcome again = demodata(dir.path(), "shop");
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.out.find("already holds tables"), std::string::npos) << again.out;
  EXPECT_EQ(read_file(dir / "shop/m206.dbf"), items);

  // A table alone, in any case, is enough to refuse.
  fs::create_directory(dir / "other");
  std::ofstream(dir / "other/M206.DBF") << "x";
  EXPECT_EQ(demodata(dir.path(), "other").status, 1);
  EXPECT_EQ(read_file(dir / "other/M206.DBF"), "x");
}

// Each fault of a fixture is named with its file and line; the target folder
// keeps what it had and gains nothing.
TEST(DemodataTool, BadFixturesAreNamedAndLeaveTheFolderAsItWas) {
  struct Case {
    std::string file, find, replace, says;
  };
  const Case cases[] = {
      {"m206-families.csv", "101,ARROZ TIPO 1 SABOR DO CAMPO,PT,", "101,ARROZ TIPO 1 SABOR DO CAMPO,XX,",
       "m206-families.csv line 2: C408 \"XX\" is not a C408 of UD"},
      {"m206-families.csv", "1KG=6.49|2KG=12.39", "1KG=6.49|2KG=", "m206-families.csv line 2"},
      {"m206-families.csv", "ARROZ TIPO 1 SABOR DO CAMPO,", "ARROZ TIPO 1 SABOR DO CAMPO DA FAZENDA BOA,",
       "is not short enough"},
      {"m214.csv", "0041,V,ICMS,00,NN,NN,0,0\n", "", "leads to no ECF rate"},
      {"m001.csv", ",1234,", ",1234567,", "m001.csv line 4: the password of CX1"},
      {"m001.csv", "ZEL,", "ZZZ,", "no operator ZEL"},
      {"conf.csv", "CLIENTEPAD,000001,", "CLIENTEPAD,000099,", "conf.csv line 15: CLIENTEPAD \"000099\""},
      {"m005.csv", "CAIXA,M4\n", "CAIXA,M4\nCAIXA,M999\n", "C007 \"M999\" is not a C007 of MO"},
  };
  const fs::path source = fs::path(DEMODATA_FIXTURES);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file + ": " + c.says);
    zelto::testing::TempDir dir;
    fs::copy(source, dir / "fixtures");
    std::string text = read_file(dir / "fixtures" / c.file);
    const size_t at = text.find(c.find);
    ASSERT_NE(at, std::string::npos);
    std::ofstream(dir / "fixtures" / c.file, std::ios::binary) << text.replace(at, c.find.size(), c.replace);
    fs::create_directory(dir / "shop");
    std::ofstream(dir / "shop/leia-me.txt") << "kept";

    Outcome r = demodata(dir.path(), "shop --fixtures fixtures");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    std::vector<std::string> left;
    for (const auto& f : fs::directory_iterator(dir / "shop")) left.push_back(f.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"leia-me.txt"});
  }
}

}  // namespace
