#pragma once
// The edge between a maker's C entries and the printer: texts in, answers
// written into the caller's blank-filled buffers, amounts and dates read in
// the forms the program sends.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ecf/core/datetime.hpp"
#include "ecf/core/printer.hpp"
#include "ecf/core/text.hpp"

// Entries are exported with the platform's C calling convention.
#define ECFSIM_ENTRY extern "C" __attribute__((visibility("default")))

namespace zelto::ecfsim::abi {

// The data folder is the current folder of the calling program.
std::filesystem::path folder();

std::string arg(const char* text);  // a null pointer reads as an empty text

// Writes `answer` over the caller's buffer from its start, never past the
// blanks (or digits) the caller filled it with: a buffer shorter than the
// answer gets the answer's head.
void put(char* buffer, std::string_view answer);
// A status or flags byte: the byte itself in the buffer's first position.
void put_byte(char* buffer, std::uint8_t value);

// Amounts: digits alone are cents; a decimal point or comma gives reais.
std::optional<Cents> cents(std::string_view text);
// Digits alone are `decimals` implied places; brought to thousandths.
std::optional<Milli> scaled_to_thousandths(std::string_view text, int decimals);
// A date in any of the forms the program sends: ddmmyy, dd/mm/yy,
// dd/mm/yyyy, and eight digits as ddmmyyyy (or yyyymmdd when said so).
std::optional<Date> date(std::string_view text, bool eight_digits_year_first = false);

// A reading range from two texts: dates when they look like dates,
// otherwise counters (reductions or COO, by `counter`).
std::optional<Range> range(std::string_view from, std::string_view to, Range::By counter);

}  // namespace zelto::ecfsim::abi
