#pragma once
// Two small registration screens on the engine, over a data folder of
// their own:
//   - units of measure (UD, the catalogue's table): a text key and a name;
//   - a test table of goods (TT): a numeric key of 8 digits stored
//     zero-padded, a description, a unit checked against UD with an F2
//     list, a price, a date, a rounding flag, a note shown but never
//     editable, and the audit fields its after-call writes.

#include <memory>

#include "platform/runtime/text.hpp"
#include "registry/field_checks.hpp"
#include "registry/registration.hpp"
#include "store/lookup.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::registry::testing {

using runtime::Date;
using runtime::Decimal;
using screen::Key;

inline constexpr const char* kInUse = "Este registro esta em uso por outro usuario, tente mais tarde.";
inline constexpr const char* kConfirm = "Confirma ?     ";
inline constexpr const char* kLeave = "Deseja voltar ?     ";

inline xbase::FieldDef C(const char* n, int len) { return {n, xbase::FieldType::Character, len, 0, 0}; }
inline xbase::FieldDef N(const char* n, int len, int dec) { return {n, xbase::FieldType::Numeric, len, dec, 0}; }
inline xbase::FieldDef D(const char* n) { return {n, xbase::FieldType::Date, 8, 0, 0}; }

inline const std::vector<xbase::FieldDef> kGoodsFields = {
    C("C012", 8), C("C030", 40), C("C408", 2), N("C031", 10, 2), D("C217"), C("C851", 1),
    C("C672", 20), C("C001", 3), D("C262"), C("C263", 5),
};
inline const std::vector<xbase::OrderSpec> kGoodsOrders = {{"m999a.ntx", "C012"}, {"m999b.ntx", "C030"}};

// Opens (creating when missing) the units and goods tables in `db`.
inline void open_tables(xbase::Workspace& db, bool create) {
  const store::CatalogueEntry& ud = *store::find_entry("UD");
  if (create) {
    db.create(ud.file(), store::field_defs(*ud.table));
    db.create("m999.dbf", kGoodsFields);
  }
  db.use(ud.file(), "UD", xbase::OpenMode::Shared, store::order_specs(ud));
  db.use("m999.dbf", "TT", xbase::OpenMode::Shared, kGoodsOrders);
}

inline void add_unit(xbase::Table& ud, const char* code, const char* name) {
  ud.append_blank();
  ud.put("C408", code);
  ud.put("C409", name);
  ud.unlock();
}

inline CodeLookup units_lookup() {
  return {.alias = "UD", .order = 1, .restore = 2,
          .description = [](const xbase::Table& t) { return runtime::left(t.text("C409"), 15); }};
}

// The units screen: what a registration screen writes.
inline Registration units_screen() {
  Registration r;
  r.code = "M464";
  r.browse_title = "M464-Tabela de Unidades de Medidas";
  r.alias = "UD";
  r.order = 2;
  r.form_code = "M464";
  r.titles = {"Inclusao de Unidade de Medida", "Alteracao de Unidade de Medida",
              "Visualiza\xE7\xE3o de Unidade de Medida"};
  r.fields = [](core::Ctx&, Mode) {
    return std::vector<EntryField>{
        {.label = "C\xF3" "digo Unidade Medida.:", .value = Text(2, ' '), .picture = "!!", .check = CON_CODIGO(),
         .field = "C408"},
        {.label = "Descri\xE7\xE3o da Unidade.:", .value = Text(40, ' '), .picture = "@!", .check = G_CONSTR(false),
         .field = "C409"},
    };
  };
  r.key_width = 2;
  r.after = [](EntryForm& f) {
    xbase::Table& t = f.table();
    t.put("C001", f.ctx().g.VUSU);
    t.put("C262", f.ctx().clock.now().date);
    t.put("C263", f.ctx().clock.now().hhmm());
    return true;
  };
  return r;
}

// The goods screen's form, one mode at a time.
inline EntryScreen goods_form(Mode mode) {
  EntryScreen s;
  s.mode = mode;
  s.title = "M999 - Teste de Mercadorias";
  s.alias = "TT";
  s.code = "M999";
  s.numeric_key = true;
  s.key_width = 8;
  s.save_caption = "Continuar";
  s.exit_check = ask_before_leaving("Deseja voltar");
  s.fields = {
      {.label = "Codigo.:", .value = Decimal(0), .picture = "99999999", .check = CON_CODIGO(), .field = "C012"},
      {.label = "Descricao.:", .value = Text(40, ' '), .picture = "@!", .check = G_CONSTR(false), .field = "C030"},
      {.label = "Unidade.:", .value = Text(2, ' '), .picture = "!!", .check = G_CONTA2(units_lookup()),
       .field = "C408", .lookup = LookupDef{"UD", "C408"}, .description = code_description(units_lookup())},
      {.label = "Preco.:", .value = Decimal(0), .picture = "9999999.99", .check = G_CONV_L(), .field = "C031"},
      {.label = "Data.:", .value = Date(), .check = G_CONDAT(), .field = "C217"},
      {.label = "Arredondamento.:", .value = Text("T"), .picture = "!",
       .check = G_CON_SN({{"A", "Arredondar"}, {"T", "Truncar"}}), .field = "C851"},
      {.label = "Observacao.:", .value = runtime::padr("FIXA", 20), .picture = "@!", .field = "C672", .state = FieldState::N},
  };
  s.after = [](EntryForm& f) {
    xbase::Table& t = f.table();
    t.put("C001", f.ctx().g.VUSU);
    t.put("C262", f.ctx().clock.now().date);
    t.put("C263", f.ctx().clock.now().hhmm());
    return true;
  };
  return s;
}

// A test context with the two tables and three units.
struct RegistryCtx : zelto::testing::ScriptedCtx {
  xbase::Table* ud = nullptr;
  xbase::Table* tt = nullptr;

  RegistryCtx() {
    open_tables(db, true);
    ud = &db.area("UD");
    tt = &db.area("TT");
    add_unit(*ud, "KG", "QUILOGRAMA");
    add_unit(*ud, "LT", "LITRO");
    add_unit(*ud, "UN", "UNIDADE");
    ud->go_top();
    tt->go_top();
    g.VUSU = "GER";
  }

  // A goods record as another station stored it.
  void add_goods(const char* code, const char* name, const char* unit = "UN") {
    tt->append_blank();
    tt->put("C012", code);
    tt->put("C030", name);
    tt->put("C408", unit);
    tt->put("C031", Decimal::of("2.50"));
    tt->put("C217", *Date::ymd(2026, 11, 30));
    tt->put("C851", "T");
    tt->put("C001", "CX1");
    tt->put("C262", *Date::ymd(2026, 12, 1));
    tt->put("C263", "09:15");
    tt->unlock();
  }

  // Live records of the goods table, by key, read through the order.
  long goods_count() {
    long n = 0;
    const xbase::Position here = tt->position();
    for (tt->go_top(); !tt->eof(); tt->skip(1)) ++n;
    tt->restore(here);
    return n;
  }
};

}  // namespace zelto::registry::testing
