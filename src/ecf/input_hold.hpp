#pragma once
// Operator input held for as long as a printer command runs. A command run
// inside another leaves the hold to the outer one.

#include "core/context.hpp"
#include "ecf/impresso.hpp"

namespace zelto::ecf {

class InputHold {
 public:
  explicit InputHold(core::Ctx& ctx) : ctx_(ctx), taken_(!ctx.g.VTECLADO_TRAVADO) {
    if (taken_) TRAVA_TECLADO(ctx_);
  }
  ~InputHold() {
    if (taken_) DESTRAVA_TECLADO(ctx_);
  }
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

 private:
  core::Ctx& ctx_;
  bool taken_;
};

}  // namespace zelto::ecf
