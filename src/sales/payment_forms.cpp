#include "sales/payment_forms.hpp"

#include <cctype>

#include "platform/runtime/text.hpp"

namespace zelto::sales {

using G = core::Globals;

const std::vector<PaymentForm>& payment_forms() {
  static const std::vector<PaymentForm> forms = {
      {'D', "DINHEIRO", 1, "PAGO_DINHEIRO", "", "", &G::NPAGOD, &G::V_DPRESTD, 'D'},
      {'A', "CARTAO", 2, "", "CRT", "CRT", &G::NPAGOA, &G::V_DPRESTA, ' '},
      {'P', "HIPERCARD", 3, "", "CRT", "HIP", &G::NPAGOA, &G::V_DPRESTP, ' '},
      {'H', "con. cheque", 4, "", "CHQ", "CRT", &G::NPAGOH, &G::V_DPRESTH, ' '},
      {'B', "TECBAN", 5, "", "CRT", "TEC", &G::NPAGOA, &G::V_DPRESTB, ' '},
      {'T', "TICKET", 6, "PAGO_TICKET", "", "", &G::NPAGOT, &G::V_DPRESTT, 'T'},
      {'C', "CHEQUE", 7, "PAGO_CHEQUE", "", "", &G::NPAGOC, &G::V_DPRESTC, 'C'},
      {'R', "Redecard.", 8, "PAGO_CART_AVULSO", "", "", &G::NPAGOA, &G::V_DPRESTR, 'R'},
      {'V', "VISA Av.", 9, "PAGO_VISA_AVULSO", "", "", &G::NPAGOA, &G::V_DPRESTV, 'V'},
      {'M', "American..", 10, "PAGO_AMER_AVULSO", "", "", &G::NPAGOA, &G::V_DPRESTM, 'M'},
      {'E', "TecBan Av.", 11, "PAGO_TECB_AVULSO", "", "", &G::NPAGOA, &G::V_DPRESTE, 'E'},
      {'I', "HiperCard.", 12, "PAGO_HIPE_AVULSO", "", "", &G::NPAGOA, &G::V_DPRESTI, 'I'},
      {'U', "Con Ch TB", 13, "", "CHB", "TEC", &G::NPAGOH, &G::V_DPRESTU, ' '},
  };
  return forms;
}

const PaymentForm* payment_form(char letter) {
  const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  for (const PaymentForm& f : payment_forms())
    if (f.letter == up) return &f;
  return nullptr;
}

bool offered(const G& g, const PaymentForm& form) {
  const auto i = static_cast<std::size_t>(form.entry - 1);
  return i < g.V_USARPGTO.size() && g.V_USARPGTO[i].use == "S";
}

core::Text screen_name(const G& g, const PaymentForm& form) {
  const auto i = static_cast<std::size_t>(form.entry - 1);
  return i < g.V_USARPGTO.size() ? runtime::trim(g.V_USARPGTO[i].name) : core::Text();
}

std::vector<core::Text> offered_forms_lines(const G& g) {
  std::vector<core::Text> lines;
  for (const PaymentForm& f : payment_forms()) {
    if (!offered(g, f)) continue;
    // M's line has one blank less, as the list has always shown it.
    const core::Text gap = f.letter == 'M' ? " =  " : "  =  ";
    lines.push_back(core::Text(1, f.letter) + gap + screen_name(g, f));
  }
  return lines;
}

}  // namespace zelto::sales
