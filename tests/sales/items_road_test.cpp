// The selling road through the headless program as an acceptance run uses
// it: zeltoecf-demodata makes the demo folder (the day open on the printer
// and in PD, the cashier's cash period open), zeltoecf-script logs the
// cashier in and scans; then the tables and the paper roll are read.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include "ecf/core/store.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/workspace.hpp"
#include "store/seal_record.hpp"
#include "support/temp_dir.hpp"

namespace zelto::sales::items_testing {
namespace {

namespace fs = std::filesystem;
using runtime::trim;

std::string file_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Road {
  zelto::testing::TempDir dir;
  fs::path data = dir / "dados";
  int status = -1;
  std::string out, err;

  Road() {
    const std::string make = "'" + std::string(ZELTOECF_DEMODATA) + "' '" + data.string() + "' > /dev/null";
    if (std::system(make.c_str()) != 0) throw std::runtime_error("zeltoecf-demodata failed");
  }
  void run(const std::string& script) {
    std::ofstream(dir / "run.script") << script;
    const std::string command = "cd '" + data.string() + "' && '" + ZELTOECF_SCRIPT + "' '" +
                                (dir / "run.script").string() + "' > '" + (dir / "out").string() + "' 2> '" +
                                (dir / "err").string() + "'";
    const int raw = std::system(command.c_str());
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    out = file_text(dir / "out");
    err = file_text(dir / "err");
  }
};

const std::string kQuantityQuestion =
    "A Quantidade vendida nao pode ser maior que 1000.000 Digite S para Continar ?     ";

TEST(ItemRoad, TheCashierLogsInAndSellsByBarcodeCodeAndScaleLabel) {
  Road r;
  r.run(R"(type "CX1"
press Enter
type "1234"
press Enter
expect "ZeltoECF - Zelto Sistemas"
# a scan: quantity 1, sold at once
type "7894127101015"
press Enter
# the item code, three of them
press Up
type "3"
press Enter
type "10102"
press Enter
# a scale label: 1,250 kg of item 10101
type "2010101012509"
press Enter
# a barcode with a wrong check digit, refused when asked
type "7894127101016"
press Enter
answer "Este Codigo de Barra e Errado, Confirma assim mesmo ?     " no
# above the quantity limit: asked until the operator gives in
press Up
type "1000.001"
press Enter
type "10102"
press Enter
answer ")" + kQuantityQuestion + R"(" no
answer ")" + kQuantityQuestion + R"(" yes
press F12
expect "Itens do Cupom em Aberto"
button "&Fechar"
focus "WCODIGITEM"
)");
  ASSERT_EQ(r.status, 0) << r.err << r.out;

  xbase::Workspace db({r.data, true, {}});
  xbase::Table& pc = db.use("m337.dbf", "PC", xbase::OpenMode::Shared);
  xbase::Table& ro = db.use("m336.dbf", "RO", xbase::OpenMode::Shared);
  xbase::Table& nv = db.use("m230.dbf", "NV", xbase::OpenMode::Shared);
  xbase::Table& io = db.use("m500.dbf", "IO", xbase::OpenMode::Shared);
  ro.go_top();
  ASSERT_FALSE(ro.eof());
  const std::string coo = ro.text("C125");
  EXPECT_EQ(ro.text("C127"), "A");
  EXPECT_TRUE(store::seal_holds(ro));
  nv.go_top();
  EXPECT_EQ(nv.text("C777"), coo);
  EXPECT_EQ(nv.text("C778"), "A");

  std::vector<std::string> lines;
  for (pc.go_top(); !pc.eof(); pc.skip()) {
    EXPECT_TRUE(store::seal_holds(pc)) << pc.text("C012");
    EXPECT_EQ(pc.text("C125"), coo);
    lines.push_back(pc.text("C012") + " " + trim(runtime::str(pc.number("C133"), 12, 3)) + " " +
                    trim(runtime::str(pc.number("C134"), 12, 2)));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"00010101 1.000 6.49", "00010102 3.000 37.17", "00010101 1.250 8.11"}));
  int work_lines = 0;
  for (io.go_top(); !io.eof(); io.skip()) ++work_lines;
  EXPECT_EQ(work_lines, 3);

  // The paper says the same: three lines of the receipt numbered in RO.
  const std::vector<std::string> roll = ecfsim::read_roll(r.data);
  const std::string all = [&] {
    std::string s;
    for (const auto& l : roll) s += l + "\n";
    return s;
  }();
  EXPECT_NE(all.find("COO:" + coo.substr(2)), std::string::npos) << all;
  EXPECT_NE(all.find("001 07894127101015 ARROZ TIPO 1"), std::string::npos) << all;
  EXPECT_NE(all.find("002 07894127101022"), std::string::npos) << all;
  EXPECT_NE(all.find("3,000 PT x 12,39"), std::string::npos) << all;
  EXPECT_NE(all.find("1,250 PT x 6,49"), std::string::npos) << all;
  EXPECT_EQ(all.find("004 "), std::string::npos) << "the refused entries printed nothing\n" << all;
}

}  // namespace
}  // namespace zelto::sales::items_testing
