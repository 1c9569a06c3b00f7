#pragma once
// What the printer answers to a command: done, or refused and why. The
// makes' libraries turn it into their own return codes and status texts.

#include <cstdint>
#include <string>

namespace zelto::ecfsim {

enum class Refusal {
  None,
  BadParameter,        // a malformed or out-of-range argument
  RateNotProgrammed,   // an item's tax code names no programmed rate
  FormNotProgrammed,   // a payment form the printer does not know
  PaymentNotFinished,  // closing before the payments reach the total
  Refused,             // not allowed in the printer's state; the status bytes say why
  ExecutionError,      // the printer could not do it (a file it could not write)
  Forced,              // a return code injected through the fault control file
  NoAnswer,            // nothing came back: communication lost, power lost, wrong library
};

// Status byte 1 and 2 bits, as the status read reports them.
namespace st1 {
constexpr std::uint8_t kPaperEnd = 128, kPaperLow = 64, kClockError = 32, kPrinterError = 16, kNoEsc = 8,
                       kUnknownCommand = 4, kReceiptOpen = 2, kParameterCount = 1;
}
namespace st2 {
constexpr std::uint8_t kParameterType = 128, kMemoryFull = 64, kRamError = 32, kRateNotProgrammed = 16,
                       kRatesFull = 8, kCancelNotAllowed = 4, kOwnerMissing = 2, kNotExecuted = 1;
}

struct Outcome {
  Refusal refusal = Refusal::None;
  int code = 0;  // Forced: the injected return code
  std::uint8_t st1 = 0, st2 = 0;
  std::string why;  // for people: the roll of ecfsim, Epson's error text

  bool ok() const { return refusal == Refusal::None; }
  static Outcome done() { return {}; }
  static Outcome bad(std::string why) { return {Refusal::BadParameter, 0, 0, st2::kParameterType, std::move(why)}; }
  static Outcome refused(std::uint8_t s1, std::uint8_t s2, std::string why) {
    return {Refusal::Refused, 0, s1, s2, std::move(why)};
  }
  static Outcome failed(Refusal r, std::string why, std::uint8_t s2 = 0) { return {r, 0, 0, s2, std::move(why)}; }
};

}  // namespace zelto::ecfsim
