#pragma once
// The requests the checkout writes to a manager, field by field in the order
// the managers read them.

#include <vector>

#include "core/globals.hpp"
#include "tef/exchange_file.hpp"

namespace zelto::tef {

// The operation the file names: a TecBan cheque ("CHB") is asked as "CHQ".
Text wire_operation(std::string_view operation);

// Whether the operation pays the receipt being sold.
bool is_payment(std::string_view operation);  // CRT, CHQ, CHB

// "ATV" and "ADM": the operation and the number. "CRT": also the receipt's
// COO (WAUXNUM), the card amount NPAGOA in cents, "004-000 = 0" and
// "777-777 =  TESTE TECBAN". "CHQ" and "CHB": the COO and the cheque amount
// NPAGOH in cents.
std::vector<Field> transaction_request(std::string_view operation, const Text& number, const core::Globals& g);

// What identifies a transaction to its manager when it is confirmed or not
// confirmed, taken from the manager's response (or from the copy of it kept
// while the transaction was pending).
struct TransactionRef {
  Text document;  // 002-000
  Text amount;    // 003-000, in cents
  Text network;   // 010-000
  Text kind;      // 011-000
  Text nsu;       // 012-000
  Text date;      // 022-000
  Text control;   // 027-000
};
TransactionRef transaction_ref(const ExchangeFile& response);

// "CNF" or "NCN": the operation, the number, and the transaction's document,
// network, transaction number and control code.
std::vector<Field> settlement_request(std::string_view operation, const Text& number, const TransactionRef& ref);

// Whether a manager's 001-000 names the request `number`: the same digits,
// leading zeros or not.
bool names_request(const Text& field, const Text& number);

// An amount in cents without a decimal point: 12.50 is "1250".
Text cents(const runtime::Decimal& amount);

}  // namespace zelto::tef
