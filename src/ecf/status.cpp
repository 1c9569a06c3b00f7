// The printer's status: the check run before fiscal operations, the tests
// for an open receipt and for the end of the paper, and the flag queries.

#include "core/dialogs.hpp"
#include "ecf/clock_check.hpp"
#include "ecf/decode.hpp"
#include "ecf/fiscal_flags.hpp"
#include "ecf/impresso.hpp"
#include "ecf/input_hold.hpp"
#include "ecf/library_call.hpp"
#include "ecf/operations.hpp"
#include "ecf/routing.hpp"
#include "platform/runtime/cp1252.hpp"

namespace zelto::ecf {

namespace {

// The classic status read into ACK, ST1 and ST2; the entry's decoded
// outcome.
bool read_status_bytes(core::Ctx& ctx) {
  Out ack(3), st1(3), st2(3);
  auto rc = call(ctx, kRunLibrary, classic_entries(make_of(ctx.g)).status, ack, st1, st2);
  if (!rc) return false;
  ctx.g.ACK = ack.byte();
  ctx.g.ST1 = st1.byte();
  ctx.g.ST2 = st2.byte();
  return DECODIFICA(ctx, *rc);
}

Out receipt_state(core::Ctx& ctx, std::optional<int>& rc) {
  Out state(56);
  rc = call(ctx, kRunLibrary, "EPSON_Obter_Estado_Cupom", state);
  return state;
}

// A logical query's answer.
Answer logical(core::Ctx& ctx, bool ok, bool value) {
  Answer a = known(ctx, value ? "S" : "N", ok);
  a.yes = ok && value;
  return a;
}

}  // namespace

std::optional<int> read_fiscal_flags(core::Ctx& ctx) {
  Out byte(3);
  auto rc = call(ctx, kRunLibrary, classic_entries(make_of(ctx.g)).flags, byte);
  if (!decoded(ctx, rc).ok) return std::nullopt;
  return byte.byte();
}

Answer STATUS(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (!classic(m) && m != Make::EP) return no_such_make(ctx);
  bool ok = BEM7_MINUTOS(ctx);
  if (ok && classic(m)) {
    ok = read_status_bytes(ctx) && TEM_ERRO_ACK_ST1_ST2(ctx);
  } else if (ok) {
    auto state = read_epson_state(ctx);
    ok = state && settle(ctx, epson_verdict(*state, std::nullopt, ctx.g.VERROCOMUNICAECF));
  }
  ctx.g.VRETORIMPRE = ok;
  return Answer::outcome(ok);
}

namespace {

// The failure text the open-receipt and paper tests share.
void direct_test(core::Ctx& ctx, const char* name) {
  ctx.g.WPARERRO = name;
  ctx.g.VERROCOMUNICAECF = runtime::utf8_to_cp1252("Não Conseguiu Verificar se Possui Cupom em Aberto ou Fim do Papel");
}

}  // namespace

bool TEM_CUPOM_ABERTO(core::Ctx& ctx) {
  direct_test(ctx, "TEM_CUPOM_ABERTO");
  InputHold hold(ctx);
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    auto f = read_fiscal_flags(ctx);
    ctx.g.VRETORIMPRE = f.has_value();
    return f && (*f & flags::kReceiptOpen);
  }
  if (m == Make::EP) {
    std::optional<int> rc;
    Out state = receipt_state(ctx, rc);
    const bool ok = decoded(ctx, rc).ok;
    ctx.g.VRETORIMPRE = ok;
    return ok && state.text().substr(0, 2) == "01";
  }
  no_such_make(ctx);
  return false;
}

bool FIM_PAPEL_BEM7(core::Ctx& ctx) {
  direct_test(ctx, "FIM_PAPEL_BEM7");
  InputHold hold(ctx);
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    if (!read_status_bytes(ctx)) return true;
    if (ctx.g.ST1 >= 128) {
      core::G_ERRO(ctx, "Fim do Papel");
      return true;
    }
    return false;
  }
  if (m == Make::EP) return false;
  no_such_make(ctx);
  return true;
}

Answer JA_REDUCAO_Z(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    auto f = read_fiscal_flags(ctx);
    const bool done = f && (*f & flags::kZDone);
    if (done) core::G_ERRO(ctx, "Ja foi Efetuada a Reducao Z neste Movimento.");
    return logical(ctx, f.has_value(), done);
  }
  if (m == Make::EP) {
    Out day(67);
    auto rc = call(ctx, kRunLibrary, "EPSON_Obter_Dados_Jornada", day);
    return logical(ctx, decoded(ctx, rc).ok, false);
  }
  return no_such_make(ctx);
}

Answer PODE_CANCELAR_CUPOM(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  bool ok = false, may = false;
  if (classic(m)) {
    auto f = read_fiscal_flags(ctx);
    ok = f.has_value();
    may = f && (*f & flags::kMayCancel);
  } else if (m == Make::EP) {
    std::optional<int> rc;
    const Text state = receipt_state(ctx, rc).text().substr(0, 2);
    ok = decoded(ctx, rc).ok;
    may = state == "00" || state == "01";
  } else {
    return no_such_make(ctx);
  }
  if (ok && !may) core::G_ERRO(ctx, "Cupom Nao pode ser Cancelado.");
  return logical(ctx, ok, may);
}

Answer ESTA_HORARIO_VERAO(core::Ctx& ctx) {
  const Make m = make_of(ctx.g);
  if (classic(m)) {
    auto f = read_fiscal_flags(ctx);
    return logical(ctx, f.has_value(), f && (*f & flags::kSummerTime));
  }
  if (m == Make::EP) return logical(ctx, true, false);
  return no_such_make(ctx);
}

}  // namespace zelto::ecf
