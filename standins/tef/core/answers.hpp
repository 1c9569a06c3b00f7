#pragma once
// The files a manager writes back: the status that it took a request, and
// the response to a transaction, approved or denied.

#include <string>

#include "tef/core/fields.hpp"

namespace zelto::tefsim {

// "000-000 = OP", "001-000 = N", "999-999 = 0".
std::string status_text(const std::string& operation, const std::string& number);

// What the approval of one transaction carries.
struct Approval {
  std::string network;  // 010-000
  std::string nsu;      // 012-000, six digits
  std::string date;     // ddmmyyyy
  std::string time;     // hhmmss
};

// The response to "CRT", "CHQ" or "ADM": the request's number, document and
// amount, the network, NSU and control code, the receipt lines (029-001 ...,
// each between quotes, counted in 028-000) and the message for the operator.
std::string approved_response(const Fields& request, const std::string& number, const Approval& a);
// A denial: no receipt lines (028-000 = 0) and "TRANSACAO NEGADA".
std::string denied_response(const Fields& request, const std::string& number, const std::string& network);

// "12,50" from "1250".
std::string reais(const std::string& cents);

}  // namespace zelto::tefsim
