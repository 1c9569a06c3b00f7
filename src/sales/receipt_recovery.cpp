#include "core/dialogs.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/receipt_journal.hpp"

namespace zelto::sales {
namespace {

core::Text receipt_number(const core::Globals& g) { return runtime::strzero(g.WAUXNUM, 6); }

// Whether the printer closed the receipt the journal names: it holds no
// receipt open and its last receipt number is the journal's. Nothing when
// the printer does not answer.
std::optional<bool> printer_closed_it(core::Ctx& ctx) {
  const bool open = ecf::TEM_CUPOM_ABERTO(ctx);
  if (!ctx.g.VRETORIMPRE) return std::nullopt;
  if (open) return false;
  const ecf::Answer coo = ecf::IMP_FISCAL(ctx, "NRO_CUPOM");
  if (!coo.ok) return std::nullopt;
  return coo.number == ctx.g.WAUXNUM;
}

}  // namespace

bool recover_unrecorded_receipt(core::Ctx& ctx) {
  ReceiptJournal journal(ctx);
  if (!journal.exists()) return true;
  const std::optional<JournalState> state = journal.load();
  if (!state) {
    // Cut before its settings were whole: the printer was not asked yet.
    journal.finish();
    return true;
  }
  ReceiptJournal::restore_settings(ctx.g, *state);
  if (!state->printer_closed) {
    const std::optional<bool> closed = printer_closed_it(ctx);
    if (!closed) {
      core::G_ERRO(ctx, "A impressora nao respondeu: nao foi possivel saber se o Cupom " + receipt_number(ctx.g) +
                            " foi fechado. Ele sera verificado de novo no proximo inicio do sistema.");
      return false;
    }
    if (!*closed) {
      journal.finish();
      core::G_ERRO(ctx, "O Cupom " + receipt_number(ctx.g) +
                            " nao foi fechado na impressora e nao foi gravado. Se ainda estiver aberto, "
                            "providencie o cancelamento.");
      return false;
    }
  }
  char letter = state->letter;
  if (letter == '?') {
    const core::Text form = runtime::trim(ctx.g.NFORM);
    letter = form.empty() ? 'D' : form[0];
  }
  record_closed_receipt(ctx, letter, {}, &*state);
  core::G_ALERT(ctx, "O Cupom " + receipt_number(ctx.g) +
                         " foi fechado na impressora mas nao tinha sido gravado; a gravacao foi concluida agora.");
  return true;
}

}  // namespace zelto::sales
