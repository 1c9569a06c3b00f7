#include "ecf/library_call.hpp"

#include <algorithm>

#include "core/dialogs.hpp"
#include "core/error_log.hpp"
#include "ecf/make.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

namespace {

// The loader's own words are for support staff: they go to error.log, which
// the next login takes over into the error-log table. A file that is simply
// missing says all there is in the alert.
void log_load_failure(core::Ctx& ctx, const os::Library& lib) {
  if (lib.error_code() != os::Library::kNotLoadable) return;
  const os::LocalTime now = ctx.clock.now();
  try {
    core::add_to_error_log(ctx.folder(),
                           {"Erro: a biblioteca " + lib.name() + " nao carregou (codigo " +
                                std::to_string(lib.error_code()) + ")",
                            "Motivo: " + runtime::utf8_to_cp1252(lib.error_text()),
                            "Data: " + now.date.text() + " " + now.hhmmss() + "  Usuario: " + runtime::trim(ctx.g.VUSU)},
                           "SYSTEM: ZeltoECF " + ctx.g.VV_VERSAO,
                           {"Versao: " + runtime::trim(ctx.g.VVERSAOECF) + "  PAF-ECF: " + ctx.g.VVERSAOPAFECF});
  } catch (const std::exception&) {
    // The alert still tells the operator; a log that cannot be written
    // must not stop the printer command from reporting its failure.
  }
}

void alert_not_loaded(core::Ctx& ctx, const os::Library& lib, std::string_view name) {
  core::G_ALERT(ctx, "Error code: " + std::to_string(lib.error_code()) + " loading " + Text(name));
}

os::Library load(core::Ctx& ctx, std::string_view file) {
  os::Library lib = os::Library::load(ctx.folder(), file);
  if (!lib.loaded()) log_load_failure(ctx, lib);
  return lib;
}

// The run's library, loaded when the make's file is not the one in hand
// (nothing loaded yet, or the configuration changed the make).
const os::Library* run_library(core::Ctx& ctx) {
  const Text file = library_file(ctx.g.VIMP_FIS);
  if (file.empty()) return nullptr;
  PrinterLibrary* held = ctx.services.find<PrinterLibrary>();
  if (!held || held->library.name() != file) {
    load_printer_library(ctx);
    held = ctx.services.find<PrinterLibrary>();
  }
  return held ? &held->library : nullptr;
}

}  // namespace

void load_printer_library(core::Ctx& ctx) {
  ctx.services.remove<PrinterLibrary>();
  const Text file = library_file(ctx.g.VIMP_FIS);
  if (file.empty()) return;
  ctx.services.emplace<PrinterLibrary>(PrinterLibrary{load(ctx, file)});
}

Out::Out(std::size_t width, char fill) : width_(width), bytes_(width + 1 + kSpare, '\0') {
  std::fill(bytes_.begin(), bytes_.begin() + static_cast<long>(width), fill);
}

Out::Out(const Text& preset) : Out(preset.size()) { std::copy(preset.begin(), preset.end(), bytes_.begin()); }

bool Out::intact() const {
  return std::all_of(bytes_.begin() + static_cast<long>(width_), bytes_.end(), [](char c) { return c == '\0'; });
}

namespace detail {

EntryHandle::EntryHandle(core::Ctx& ctx, Via via, std::string_view entry) {
  const os::Library* lib = nullptr;
  Text name;
  if (via.file.empty()) {
    lib = run_library(ctx);
    name = library_file(ctx.g.VIMP_FIS);
    if (!lib) {
      core::G_ALERT(ctx, "Error code: 0 loading " + name);
      return;
    }
  } else {
    own_ = load(ctx, via.file);
    lib = &*own_;
    name = Text(via.file);
  }
  if (!lib->loaded()) {
    alert_not_loaded(ctx, *lib, name);
    return;
  }
  address_ = lib->entry(entry);
  if (!address_) core::G_ERRO(ctx, "Nao achou a funcao " + Text(entry) + " na biblioteca " + name);
}

void report_overrun(core::Ctx& ctx, std::string_view entry) {
  core::G_ERRO(ctx, "A funcao " + Text(entry) + " respondeu alem do espaco reservado para a resposta");
}

}  // namespace detail

}  // namespace zelto::ecf
