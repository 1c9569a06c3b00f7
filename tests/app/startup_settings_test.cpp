// The configuration record and the general parameters turned into global
// settings by their rules.

#include <gtest/gtest.h>

#include "app/startup.hpp"
#include "app/startup_record.hpp"
#include "app/startup_settings.hpp"
#include "store/lookup.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::app {
namespace {

using xbase::FieldType;

// A configuration record of an older generation: its make field is wider
// than today's, so it can hold "DAR".
struct ConfRecord : testing::ScriptedCtx {
  ConfRecord() {
    db.create("conf", {{"IMPRESSORA", FieldType::Character, 20, 0, 0},
                       {"C893", FieldType::Character, 3, 0, 0},
                       {"ARREDONDAM", FieldType::Character, 1, 0, 0},
                       {"QTDEMAXIVD", FieldType::Numeric, 12, 3, 0},
                       {"DIRETORIO", FieldType::Character, 60, 0, 0},
                       {"C891", FieldType::Character, 5, 0, 0},
                       {"C894", FieldType::Character, 1, 0, 0},
                       {"C896", FieldType::Character, 1, 0, 0},
                       {"DESCFINAL", FieldType::Character, 1, 0, 0},
                       {"DESCTIPO", FieldType::Character, 1, 0, 0},
                       {"C851", FieldType::Numeric, 2, 0, 0},
                       {"C853", FieldType::Numeric, 2, 0, 0},
                       {"CLIENTEPAD", FieldType::Character, 6, 0, 0}});
    xbase::Table& t = db.use("conf", "CO", xbase::OpenMode::Exclusive);
    t.append_blank();
  }
  xbase::Table& conf() { return db.area("CO"); }
  void load() {
    conf().go_top();
    load_start_settings(g, SettingsRecord(conf()));
    printer_named = load_sales_settings(g, SettingsRecord(conf()));
  }
  bool printer_named = false;
};

TEST(ConfSettings, PrinterMakeByPrefixAnythingElseIsBematech) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"DAR", "DA"}, {"", "BE"}, {"AC", "AC"}, {"EP", "EP"}, {"EL", "EL"},
      {"SW", "SW"},  {"BE", "BE"}, {"XX", "BE"}, {"da", "BE"}, {"D", "BE"},
  };
  for (const auto& [stored, make] : cases) {
    ConfRecord t;
    t.conf().put("C893", stored);
    t.load();
    EXPECT_EQ(t.g.VIMP_FIS, make) << "C893 \"" << stored << "\"";
  }
}

TEST(ConfSettings, OnlyAnUpperCaseTTruncates) {
  for (const auto& [stored, mode] : std::vector<std::pair<std::string, std::string>>{{"T", "T"}, {"t", "A"}, {"", "A"}, {"A", "A"}}) {
    ConfRecord t;
    t.conf().put("ARREDONDAM", stored);
    t.load();
    EXPECT_EQ(t.g.W_ARREDON, mode) << "ARREDONDAM \"" << stored << "\"";
  }
}

TEST(ConfSettings, StartRules) {
  ConfRecord t;
  t.conf().put("DIRETORIO", "  C:\\RETAG  ");
  t.conf().put("C891", "pkzip");
  t.conf().put("C894", "x");
  t.conf().put("C896", "S");
  t.conf().put("DESCFINAL", "A");
  t.conf().put("DESCTIPO", "V");
  t.conf().put("C851", 2);
  t.conf().put("C853", 8);
  t.conf().put("CLIENTEPAD", "000042");
  t.load();
  EXPECT_EQ(t.g.VQTDEMAXIMO, core::Decimal(1000));  // 0 means 1000
  EXPECT_EQ(t.g.WDIRETOR, "C:\\RETAG\\");
  EXPECT_EQ(t.g.WDIRRETAGUARDA, "C:\\RETAG\\");
  EXPECT_EQ(t.g.VIMPOEXPO, "PKZIP");
  EXPECT_EQ(t.g.VAVPOUPAPEL, "N");
  EXPECT_FALSE(t.g.WLER_ITEM_PRIMEIRO);
  EXPECT_EQ(t.g.VDF, "AV");
  EXPECT_EQ(t.g.WDF, "AV");
  EXPECT_EQ(t.g.WTIPODESCAC, "$");
  EXPECT_EQ(t.g.W_PRI_BALANCA, "2");  // a numeric field read as text
  EXPECT_EQ(t.g.W_IPE_BALANCA, core::Decimal(8));
  EXPECT_EQ(t.g.WCLIENTEPAD, core::Decimal(42));  // a text field read as a number
  EXPECT_FALSE(t.printer_named);

  ConfRecord u;
  u.conf().put("IMPRESSORA", "MP-4000");
  u.conf().put("QTDEMAXIVD", core::Decimal::of("12.5"));
  u.conf().put("DIRETORIO", "\\");
  u.conf().put("C891", "EXE45");
  u.load();
  EXPECT_EQ(u.g.VQTDEMAXIMO, core::Decimal::of("12.5"));
  EXPECT_EQ(u.g.WDIRETOR, "\\");  // one character: left as it is
  EXPECT_EQ(u.g.VIMPOEXPO, "EXE45");
  EXPECT_EQ(u.g.WTIPODESCAC, "%");
  EXPECT_TRUE(u.printer_named);
}

TEST(GeneralParameters, PaymentFormsOfferedAndNamed) {
  testing::ScriptedCtx t;
  const store::Layout& layout = *store::find_layout("CG");
  t.db.create(layout.file, store::field_defs(layout));
  xbase::Table& cg = t.db.use(layout.file, "CG", xbase::OpenMode::Shared);
  cg.append_blank();
  cg.put("C612", "N");        // cash hidden
  cg.put("C598", "Especie");  // its screen name
  cg.put("C510", "CC");       // V: document type
  cg.put("C534", 3);          // V: instalments
  cg.put("C671", 12);         // I: largest number of instalments
  cg.put("C562", "DINHEIRO ECF");
  cg.put("C580", "TECBAN CH");
  cg.unlock();
  t.db.close_all();

  CONF_AMBIENTE(t.ctx);
  EXPECT_FALSE(t.db.is_open("M226"));
  EXPECT_EQ(t.g.VTMP, "tmp\\");
  EXPECT_EQ(t.g.V_USARPGTO[0].use, "N");
  EXPECT_EQ(t.g.V_USARPGTO[0].name, "Especie         ");
  EXPECT_EQ(t.g.V_USARPGTO[1].use, "S");
  EXPECT_EQ(t.g.V_USARPGTO[1].name, "Cartao          ");
  EXPECT_EQ(t.g.V_USARPGTO[13].use, "S");
  EXPECT_EQ(t.g.V_USARPGTO[13].name, "Cheque TecBan   ");
  EXPECT_EQ(t.g.V_USARPGTO[14].name, "");  // only 1 to 14 are the system's

  xbase::Table& open = t.db.use(layout.file, "CG", xbase::OpenMode::Shared);
  open.go_top();
  load_payment_form_settings(t.g, SettingsRecord(open));
  EXPECT_EQ(t.g.V_TIDOCV, "CC");
  EXPECT_EQ(t.g.V_NUPREV, core::Decimal(3));
  EXPECT_EQ(t.g.V_PMAXPI, core::Decimal(12));
  EXPECT_EQ(t.g.WCODIGESTOQ, "   ");
  EXPECT_EQ(t.g.V_DPRESTD, "DINHEIRO ECF    ");
  EXPECT_EQ(t.g.V_DPRESTA, "Cartao          ");  // empty: the default
  EXPECT_EQ(t.g.V_DPRESUC, "TECBAN CH       ");
}

TEST(GeneralParameters, WithoutTheTableEveryFormIsOfferedUnderItsDefaultName) {
  testing::ScriptedCtx t;
  CONF_AMBIENTE(t.ctx);
  for (std::size_t i = 0; i < 14; ++i) EXPECT_EQ(t.g.V_USARPGTO[i].use, "S") << i;
  EXPECT_EQ(t.g.V_USARPGTO[12].name, "Cons. CH. TecBan");
}

}  // namespace
}  // namespace zelto::app
