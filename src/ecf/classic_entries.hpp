#pragma once
// The entry names of the three classic makes ("BE", "DA", "SW"), which take
// the same arguments in the same forms. A null name: the make has no such
// entry.

#include "ecf/make.hpp"

namespace zelto::ecf {

struct ClassicEntries {
  // The library file the entries marked "by file name" load for their call.
  const char* file;
  // The receipt.
  const char* open_receipt;
  const char* sell;
  const char* cancel_last_item;
  const char* cancel_item;
  const char* cancel_receipt;
  const char* subtotal;
  const char* pay;
  const char* close_receipt;
  const char* identify_consumer;
  const char* app_message1;
  const char* app_message2;
  // The day.
  const char* x_reading;
  const char* x_reading_to_file;
  const char* z_reduction;
  const char* reset;
  // Fiscal memory and MFD.
  const char* complete_readings;
  const char* memory_by_date;
  const char* memory_by_reduction;
  const char* memory_to_file_by_date;
  const char* memory_to_file_by_reduction;
  const char* mfd_download;
  const char* cotepe_by_date;
  const char* cotepe_by_coo;
  const char* memory_paf_file;
  // Status and counters.
  const char* status;
  const char* flags;
  const char* rates;
  const char* clock;
  const char* serial;
  const char* grand_total;
  const char* gross_sales;
  const char* coo;
  const char* by_index;
  const char* reductions;
  const char* interventions;
  const char* last_z_data;
  const char* last_z_time;
  const char* last_z_movement;
  const char* truncation;
  const char* currency;
  // Drawer, cash and non-fiscal documents.
  const char* open_drawer;
  const char* withdrawal;
  const char* supply;
  const char* report_text;
  const char* close_report;
  const char* open_linked;
  const char* linked_text;
  const char* close_linked;
  // Settings.
  const char* program_form;
  const char* program_rate;
  const char* summer_time;
  const char* rounding;
  const char* truncating;
  const char* set_currency;
};

// The entries of a classic make.
const ClassicEntries& classic_entries(Make make);

}  // namespace zelto::ecf
