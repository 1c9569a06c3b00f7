#pragma once
// How an entry's answer becomes success or failure, and what the operator
// is told: the return codes of the classic makes ("BE", "DA", "SW"), the
// status bytes ACK, ST1 and ST2, and Epson's state read after every command.

#include <optional>
#include <vector>

#include "core/context.hpp"

namespace zelto::ecf {

using core::Text;

// The judgement and its messages, in the order they are shown.
struct Verdict {
  bool ok = true;
  std::vector<Text> messages;
  // The printer reports little paper: the operator decides once per run
  // whether to go on (see the paper warning below).
  bool little_paper = false;
};

// A classic make's return code; `failure` is the running command's failure
// text (VERROCOMUNICAECF).
Verdict code_verdict(int code, const Text& failure);

// The status bytes of a classic make.
Verdict status_verdict(int ack, int st1, int st2);

// Epson's state as its state entry answers it.
struct EpsonState {
  Text printer;          // 17: 16 flags "0"/"1"
  Text fiscal;           // 17: 16 flags
  Text command_return;   // 5: the four digits of the command's return
  Text message;          // 101: why the command was refused
  int read_code = 0;     // the state entry's own return: 1 when the command was refused or unanswered
};

// `entry_code`: what the command's own entry returned, when there was one.
Verdict epson_verdict(const EpsonState& state, std::optional<int> entry_code, const Text& failure);

// DECODIFICA: the entry's return code made a logical, with the messages
// shown. For Epson the printer's state is read again and judged.
bool DECODIFICA(core::Ctx& ctx, int code);

// TEM_ERRO_ACK_ST1_ST2: judges ACK, ST1 and ST2 of the last status read;
// the outcome is also left in VRETORIMPRE.
bool TEM_ERRO_ACK_ST1_ST2(core::Ctx& ctx);

// Reads Epson's state into WESTADOIMPRESSORA and WESTADOFISCAL; nothing when
// the library could not be reached.
std::optional<EpsonState> read_epson_state(core::Ctx& ctx);

// Shows the verdict's messages and settles the little-paper warning; the
// outcome.
bool settle(core::Ctx& ctx, const Verdict& verdict);

}  // namespace zelto::ecf
