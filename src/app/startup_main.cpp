// The start-up sequence, from the first check of the data folder to the
// main window.

#include "app/login.hpp"
#include "app/main_frame.hpp"
#include "app/startup.hpp"
#include "app/startup_hooks.hpp"
#include "app/startup_record.hpp"
#include "app/startup_settings.hpp"
#include "core/dialogs.hpp"
#include "core/run_guard.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "store/lookup.hpp"
#include "store/open_catalogue.hpp"
#include "store/open_failure.hpp"
#include "store/reindex.hpp"

namespace zelto::app {
namespace {

using core::Ctx;
using core::Text;

// The accent of "usuários" is part of the message as it has always shown.
const Text kNoOperatorsFile = "Nao achou o arquivo de usu\xE1rios";
const Text kNoServiceOperator = "Nao achou a versao dos dados";
const Text kNoOperatorsHere = "Nao achou o arquivo m001 de usuarios nesta pasta";

void stop(Ctx& ctx, const Text& message) {
  core::G_ERRO(ctx, message);
  ctx.run.request_end(message);
}

// A table the start reads that will not open (another instance holds it,
// it is damaged) is said plainly, and the run ends: it is the folder's
// state, not a failure of the program.
bool read_at_start(Ctx& ctx, std::string_view file, const std::function<void()>& read) {
  try {
    read();
    return true;
  } catch (const xbase::Error& e) {
    stop(ctx, store::open_failure_message(file, e));
    return false;
  }
}

bool operators_file_present(Ctx& ctx, std::string_view name) {
  return os::find_file(ctx.folder(), name).has_value();
}

// The operators table of this program's data carries the maker's service
// operator; a folder without one holds another program's data.
bool has_service_operator(Ctx& ctx) {
  bool found = false;
  read_first_record(ctx, "m001", "M001", xbase::OpenMode::Shared, [&](const SettingsRecord&) {
    xbase::Table& us = ctx.db.area("M001");
    for (; !us.eof() && !found; us.skip()) found = runtime::prefix_equal(us.text("C001"), "ZEL");
  });
  return found;
}

// Opening the operators table with its catalogue orders builds the index
// files it lacks.
void make_operator_indexes(Ctx& ctx) {
  const store::CatalogueEntry& us = *store::find_entry("US");
  ctx.db.use(us.file(), us.alias(), xbase::OpenMode::Shared, store::order_specs(us));
  ctx.db.close_all();
}

void open_start_window(Ctx& ctx, const StartupHost& host) {
  screen::WindowSpec w;
  w.name = kStartWindow;
  w.title = "ZeltoECF";
  w.geometry = host.screen_area;
  w.maximized = true;
  w.background = screen::Colour{0x1F4E79};
  screen::Window& start = ctx.screen.open_window(std::move(w));
  screen::PanelStyle big;
  big.align = screen::Align::Centre;
  big.point_size = 36;
  big.bold = true;
  big.text = screen::Colour{0xFFFFFF};
  screen::PanelStyle small = big;
  small.point_size = 14;
  small.bold = false;
  const int width = host.screen_area.width;
  const int height = host.screen_area.height;
  start.add_panel({"programa", "ZeltoECF", {0, height / 10, width, height / 8}, big});
  start.add_panel({"empresa", ctx.g.VZELTOSISTEMAS, {0, height / 10 + height / 8, width, height / 16}, small});
  start.add_panel({"versao", "Versao " + ctx.g.VV_VERSAO, {0, height - height / 8, width, height / 16}, small});
}

LoginSteps login_steps() {
  LoginSteps steps;
  steps.TESTANDO = [](Ctx& ctx, screen::Progress& meter) { return TESTANDO(ctx, meter); };
  steps.REINDEXAR = [](Ctx& ctx) { store::REINDEXAR(ctx); };
  steps.FECHA_SISTEMA = [](Ctx& ctx) { return FECHA_SISTEMA(ctx); };
  return steps;
}

void start_up(Ctx& ctx, const StartupHost& host) {
  core::Globals& g = ctx.g;
  load_signing_library(ctx);
  if (!operators_file_present(ctx, "m001.dbf")) return stop(ctx, kNoOperatorsFile);
  bool service_operator = false;
  if (!read_at_start(ctx, "m001.dbf", [&] { service_operator = has_service_operator(ctx); })) return;
  if (!service_operator) return stop(ctx, kNoServiceOperator);

  VAR_DEFINE_PUBLIC(g);
  if (!read_at_start(ctx, "m226.dbf", [&] { CONF_AMBIENTE(ctx); })) return;
  g.VUSU = "GER";
  g.VSENHA.clear();
  g.VBITMAP = true;
  g.VZEBRAR_WINDOW = true;
  g.VMILHAR = true;
  g.VALT_BOTTONBAR = core::Decimal(53);
  read_fingerprint_serial(ctx);
  // At start the configuration is had exclusively: a second instance of
  // the program on the same folder stops here.
  const bool conf_read = read_at_start(ctx, "CONF.DBF", [&] {
    read_first_record(ctx, "Conf", "CONF", xbase::OpenMode::Exclusive,
                      [&](const SettingsRecord& conf) { load_start_settings(g, conf); });
  });
  if (!conf_read) return;
  start_payment_state(g);
  g.W_NTRANSP = Text(42, ' ');
  g.W_NOBSERV = Text(42, ' ');

  if (!operators_file_present(ctx, "M001.DBF")) return stop(ctx, kNoOperatorsHere);
  if (!read_at_start(ctx, "M001.DBF", [&] { make_operator_indexes(ctx); })) return;
  if (!store::ABRIR_M001(ctx)) return;

  open_start_window(ctx, host);
  g.WCONTINUA = SENHA_USUARIO(ctx, login_steps());
  ctx.screen.close_window(kStartWindow);
  if (!g.WCONTINUA || ctx.run.end_requested) {
    if (!ctx.run.end_requested) ctx.run.request_end("login");
    return;
  }
  OLD_MAIN(ctx, host);
}

}  // namespace

void MAIN(Ctx& ctx, const StartupHost& host) {
  // Anything else the start cannot go on from is logged and shown like any
  // failed operation, and ends the run.
  if (!core::run_guarded(ctx, "MAIN", [&] { start_up(ctx, host); }) && !ctx.run.end_requested)
    ctx.run.request_end("MAIN");
  ctx.db.close_all();
}

}  // namespace zelto::app
