#pragma once
// How the configuration record (CO) and the general parameters (CG) turn
// into global settings. Each loader applies the rules of its settings to a
// record already positioned; opening and reading the table is the caller's.

#include "app/startup_record.hpp"
#include "core/globals.hpp"

namespace zelto::app {

// The printer make and the sales-screen options: read at start and again
// when the main window is built (VIMP_FIS, VDF, VAVPOUPAPEL,
// WLE_VALOR_TOTAL, WLER_ITEM_PRIMEIRO, WQTDEESCONDE, WGET1ESCONDE).
void load_screen_settings(core::Globals& g, const SettingsRecord& conf);
// Everything start-up takes from the configuration record: the above, the
// largest sale quantity, the registered program digest and report number,
// and the back-office folder.
void load_start_settings(core::Globals& g, const SettingsRecord& conf);
// What the sales screen takes from it when it starts. Returns false when
// the record names no printer (IMPRESSORA empty), which the caller reports.
bool load_sales_settings(core::Globals& g, const SettingsRecord& conf);

// V_USARPGTO entries 1 to 14: whether each payment form is offered and its
// name on the payment screen.
void load_payment_form_use(core::Globals& g, const SettingsRecord& general);
// The stock location, the credit settings of the payment forms and their
// names on the printer.
void load_payment_form_settings(core::Globals& g, const SettingsRecord& general);

// The make a C893 value selects: the makes' codes by the system's `=`,
// anything else Bematech ("BE").
core::Text printer_make(const core::Text& c893);

}  // namespace zelto::app
