// The table of the operations the system menu and the free row's keys
// start. A screen that arrives replaces its `not_available` entry here and
// nothing else changes: the menu and the keys find it by the same call.

#include "app/menu_operations.hpp"

#include <stdexcept>
#include <vector>

#include "app/error_log_viewer.hpp"
#include "app/rights.hpp"
#include "app/startup.hpp"
#include "cash/cash_movement.hpp"
#include "core/dialogs.hpp"
#include "sales/item_entry.hpp"
#include "store/reindex.hpp"
#include "tef/menu_commands.hpp"

namespace zelto::app {
namespace {

using core::Ctx;

struct TableEntry {
  const char* call;
  Operation run;
};

Operation card_check(std::string manager) {
  return [manager](Ctx& ctx) { tef::M781(ctx, manager); };
}

Operation card_admin(std::string manager) {
  return [manager](Ctx& ctx) { tef::M782(ctx, manager); };
}

const std::vector<TableEntry>& table() {
  static const std::vector<TableEntry> entries = {
      // Configuration.
      {"VARIAVEIS", not_available("VARIAVEIS")},
      {"M612", not_available("M612")},
      {"M614", [](Ctx& ctx) { sales::M614(ctx); }},
      {"M615", not_available("M615")},
      {"VARIA_2", not_available("VARIA_2")},
      {"VARIA_3", not_available("VARIA_3")},
      {"VARIA_4", not_available("VARIA_4")},
      {"VARIA_5(1)", not_available("VARIA_5")},
      {"VARIA_5(2)", not_available("VARIA_5")},
      {"VARIA_6", not_available("VARIA_6")},
      {"VARIA_7", not_available("VARIA_7")},
      {"LOG_N_543", [](Ctx& ctx) { LOG_N_543(ctx); }},
      {"M52", [](Ctx& ctx) { store::M52(ctx, [](Ctx& c, const core::Text& code) { return G_PERMIS(c, code); }); }},
      // Operators and registrations.
      {"M_531", not_available("M_531")},
      {"M622", not_available("M622")},
      {"TABELA_ITENS_BEM7", not_available("TABELA_ITENS_BEM7")},
      {"M_464", not_available("M_464")},
      {"M_IC343", not_available("M_IC343")},
      {"ECF_AUTORIZADOS", not_available("ECF_AUTORIZADOS")},
      {"N_421(\"I\")", not_available("N_421")},
      {"M_471", not_available("M_471")},
      {"M_473", not_available("M_473")},
      {"M_41", not_available("M_41")},
      {"N_455", not_available("N_455")},
      {"M_419", not_available("M_419")},
      {"M_41A", not_available("M_41A")},
      // Receipts and days issued.
      {"C_FISCAIS", not_available("C_FISCAIS")},
      {"REDUCAOZ", not_available("REDUCAOZ")},
      // The day, the cash and the receipt on the printer.
      {"BEM7_M10", not_available("BEM7_M10")},
      // The cash window's supply and withdrawal buttons.
      {"RS_M10_BEM7(1)", [](Ctx& ctx) { cash::RS_M10_BEM7(ctx, cash::kSupply); }},
      {"RS_M10_BEM7(2)", [](Ctx& ctx) { cash::RS_M10_BEM7(ctx, cash::kWithdrawal); }},
      {"ABRE_ECF_BEM7", not_available("ABRE_ECF_BEM7")},
      {"REDUCAO_Z_BEM7", not_available("REDUCAO_Z_BEM7")},
      {"LEITURA_X_BEM7", not_available("LEITURA_X_BEM7")},
      {"CANCELA_BEM7(\"M\")", not_available("CANCELA_BEM7")},
      {"CANC_ITEM", not_available("CANC_ITEM")},
      {"ITEM_GENERICO", not_available("ITEM_GENERICO")},
      // Printer settings.
      {"M7741", not_available("M7741")},
      {"M7742", not_available("M7742")},
      {"M7751", not_available("M7751")},
      {"M7752", not_available("M7752")},
      {"M776", not_available("M776")},
      {"M777", not_available("M777")},
      {"INC_FORMA_PGTO_BEM7", not_available("INC_FORMA_PGTO_BEM7")},
      {"M778", not_available("M778")},
      {"M779", not_available("M779")},
      {"M77A", not_available("M77A")},
      {"M77B", not_available("M77B")},
      // Card payment managers.
      {"M781(\"PAD\")", card_check("PAD")},
      {"M781(\"TEC\")", card_check("TEC")},
      {"M781(\"HIP\")", card_check("HIP")},
      {"M782(\"PAD\")", card_admin("PAD")},
      {"M782(\"TEC\")", card_admin("TEC")},
      {"M782(\"HIP\")", card_admin("HIP")},
      // The free row's keys that have no menu entry.
      {"M151(\"V\")", not_available("M151")},
      {"M61", not_available("M61")},
      {"M62A", not_available("M62A")},
      {"MONTA_MENU_FISCAL", not_available("MONTA_MENU_FISCAL")},
      // The end.
      {"SAIR_SISTEMA", [](Ctx& ctx) { SAIR_SISTEMA(ctx); }},
  };
  return entries;
}

}  // namespace

Operation not_available(std::string name) {
  return [name = std::move(name)](Ctx& ctx) { core::G_ALERT(ctx, "Funcao nao disponivel nesta versao: " + name); };
}

const Operation& system_operation(std::string_view call) {
  for (const TableEntry& e : table())
    if (call == e.call) return e.run;
  throw std::out_of_range("operacao desconhecida no menu: " + std::string(call));
}

}  // namespace zelto::app
