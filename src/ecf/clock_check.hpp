#pragma once
// The printer's clock against the computer's: a printer more than 15
// minutes off stops the status check and the fiscal menu's actions.

#include "core/context.hpp"

namespace zelto::ecf {

using core::Text;
using runtime::Date;

// G_DIFHOR: the minutes from date2 time2 to date1 time1 (times "HH:MM").
long G_DIFHOR(const Date& date1, const Text& time1, const Date& date2, const Text& time2);

// BEM7_MINUTOS: true when the printer answers its clock and it is within 15
// minutes of the computer's either way; otherwise the operator is shown both
// clocks (or the printer's failure) and it is false.
bool BEM7_MINUTOS(core::Ctx& ctx);

}  // namespace zelto::ecf
