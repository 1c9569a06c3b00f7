#include "sales/tax_code.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {
namespace {

using runtime::padr;
using runtime::trim;

// From where IE stands, the first record of the situation's sales whose
// ECF rate code is filled. The scan stays within the situation's sales:
// another situation's rate would print the item with a wrong tax.
Text first_rate_code(xbase::Table& ie, const Text& situation_sale) {
  for (; !ie.eof() && runtime::prefix_equal(ie.text("C100") + ie.text("C107"), situation_sale); ie.skip())
    if (!trim(ie.text("C674")).empty()) return ie.text("C674");
  return "   ";
}

}  // namespace

Text SITUA_TRIBU(core::Ctx& ctx, const Text& situation) {
  xbase::Table& ie = ctx.db.area("IE");
  ie.set_order(1);
  const Text sale = padr(situation, 4) + "V";
  Text code = "   ";
  if (ie.seek(sale + "ICMS  ") || ie.seek(sale)) code = padr(first_rate_code(ie, sale), 3);

  ctx.g.WSITUA = "   ";
  if (!trim(code).empty()) {
    xbase::Table& a1 = ctx.db.area("A1");
    a1.set_order(1);
    const Text rate = a1.seek(code) ? a1.text("C678") : Text();
    const char first = rate.empty() ? ' ' : rate[0];
    ctx.g.WSITUA = (first == 'I' || first == 'N' || first == 'F') ? rate.substr(0, 2) : rate;
  }
  return code;
}

bool rate_programmed(const Text& wsitua, const Text& valiquotas) {
  const Text code = trim(wsitua);
  if (code.empty()) return false;
  if (code == "FF" || code == "II" || code == "NN") return true;
  const Text form = runtime::strzero(runtime::val(runtime::left(code, 2)), 2) + "." +
                    runtime::strzero(runtime::val(runtime::substr(code, 3, 2)), 2);
  return valiquotas.find(form) != Text::npos;
}

Text rate_refusal(const Text& wsitua) {
  return "O Tipo de Aliquota/Configuracao \"" + wsitua + "\" nao esta nas aliquotas ou Configurado";
}

}  // namespace zelto::sales
