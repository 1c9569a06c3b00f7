#pragma once
// What a printer command gives back. Action commands report whether the
// printer did it; queries report whether the value was read (the same
// logical the system keeps in VRETORIMPRE) and the value itself.

#include "core/globals.hpp"

namespace zelto::ecf {

using core::Text;
using runtime::Decimal;

struct Answer {
  // Action commands: the printer carried the command out. Queries: the
  // value was read (VRETORIMPRE); the value must not be used otherwise.
  bool ok = false;
  // Queries: the value as the printer gave it (serial number, dates,
  // counters as digits, the last reduction's data).
  Text text;
  // Numeric queries (NRO_CUPOM, GRANDE_TOTAL ...): the value as a number.
  Decimal number;
  // Queries whose value is a logical (JA_REDUCAO_Z, PODE_CANCELAR_CUPOM,
  // ESTA_HORARIO_VERAO): the value.
  bool yes = false;

  static Answer outcome(bool ok) {
    Answer a;
    a.ok = ok;
    return a;
  }
};

}  // namespace zelto::ecf
