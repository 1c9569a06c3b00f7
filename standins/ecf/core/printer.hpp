#pragma once
// The fiscal printer's state machine over its fiscal memory. One Printer
// lives for one command: the session loads the memory, runs the command on
// it and, when the command is done, stores the memory, the paper printed and
// the files written. The printer refuses what a real one refuses: commands
// out of phase, unprogrammed rates and payment forms, sales after the day's
// Z reduction, documents while another is open, printing without paper.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ecf/core/faults.hpp"
#include "ecf/core/memory.hpp"
#include "ecf/core/outcome.hpp"
#include "ecf/core/roll.hpp"

namespace zelto::ecfsim {

struct Environment {
  DateTime computer;  // the computer's clock; the printer runs its own from it
  Faults::Paper paper = Faults::Paper::Ok;
  std::filesystem::path folder;  // where the roll is, for the MFD readings
};

// What a command leaves behind besides the memory.
struct Output {
  Paper paper;
  std::vector<std::pair<std::filesystem::path, std::string>> files;  // relative to the data folder, Windows-1252
};

struct ItemSale {
  std::string code, description, tax, unit;
  Milli quantity = 0, unit_price = 0;
  Cents discount = 0, surcharge = 0;  // on the item itself
};

struct Adjustment {
  bool discount = true;
  bool percent = false;
  std::int64_t value = 0;  // hundredths of a percent, or cents
};

// What the all-in-one close of the classic makes carries: used only when the
// receipt has not been totalled yet.
struct Closing {
  std::optional<Adjustment> adjustment;
  std::string form;
  Cents paid = 0;
};

struct Range {
  enum class By { Date, Crz, Coo };
  By by = By::Date;
  Date from_date, to_date;
  int from = 0, to = 0;
};

class Printer {
 public:
  Printer(FiscalMemory& m, const Environment& env, Output& out);

  DateTime now() const { return now_; }
  Faults::Paper paper() const { return env_.paper; }
  const FiscalMemory& memory() const { return m_; }

  // Every command first: a movement left open past 02:00 of the next day is
  // closed by an automatic Z reduction.
  void tick();

  // Fiscal receipt.
  Outcome open_receipt(const std::string& consumer_doc);
  Outcome sell(const ItemSale& item);
  Outcome cancel_last_item();
  Outcome cancel_item(int number);
  Outcome subtotal(const Adjustment& a);
  Outcome pay(const std::string& form, Cents amount);
  Outcome identify_consumer(const std::string& doc, const std::string& name, const std::string& address);
  Outcome footer_lines(const std::vector<std::string>& lines);
  Outcome close_receipt(const std::string& message, const std::optional<Closing>& closing = std::nullopt);
  Outcome cancel_receipt();  // the open one, or the last one closed

  // The day.
  Outcome open_day();  // the explicit opening of makes that need one
  Outcome x_reading();
  Outcome x_reading_to_file();
  Outcome z_reduction();
  Outcome reset();

  // Non-fiscal documents and the drawer.
  Outcome open_drawer();
  Outcome withdrawal(Cents amount);
  Outcome supply(Cents amount, const std::string& form);
  Outcome open_report();
  Outcome report_text(const std::string& text);  // opens the report when none is open
  Outcome close_report();                         // closes a report or a linked receipt
  Outcome open_linked(const std::string& form, Cents amount, std::optional<int> coo);
  Outcome linked_text(const std::string& text);
  Outcome close_linked();

  // Settings.
  Outcome program_form(const std::string& name, bool linked);
  Outcome program_rate(int hundredths, bool iss);
  Outcome toggle_summer_time();
  Outcome set_truncation(bool truncate);
  Outcome set_currency(const std::string& symbol);
  Outcome set_complete_readings(bool complete);
  Outcome set_app_message(int which, const std::string& text);

  // Fiscal-memory and MFD readings. Files go to the names the program copies.
  Outcome memory_reading(const Range& r, bool to_file, bool complete);
  Outcome mfd_mirror(const Range& r, const std::string& extra_file = "");
  Outcome cotepe_file(const Range& r, const std::string& file = "");
  Outcome memory_cotepe_file(const Range& r);

  bool z_done_today() const;
  bool day_must_be_opened() const { return m_.make == Make::EP; }

 private:
  enum class Doc { Receipt, Report, Linked, NonFiscal, XReading, Reading };
  Outcome start_document(Doc kind);
  Outcome paper_for_printing() const;
  void open_movement();
  void print_header(const std::string& title, int coo, int ccf = -1);
  void print_footer();
  void make_z(bool automatic);
  void finish_receipt();
  Outcome settings_allowed(const char* what) const;
  std::optional<std::pair<TotaliserKey, int>> totaliser_for(const std::string& tax) const;
  static int next(int counter) { return counter >= 999999 ? 1 : counter + 1; }

  FiscalMemory& m_;
  Environment env_;
  DateTime now_;
  Output& out_;
};

}  // namespace zelto::ecfsim
