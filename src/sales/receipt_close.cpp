#include "sales/receipt_close.hpp"

#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/text.hpp"
#include "sales/footer_layout.hpp"
#include "sales/receipt_journal.hpp"
#include "sales/sales_screen.hpp"

namespace zelto::sales {

bool IMP_LAYOUT(core::Ctx& ctx) {
  compose_footer(ctx);
  ecf::IMP_FISCAL(ctx, "IDENTIFICA_CLIENTE");  // its outcome does not stop the close
  // Named in the journal before the printer is asked: if the run dies
  // after the printer closed it, the next start records it.
  ReceiptJournal journal(ctx);
  const core::Text form = runtime::trim(ctx.g.NFORM);
  journal.begin(form.empty() ? '?' : form[0], false);
  for (;;) {
    if (ecf::IMP_FISCAL(ctx, "IMP_RODAPE").ok) {
      journal.mark_printer_closed();
      return true;
    }
    if (!core::G_CONF(ctx, "Impressora Nao Responde, Tentar Novamente", "N")) {
      journal.finish();
      return false;
    }
  }
}

void GR_CUPOM(core::Ctx& ctx, char letter) {
  GRAVA_CUPOM(ctx, letter);
  TELA_ITENS(ctx);
}

}  // namespace zelto::sales
