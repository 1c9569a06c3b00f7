// The sales screen on the real screen: the free banner at the start, the
// receipt state's rows and totals once IO holds lines, a receipt key whose
// screen is not in this version telling so in a box, and a barcode typed
// into the entry row sold on the emulated printer.

#include <QPushButton>
#include <fstream>
#include <iterator>

#include "platform/screen/qt/qt_fixture.hpp"
#include "platform/screen/qt/window_view.hpp"
#include "platform/screen/qt/field_edit.hpp"
#include "sales/sales_screen.hpp"
#include "sales/sales_window.hpp"
#include "screen_fixture.hpp"
#include "ui/tssay.hpp"

namespace zelto::sales {
namespace {

struct QtSales : screen::qt::QtFixture {
  zelto::testing::TempDir dir;
  testing::InFolder here{(testing::make_checkout_folder(dir.path()), dir.path())};
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, {}}};
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};

  QtSales() {
    g.VUSU = "GER";
    g.VIMP_FIS = "BE";
    g.VNUMSERIEIMPRESSORA = testing::kSerial;
    g.VMD5_ARQUIVOS = testing::kFileListDigest;
    EXPECT_TRUE(store::G_ABREAR(ctx).ok());
    screen::WindowSpec w;
    w.name = app::kSalesWindow;
    w.geometry = {0, 0, 1000, 700};
    screen.open_window(std::move(w));
  }
  screen::qt::WindowView& view() {
    auto* v = screen.view(app::kSalesWindow);
    EXPECT_NE(v, nullptr);
    return *v;
  }
  ui::TSSay& panel(const std::string& name) {
    ui::TSSay* p = view().panel(name);
    EXPECT_NE(p, nullptr) << name;
    return *p;
  }
};

TEST(QtSalesScreen, FreeThenReceiptStateAndAKeyNotInThisVersion) {
  QtSales fx;
  OLD_TELA_DE_VENDA(fx.ctx, {});
  fx.view().sync();
  EXPECT_TRUE(fx.panel(names::kBanner).isVisibleTo(&fx.view()));
  EXPECT_EQ(fx.panel(names::kBanner).caption(), " C A I X A    L I V R E ");
  EXPECT_FALSE(fx.panel(names::kSubtotal).isVisibleTo(&fx.view()));

  xbase::Table& io = fx.db.area("IO");
  io.append_blank();
  io.put("C400", "0001");
  io.put("C012", "00000001");
  io.put("C040", "ARROZ");
  io.put("C034", *runtime::Decimal::parse("21.90"));
  io.put("C035", *runtime::Decimal::parse("2"));
  TELA_ITENS(fx.ctx);
  fx.view().sync();
  EXPECT_FALSE(fx.panel(names::kBanner).isVisibleTo(&fx.view()));
  EXPECT_TRUE(fx.panel(names::kSubtotal).isVisibleTo(&fx.view()));
  EXPECT_EQ(fx.panel(names::kSubtotal).caption(), "     43.80");
  EXPECT_EQ(fx.panel(cell_name(1, Cell::Total)).caption(), "     43.80");
  QPushButton* cash = fx.view().button(names::kCashButton);
  ASSERT_NE(cash, nullptr);
  EXPECT_TRUE(cash->isVisibleTo(&fx.view()));
  EXPECT_EQ(cash->text().toStdString(), "F3-DINHEIRO");

  fx.then(screen::qt::enter_on_box(" -= ZeltoECF =- ", "Funcao nao disponivel nesta versao: ITEM_GENERICO"));
  QTest::keyClick(&fx.view(), Qt::Key_F4);
  EXPECT_TRUE(fx.handlers.empty());
}


TEST(QtSalesScreen, ABarcodeTypedIntoTheEntryRowIsSoldAndShown) {
  QtSales fx;
  // The items' tax situation T18 leads to the printer's 18 % rate.
  xbase::Table& ie = fx.db.area("IE");
  ie.append_blank();
  ie.put("C100", "T18");
  ie.put("C107", "V");
  ie.put("C478", "ICMS");
  ie.put("C674", "T18");
  ie.unlock();
  xbase::Table& a1 = fx.db.area("A1");
  a1.append_blank();
  a1.put("C674", "T18");
  a1.put("C678", "1800");
  a1.unlock();
  OLD_TELA_DE_VENDA(fx.ctx, {});
  fx.view().sync();

  screen::qt::FieldEdit* code = fx.view().input(0);
  ASSERT_NE(code, nullptr);
  QTest::keyClicks(code, "7891234567895");
  QTest::keyClick(code, Qt::Key_Return);
  fx.view().sync();
  EXPECT_TRUE(fx.unexpected.empty());

  xbase::Table& io = fx.db.area("IO");
  io.go_top();
  ASSERT_FALSE(io.eof());
  EXPECT_EQ(io.text("C012"), "00000001");
  EXPECT_EQ(fx.panel(cell_name(1, Cell::Total)).caption(), "     21.90");
  EXPECT_EQ(fx.panel(names::kSubtotal).caption(), "     21.90");
  EXPECT_FALSE(fx.panel(names::kBanner).isVisibleTo(&fx.view()));
  std::ifstream roll(fx.dir.path() / "ecf_bobina.txt");
  const std::string paper((std::istreambuf_iterator<char>(roll)), std::istreambuf_iterator<char>());
  EXPECT_NE(paper.find("ARROZ TIPO 1"), std::string::npos);
}

}  // namespace
}  // namespace zelto::sales
