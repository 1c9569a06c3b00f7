#pragma once
// The fiscal memory of the emulated printer: everything the printer keeps
// between commands. It lives in the state file of the data folder and is read
// and written whole by every command, so that the makers' libraries may be
// loaded and freed around each call and several processes may share it.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ecf/core/clock.hpp"
#include "ecf/core/datetime.hpp"
#include "ecf/core/outcome.hpp"
#include "ecf/core/text.hpp"

namespace zelto::ecfsim {

enum class Make { BE, DA, SW, EP };
std::string make_code(Make m);
std::optional<Make> parse_make(std::string_view code);

constexpr std::size_t kColumns = 48;  // printed columns of the paper roll
constexpr std::size_t kRateSlots = 16;
constexpr std::size_t kMaxForms = 20;

struct TaxRate {
  int hundredths = 0;  // 1800 is 18.00 %
  bool iss = false;    // an ISS (service) rate rather than ICMS
  friend bool operator==(const TaxRate&, const TaxRate&) = default;
};

struct PaymentForm {
  std::string name;     // up to 16 characters, Windows-1252
  bool linked = false;  // a linked receipt (card slip) may follow a payment in it
  friend bool operator==(const PaymentForm&, const PaymentForm&) = default;
};

// Totaliser keys: "01".."16" for the programmed rate slots, "FF" tax
// substitution, "II" exempt, "NN" not taxed.
using TotaliserKey = std::string;

struct Item {
  int number = 0;
  std::string code, description, unit;
  TotaliserKey totaliser;
  int rate = 0;  // hundredths, 0 for FF/II/NN
  Milli quantity = 0, unit_price = 0;
  Cents amount = 0;
  bool cancelled = false;
  friend bool operator==(const Item&, const Item&) = default;
};

struct Payment {
  std::string form;    // the programmed name
  Cents amount = 0;
  Cents linked = 0;    // already covered by linked receipts
  friend bool operator==(const Payment&, const Payment&) = default;
};

enum class Phase { Items, Payments, Paid, Closed, Cancelled };
std::string phase_name(Phase p);

struct Receipt {
  int coo = 0, ccf = 0;
  DateTime opened;
  Phase phase = Phase::Items;
  std::vector<Item> items;
  Cents adjustment = 0;         // below zero a discount, above a surcharge
  std::int64_t adjust_percent = 0;  // hundredths of a percent when given so
  std::vector<Payment> payments;
  std::string consumer_doc, consumer_name, consumer_address;
  std::vector<std::string> messages;  // footer lines given before the close
  std::map<TotaliserKey, Cents> split;  // net amounts per totaliser, fixed at the close

  Cents items_total() const;
  Cents total() const { return items_total() + adjustment; }
  Cents paid() const;
  friend bool operator==(const Receipt&, const Receipt&) = default;
};

// The movement day's accumulators.
struct Totals {
  Cents gross = 0;  // daily gross sales: what raised the grand total
  Cents cancellations = 0, discounts = 0, surcharges = 0;
  Cents withdrawals = 0, supplies = 0;
  int receipts = 0, cancelled_receipts = 0;
  std::map<TotaliserKey, Cents> by_totaliser;
  std::map<std::string, Cents> by_form;
  friend bool operator==(const Totals&, const Totals&) = default;
};

struct Day {
  bool open = false;
  Date movement;
  int first_coo = 0;
  Cents gt_start = 0;
  Totals totals;
  friend bool operator==(const Day&, const Day&) = default;
};

struct ZRecord {
  int crz = 0, coo = 0, cro = 0, ccf = 0, gnf = 0, grg = 0, cdc = 0;
  Date movement;
  DateTime made;
  bool automatic = false;
  Cents gt_start = 0, gt_end = 0;
  std::vector<TaxRate> rates;
  Totals totals;
  friend bool operator==(const ZRecord&, const ZRecord&) = default;
};

enum class OpenDoc { None, Report, Linked };

struct NonFiscalDoc {
  OpenDoc kind = OpenDoc::None;
  int coo = 0;
  friend bool operator==(const NonFiscalDoc&, const NonFiscalDoc&) = default;
};

// The verdict on the last command, for the status reads that follow it.
struct LastCommand {
  Refusal refusal = Refusal::None;
  int code = 0;
  std::uint8_t st1 = 0, st2 = 0;
  std::string why;
  bool answered = true;
  friend bool operator==(const LastCommand&, const LastCommand&) = default;
};

struct FiscalMemory {
  Make make = Make::BE;
  std::string serial;
  std::vector<std::string> header;  // the owner's lines on top of every document
  int user = 1;
  int coo = 0, ccf = 0, gnf = 0, grg = 0, cdc = 0, crz = 0, cro = 0;
  Cents gt = 0;
  std::vector<TaxRate> rates;  // slot k at index k-1
  std::vector<PaymentForm> forms;
  bool truncate = false;
  std::string currency = "R$";
  bool summer_time = false;
  ClockSetting clock;
  bool complete_readings = true;  // the libraries' choice of complete or simplified readings
  std::string app_message1, app_message2;
  Day day;
  std::optional<Receipt> receipt;  // open
  std::optional<Receipt> last;     // the last fiscal receipt finished
  bool last_cancellable = false;
  NonFiscalDoc doc;
  std::vector<ZRecord> zs;
  DateTime last_document;  // the date and time at the foot of the last document
  int drawer_openings = 0;
  LastCommand last_command;

  const PaymentForm* form(std::string_view name) const;
  friend bool operator==(const FiscalMemory&, const FiscalMemory&) = default;
};

}  // namespace zelto::ecfsim
