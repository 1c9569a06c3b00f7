#include "sales/sale_grand_total.hpp"

#include <system_error>

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "store/fingerprint_file.hpp"
#include "store/seal_scramble.hpp"

namespace zelto::sales {

// Only the total changes with a line. The whole fingerprint write
// (GERA_MD5_ARQUIVOS_TXT) digests every listed file again, the running
// program among them, about 100 ms a scan; the list and its digest were
// written at the start of the run and the digest in force is VMD5_ARQUIVOS,
// which is what goes into the file here as there.
bool store_sale_grand_total(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  g.VATUAL_GT_VENDA_BRUTA = "N";
  const ecf::Answer total = ecf::IMP_FISCAL(ctx, "GRANDE_TOTAL");
  if (!total.ok) return false;
  try {
    store::StoredFingerprint parts = store::read_fingerprint(ctx.folder());
    parts.md5 = store::ENCRYPT(g.VMD5_ARQUIVOS);
    parts.grand_total = store::ENCRYPT(store::grand_total_text(total.number));
    store::write_fingerprint(ctx.folder(), parts);
  } catch (const std::system_error& e) {
    core::G_ERRO(ctx, "Nao Conseguiu Gravar o Arquivo " + std::string(store::kFingerprintFile) + "\r" + e.what());
    return false;
  }
  return true;
}

}  // namespace zelto::sales
