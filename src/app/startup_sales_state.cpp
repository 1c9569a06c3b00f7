// The start of the sales screen: the settings it works with and the state
// of the sale.

#include <filesystem>

#include "app/startup.hpp"
#include "app/startup_record.hpp"
#include "app/startup_settings.hpp"
#include "core/dialogs.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::app {
namespace {

using core::Ctx;
using core::Text;

void start_sale_state(core::Globals& g) {
  g.WTOTALVALOR = g.WVALOR = g.WDESC = g.NDESC = g.NACRE = g.WVALORPRODU = core::Decimal(0);
  g.WCODIGCLIEN = core::Decimal(0);
  g.WPRECOCLIEN = "V";
  g.W_VISTA = " ";
  g.W_TIPODOCUM = "  ";
  g.W_NUMEVENCI = core::Decimal(0);
  g.W_DATAVENCI = core::Date();
  g.V_NOME_CLIENTE.clear();
  g.V_ENDERECO_CLIENTE.clear();
  g.V_CPFCNPJ_CLIENTE.clear();
  g.AUTPLI = false;
  g.WRETLINE = "chr(13)+chr(10)";
}

void make_working_folders(Ctx& ctx) {
  for (const char* name : {"RELAT", "SINTEGRA", "TMP", "IMPORTA", "EXPORTA"})
    if (!os::find_file(ctx.folder(), name)) std::filesystem::create_directory(os::resolve(ctx.folder(), name));
}

}  // namespace

void INICIA_VARIAVEIS(Ctx& ctx) {
  core::Globals& g = ctx.g;
  if (!load_sales_settings(g, first_record(ctx, "CO"))) core::G_ERRO(ctx, "Impressora Nao Cadastrada");
  load_payment_form_settings(g, first_record(ctx, "CG"));

  const SettingsRecord us = seek_record(ctx, "US", 1, runtime::padr(g.VUSU, 3));
  const Text account = us.text("C083");
  g.VCAIXAUSUAR = runtime::trim(account).empty() ? Text("GAVETA") : account;
  g.VVENDEUSUAR = us.text("C014");

  start_sale_state(g);

  // An operator's own cash account is the operator code and three blanks.
  bool found = false;
  const SettingsRecord period = seek_record(ctx, "RE", 2, "A" + runtime::padr(g.VUSU, 3) + "   ", &found);
  if (found) {
    g.WABERTCAIXA = period.text("C096") + period.text("C104");
    g.WCAIXACODIG = period.text("C083");
  } else {
    g.WABERTCAIXA.clear();
    g.WCAIXACODIG.clear();
  }

  make_working_folders(ctx);
}

}  // namespace zelto::app
