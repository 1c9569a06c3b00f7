#include "ecf/routing.hpp"

#include "ecf/decode.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::ecf {

Answer no_such_make(core::Ctx& ctx, StopText text, Monitor monitor) {
  const Text make = runtime::trim(ctx.g.VIMP_FIS);
  if (make_of(ctx.g) == Make::AC && monitor == Monitor::HasCommand) return FINAL(ctx, "Impressora pelo Monitor ACBr (AC) ainda nao disponivel");
  return FINAL(ctx, (text == StopText::NotFound ? Text("Nao achou a Impressora ")
                                                : runtime::utf8_to_cp1252("Impressora não localizada ")) +
                        make);
}

Answer decoded(core::Ctx& ctx, std::optional<int> code) {
  return Answer::outcome(code && DECODIFICA(ctx, *code));
}

Answer read_back(core::Ctx& ctx, std::optional<int> code, Text text) {
  Answer a = decoded(ctx, code);
  a.text = std::move(text);
  ctx.g.VRETORIMPRE = a.ok;
  return a;
}

Answer read_back(core::Ctx& ctx, std::optional<int> code, const Out& answer) {
  return read_back(ctx, code, answer.text());
}

Answer known(core::Ctx& ctx, Text text, bool ok) {
  Answer a;
  a.ok = ok;
  a.text = std::move(text);
  ctx.g.VRETORIMPRE = ok;
  return a;
}

}  // namespace zelto::ecf
