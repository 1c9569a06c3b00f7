#pragma once
// The entries the three classic makes ("BE", "DA", "SW") share: the same
// arguments in the same forms and the same return codes (1 done; 0 no
// answer; -1 execution error; -2 bad parameter; -3 rate not programmed;
// -24 payment form not programmed; -27 refused, see the status bytes; -36
// payments not finished). Each make's file binds its entry names to these.

#include "ecf/core/memory.hpp"

namespace zelto::ecfsim::classic {

// Receipt.
int open_receipt(Make mk, const char* consumer_doc);
int sell(Make mk, const char* code, const char* description, const char* tax, const char* unit_price,
         const char* quantity, const char* surcharge, const char* discount, const char* department, const char* unit);
int cancel_last_item(Make mk);
int cancel_item(Make mk, const char* number);
int cancel_receipt(Make mk);
int subtotal(Make mk, const char* kind, const char* mode, const char* value);
int pay(Make mk, const char* form, const char* amount);
int close_receipt(Make mk, const char* form, const char* kind, const char* mode, const char* value,
                  const char* paid, const char* message);
int identify_consumer(Make mk, const char* name, const char* address, const char* doc);
int app_message(Make mk, int which, const char* text);

// Day.
int x_reading(Make mk);
int x_reading_to_file(Make mk);
int z_reduction(Make mk, const char* date, const char* time);
int reset(Make mk);

// Fiscal memory and MFD.
int complete_readings(Make mk, const char* flag);
int memory_by_date(Make mk, const char* from, const char* to, bool to_file);
int memory_by_reduction(Make mk, const char* from, const char* to, bool to_file);
int mfd_download(Make mk, const char* from, const char* to);  // dates with slashes, else COO
int bematech_mfd_download(const char* file, const char* kind, const char* from, const char* to, const char* user);
int cotepe_by_date(Make mk, const char* from, const char* to, bool year_first);
int cotepe_by_coo(Make mk, const char* from, const char* to);
int bematech_cotepe(const char* file, const char* from, const char* to, const char* kind);
int memory_cotepe_by_date(Make mk, const char* from, const char* to);

// Status and counters.
int status(Make mk, char* ack, char* st1, char* st2);
int flags(Make mk, char* flags);
int rates(Make mk, char* table);
int clock(Make mk, char* date, char* time);
int serial(Make mk, char* serial);
int grand_total(Make mk, char* total);
int gross_sales(Make mk, char* total);
int coo(Make mk, char* number);
int by_index(Make mk, const char* index, char* answer);
int reductions(Make mk, char* number);
int interventions(Make mk, char* number);
int last_z_data(Make mk, char* data);
int last_z_time(Make mk, char* date, char* time);
int last_z_movement(Make mk, char* date);
int truncation(Make mk, char* flag);
int currency(Make mk, char* symbol);

// Drawer, cash and non-fiscal documents.
int open_drawer(Make mk);
int withdrawal(Make mk, const char* amount);
int supply(Make mk, const char* amount, const char* form);
int report_text(Make mk, const char* text);
int close_report(Make mk);
int open_linked(Make mk, const char* form, const char* amount, const char* coo);
int linked_text(Make mk, const char* text);
int close_linked(Make mk);

// Settings.
int program_form(Make mk, const char* name, const char* linked);
int program_rate(Make mk, const char* rate, const char* iss);
int summer_time(Make mk);
int rounding(Make mk);
int truncating(Make mk);
int set_currency(Make mk, const char* symbol);

}  // namespace zelto::ecfsim::classic
