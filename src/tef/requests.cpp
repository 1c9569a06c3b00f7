#include "tef/requests.hpp"

#include "platform/runtime/text.hpp"

namespace zelto::tef {

Text wire_operation(std::string_view operation) { return operation == "CHB" ? Text("CHQ") : Text(operation); }

bool is_payment(std::string_view operation) { return operation == "CRT" || operation == "CHQ" || operation == "CHB"; }

bool names_request(const Text& field, const Text& number) {
  const Text digits = runtime::trim(field);
  if (digits.empty() || digits.find_first_not_of("0123456789") != Text::npos) return false;
  return runtime::val(digits) == runtime::val(number);
}

Text cents(const runtime::Decimal& amount) { return std::to_string((amount * 100).round(0).to_int()); }

std::vector<Field> transaction_request(std::string_view operation, const Text& number, const core::Globals& g) {
  const Text document = std::to_string(g.WAUXNUM.trunc(0).to_int());
  std::vector<Field> fields{{"000-000", wire_operation(operation)}, {"001-000", number}};
  if (operation == "CRT") {
    fields.insert(fields.end(), {{"002-000", document},
                                 {"003-000", cents(g.NPAGOA)},
                                 {"004-000", "0"},
                                 {"777-777", " TESTE TECBAN"}});
  } else if (operation == "CHQ" || operation == "CHB") {
    fields.insert(fields.end(), {{"002-000", document}, {"003-000", cents(g.NPAGOH)}});
  }
  fields.emplace_back("999-999", "0");
  return fields;
}

TransactionRef transaction_ref(const ExchangeFile& response) {
  return TransactionRef{response.field("002-000"), response.field("003-000"), response.field("010-000"),
                        response.field("011-000"), response.field("012-000"), response.field("022-000"),
                        response.field("027-000")};
}

std::vector<Field> settlement_request(std::string_view operation, const Text& number, const TransactionRef& ref) {
  return {{"000-000", Text(operation)}, {"001-000", number},      {"002-000", ref.document},
          {"010-000", ref.network},     {"012-000", ref.nsu},     {"027-000", ref.control},
          {"999-999", "0"}};
}

}  // namespace zelto::tef
