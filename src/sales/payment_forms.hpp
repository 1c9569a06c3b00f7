#pragma once
// The payment forms of the closing, by letter: the name shown once the
// letter is accepted, the entry of V_USARPGTO that offers it, how it is
// paid (a printer payment command or the card-payment manager), the amount
// setting it fills, its name on the printer and the row of credit settings
// copied before the credit screen.

#include <string>
#include <vector>

#include "core/globals.hpp"

namespace zelto::sales {

struct PaymentForm {
  char letter;
  const char* shown;          // beside the letter once accepted
  int entry;                  // of V_USARPGTO, counted from 1
  const char* command;        // printer payment command; empty: card manager
  const char* tef_operation;  // "CRT", "CHQ" or "CHB" for the card manager
  const char* tef_manager;    // "CRT" the default manager, "HIP", "TEC"
  core::Decimal core::Globals::*amount;  // NPAGOD, NPAGOA ...
  core::Text core::Globals::*ecf_name;   // V_DPRESTD ...
  char credit_row;            // ' ' none
};

// The thirteen forms in the order the list of offered forms shows them.
const std::vector<PaymentForm>& payment_forms();
// The form of a letter (any case), or nullptr.
const PaymentForm* payment_form(char letter);
// Offered: its entry's use flag is "S".
bool offered(const core::Globals& g, const PaymentForm& form);
// The entry's screen name, trimmed (used in the messages).
core::Text screen_name(const core::Globals& g, const PaymentForm& form);
// The lines of the list of offered forms ("D  =  Dinheiro").
std::vector<core::Text> offered_forms_lines(const core::Globals& g);
// Paid through the card-payment manager (A, P, H, B, U).
inline bool by_card_manager(const PaymentForm& form) { return form.command[0] == '\0'; }

}  // namespace zelto::sales
