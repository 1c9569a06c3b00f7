#include "sales/grand_total_check.hpp"

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "ecf/make.hpp"
#include "ecf/z_data.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/fingerprint_file.hpp"
#include "store/fingerprint_write.hpp"
#include "store/seal_scramble.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using core::Decimal;
using core::Text;
using runtime::strzero;

Text difference_message(const Text& printer_total, const Text& stored_total) {
  return "GT esta Diferentem, Nao Pode Continuar !!!!\n\n" + printer_total + "  --  " + stored_total;
}

// The last Z's movement date, read from the printer; nothing when it
// cannot be read.
std::optional<runtime::Date> last_z_movement(Ctx& ctx) {
  const ecf::Answer data = ecf::IMP_FISCAL(ctx, "DADOS_ULTIMA_REDUCAO_Z");
  if (!data.ok) return std::nullopt;
  const Text z = ecf::z_data_631(ecf::make_of(ctx.g), data.text);
  auto date = runtime::Date::from_ddmmyy(runtime::substr(z, 596, 6));
  if (!date || date->empty()) return std::nullopt;
  return date;
}

// The daily record of the last Z agrees with the printer's counters and
// the gross sales between its grand totals.
bool z_agrees_with_day(Ctx& ctx, const xbase::Table& day) {
  const ecf::Answer crz = ecf::IMP_FISCAL(ctx, "NUMERO_REDUCOES_Z");
  if (!crz.ok) return false;
  const ecf::Answer cro = ecf::IMP_FISCAL(ctx, "NUMERO_CRO");
  if (!cro.ok) return false;
  const ecf::Answer start = ecf::IMP_FISCAL(ctx, "GT_INICIAL_ULT_REDUCAO_Z");
  if (!start.ok) return false;
  const ecf::Answer end = ecf::IMP_FISCAL(ctx, "GT_FINAL_ULT_REDUCAO_Z");
  if (!end.ok) return false;
  const bool counters = strzero(runtime::val(crz.text), 10) == strzero(day.number("CREDZ"), 10) &&
                        runtime::val(cro.text) == runtime::val(day.text("CRO"));
  const bool sales = strzero(end.number - start.number, 14, 2) == strzero(day.number("VENDABRUTA"), 14, 2);
  return counters && sales;
}

// True when the grand total was recomposed (the run is then ending).
bool recompose(Ctx& ctx, const Text& printer_total, const Text& stored_total) {
  const auto movement = last_z_movement(ctx);
  core::G_ERRO(ctx, difference_message(printer_total, stored_total));
  if (!movement) return false;
  xbase::Table& pd = ctx.db.area("PD");
  pd.set_order(1);
  if (!pd.seek(movement->dtos())) return false;
  if (!z_agrees_with_day(ctx, pd)) {
    core::G_ERRO(ctx, "Nao Conseguiu Recompor");
    return false;
  }
  ctx.g.VATUAL_GT_VENDA_BRUTA.assign(1, 'S');
  store::GERA_MD5_ARQUIVOS_TXT(ctx);
  core::G_ALERT(ctx, "Conseguiu Recompor o G.T.\nAcesse Novamente o Sistema !!!!");
  ctx.run.request_end("GT recomposto");
  return true;
}

}  // namespace

FingerprintVerdict check_fingerprint(Ctx& ctx) {
  core::Globals& g = ctx.g;
  const ecf::Answer total = ecf::IMP_FISCAL(ctx, "GRANDE_TOTAL");
  if (!total.ok) return FingerprintVerdict::Refused;
  const Text printer_total = store::grand_total_text(total.number);
  const Text stored_total = store::DECRYPT(store::RETORNA_GT_ARQUIVO_TXT(ctx));
  const Text stored_serial = store::RETORNA_NUM_SER_ARQUIVO_TXT(ctx);

  if (!runtime::prefix_equal(stored_serial, g.VNUMSERIEIMPRESSORA)) {
    core::G_ERRO(ctx, "Numero de Serie Diferente.: " + stored_serial + "\n" + g.VNUMSERIEIMPRESSORA);
    return FingerprintVerdict::Refused;
  }

  const Text stored_md5 = store::RETORNA_MD5_ARQUIVO_TXT(ctx);
  if (stored_md5 != g.VMD5_ARQUIVOS) {
    g.VMD5_ARQUIVOS = stored_md5;
    ecf::IMP_FISCAL(ctx, "CARREGAR_MD5_NO_CUPOM");
  }

  if (printer_total == stored_total) return FingerprintVerdict::Pass;
  if (recompose(ctx, printer_total, stored_total)) return FingerprintVerdict::Recomposed;
  core::G_ERRO(ctx, difference_message(printer_total, stored_total));
  return FingerprintVerdict::Refused;
}

}  // namespace zelto::sales
