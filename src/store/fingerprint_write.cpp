#include "store/fingerprint_write.hpp"

#include <optional>
#include <system_error>

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "store/fingerprint_file.hpp"
#include "store/fingerprint_file_list.hpp"
#include "store/fingerprint_md5.hpp"
#include "store/fingerprint_printer.hpp"
#include "store/seal_scramble.hpp"

namespace zelto::store {
namespace {

using runtime::prefix_equal;

const core::Text kNoSerialAnswer = "Nao Conseguiu Comunicar com a Impressora NUM_SER.";

std::optional<runtime::Decimal> ask_grand_total(core::Ctx& ctx, const FingerprintPrinter* printer) {
  if (!printer || !printer->grand_total) return std::nullopt;
  return printer->grand_total(ctx);
}

std::optional<std::string> ask_serial(core::Ctx& ctx, const FingerprintPrinter* printer) {
  if (!printer || !printer->serial) return std::nullopt;
  return printer->serial(ctx);
}

StoredFingerprint next_fingerprint(core::Ctx& ctx, const StoredFingerprint& stored, const std::string& list,
                                   std::string_view refresh, const FingerprintPrinter* printer) {
  core::Globals& g = ctx.g;
  StoredFingerprint next;
  if (prefix_equal(refresh, "S")) g.VMD5_ARQUIVOS = md5_hex(list);
  next.md5 = ENCRYPT(g.VMD5_ARQUIVOS);

  next.grand_total = stored.grand_total;
  if (prefix_equal(g.VATUAL_GT_VENDA_BRUTA, "S")) {
    // The printer layer has told the operator when it could not read it.
    if (const auto total = ask_grand_total(ctx, printer)) next.grand_total = ENCRYPT(grand_total_text(*total));
  }

  if (!runtime::trim(g.VNUMSERIEIMPRESSORA).empty()) {
    next.serial = stored.serial;
    if (prefix_equal(g.VATUAL_NUM_SER_TXT, "S")) {
      if (const auto serial = ask_serial(ctx, printer))
        next.serial = ENCRYPT(*serial);
      else
        core::G_ERRO(ctx, kNoSerialAnswer);
    }
  }
  return next;
}

bool write_fingerprint_files(core::Ctx& ctx, std::string_view refresh, const FingerprintPrinter* printer) {
  bool written = true;
  try {
    const StoredFingerprint stored = read_fingerprint(ctx.folder());
    const std::string list = write_file_list(ctx, file_list_sources(ctx), kFileList);
    write_fingerprint(ctx.folder(), next_fingerprint(ctx, stored, list, refresh, printer));
    ctx.db.commit_all();
  } catch (const std::system_error& e) {
    core::G_ERRO(ctx, "Nao Conseguiu Gravar o Arquivo " + std::string(kFingerprintFile) + "\r" + e.what());
    written = false;
  }
  ctx.g.VATUAL_GT_VENDA_BRUTA = "N";
  ctx.g.VATUAL_NUM_SER_TXT = "N";
  return written;
}

}  // namespace

bool GERA_MD5_ARQUIVOS_TXT(core::Ctx& ctx, std::string_view refresh) {
  return write_fingerprint_files(ctx, refresh, ctx.services.find<FingerprintPrinter>());
}

bool register_printer_serial(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  if (!runtime::trim(g.VNUMSERIEIMPRESSORA).empty()) return true;
  const FingerprintPrinter* printer = ctx.services.find<FingerprintPrinter>();
  const std::optional<std::string> serial = ask_serial(ctx, printer);
  if (!serial || runtime::trim(*serial).empty()) {
    core::G_ERRO(ctx, kNoSerialAnswer);
    return false;
  }
  g.VNUMSERIEIMPRESSORA = runtime::trim(*serial);
  g.VNUM_SER = g.VNUMSERIEIMPRESSORA;
  g.VATUAL_NUM_SER_TXT = "S";
  // The serial just read goes into the file as it came; the grand total is
  // asked as the caller's request says.
  FingerprintPrinter answered;
  if (printer) answered.grand_total = printer->grand_total;
  answered.serial = [&serial](core::Ctx&) { return serial; };
  return write_fingerprint_files(ctx, "N", &answered);
}

}  // namespace zelto::store
