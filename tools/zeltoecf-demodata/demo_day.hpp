#pragma once
// The demo folder's working day, so that a new user sells at once: the day
// opened on the emulated printer (its opening and an X reading on the roll)
// and in the daily records (PD), the cashier CX1's cash period (RE) open
// over the whole day, and the fingerprint file agreeing with the fresh
// printer (its grand total and serial), which the receipt opening checks.

#include <filesystem>

#include "demo_printer.hpp"
#include "platform/os/clock.hpp"

namespace zelto::demodata {

// The cashier whose cash period is open.
inline constexpr const char* kDemoCashier = "CX1";

// Throws DemoError.
void open_demo_day(const std::filesystem::path& dir, const DemoPrinter& printer, const os::LocalTime& now);

}  // namespace zelto::demodata
