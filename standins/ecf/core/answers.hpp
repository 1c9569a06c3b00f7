#pragma once
// Every fixed-width answer the printer gives, in one place: the data of the
// last Z reduction (631 characters, Epson's 1167), the tax-rate tables, the
// counters, the flags and status bytes, Epson's state strings. The layouts
// are described position by position in standins/ecf/README.md.

#include <cstdint>
#include <optional>
#include <string>

#include "ecf/core/faults.hpp"
#include "ecf/core/memory.hpp"

namespace zelto::ecfsim::answers {

inline constexpr std::size_t kZData = 631;
inline constexpr std::size_t kEpsonZData = 1167;

std::string z_data(const ZRecord& z);        // 631
std::string epson_z_data(const ZRecord& z);  // 1167
// A fresh printer has made no reduction: zeros of the same width.
std::string z_data_or_zeros(const FiscalMemory& m);
std::string epson_z_data_or_zeros(const FiscalMemory& m);

std::string rate_table(const FiscalMemory& m);        // 79: "1800,1200,0700,0500,    ,..."
std::string epson_rate_table(const FiscalMemory& m);  // records of 23, joined by commas

std::string amount18(Cents c);  // 16 digits of reais, 2 of cents
std::string amount14(Cents c);  // 12 + 2
std::string amount15(Cents c);  // 13 + 2

std::string epson_counters(const FiscalMemory& m);  // 84
// The counters by index of the classic makes' RetornaInformacao; nothing for
// an index the printer does not know.
std::optional<std::string> by_index(const FiscalMemory& m, std::string_view index);

bool z_done_today(const FiscalMemory& m, const DateTime& now);
std::uint8_t fiscal_flags(const FiscalMemory& m, const DateTime& now);

struct StatusBytes {
  std::uint8_t ack = 6, st1 = 0, st2 = 0;
};
StatusBytes status_bytes(const FiscalMemory& m, Faults::Paper paper);

std::string epson_printer_state(const FiscalMemory& m, Faults::Paper paper);  // 16 flags
std::string epson_fiscal_state(const FiscalMemory& m, const DateTime& now);   // 16 flags
std::string epson_receipt_state(const FiscalMemory& m);                       // 56
std::string epson_day_data(const FiscalMemory& m, const DateTime& now);       // 67
std::string epson_printer_data(const FiscalMemory& m);                        // 108

}  // namespace zelto::ecfsim::answers
