#include "core/run_guard.hpp"

#include "core/dialogs.hpp"
#include "core/error_log.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"
#include "platform/screen/driver_error.hpp"

namespace zelto::core {

void report_failure(Ctx& ctx, std::string_view name, std::string_view what) {
  const os::LocalTime now = ctx.clock.now();
  // Exception texts are UTF-8, like the program's sources; the log and the
  // screen take Windows-1252.
  const Text description = runtime::utf8_to_cp1252(what);
  bool logged = true;
  try {
    add_to_error_log(ctx.folder(),
                     {"Erro: " + description, "Operacao: " + std::string(name),
                      "Data: " + now.date.text() + " " + now.hhmmss() + "  Usuario: " + runtime::trim(ctx.g.VUSU)},
                     "SYSTEM: ZeltoECF " + ctx.g.VV_VERSAO,
                     {"Versao: " + runtime::trim(ctx.g.VVERSAOECF) + "  PAF-ECF: " + ctx.g.VVERSAOPAFECF,
                      "Pasta: " + runtime::utf8_to_cp1252(std::filesystem::absolute(ctx.folder()).string())});
  } catch (const std::exception&) {
    logged = false;
  }
  G_ERRO(ctx, "Ocorreu um erro e a operacao foi interrompida: " + description +
                  (logged ? "" : " (o arquivo error.log nao pode ser gravado)"));
}

bool run_guarded(Ctx& ctx, std::string_view name, const std::function<void()>& operation) {
  try {
    operation();
    return true;
  } catch (const screen::DriverError&) {
    throw;
  } catch (const std::exception& e) {
    report_failure(ctx, name, e.what());
  } catch (...) {
    report_failure(ctx, name, "falha desconhecida");
  }
  return false;
}

std::function<void()> guarded(Ctx& ctx, std::string name, std::function<void()> operation) {
  return [&ctx, name = std::move(name), operation = std::move(operation)] {
    run_guarded(ctx, name, operation);
  };
}

}  // namespace zelto::core
