#include "tef/core/answers.hpp"

#include <cstdio>
#include <vector>

namespace zelto::tefsim {

std::string status_text(const std::string& operation, const std::string& number) {
  return Composer().add("000-000", operation).add("001-000", number).add("999-999", "0").text();
}

std::string reais(const std::string& cents) {
  std::string digits;
  for (char c : cents)
    if (c >= '0' && c <= '9') digits += c;
  while (digits.size() < 3) digits.insert(digits.begin(), '0');
  while (digits.size() > 3 && digits.front() == '0') digits.erase(digits.begin());
  return digits.substr(0, digits.size() - 2) + "," + digits.substr(digits.size() - 2);
}

namespace {

std::string centred(const std::string& s, size_t width = 40) {
  if (s.size() >= width) return s;
  return std::string((width - s.size()) / 2, ' ') + s;
}

std::vector<std::string> receipt(const std::string& op, const Fields& request, const Approval& a) {
  const std::string shown_date = a.date.substr(0, 2) + "/" + a.date.substr(2, 2) + "/" + a.date.substr(4, 4) + " " +
                                 a.time.substr(0, 2) + ":" + a.time.substr(2, 2);
  if (op == "ADM")
    return {centred(a.network), centred("FUNCOES ADMINISTRATIVAS"), "DATA: " + shown_date, "NSU: " + a.nsu,
            centred("OPERACAO CONCLUIDA")};
  const std::string amount = "VALOR: R$ " + reais(request.get("003-000"));
  const std::string doc = "DOC: " + request.get("002-000") + "   NSU: " + a.nsu;
  if (op == "CHQ")
    return {centred(a.network), centred("CONSULTA DE CHEQUE"), doc, "DATA: " + shown_date, amount,
            centred("CHEQUE SEM RESTRICAO")};
  return {centred(a.network),
          centred("COMPROVANTE DE PAGAMENTO"),
          "CARTAO: ************" + a.nsu.substr(a.nsu.size() >= 4 ? a.nsu.size() - 4 : 0),
          doc,
          "DATA: " + shown_date,
          amount,
          centred("TRANSACAO AUTORIZADA"),
          "RECONHECO E PAGAREI O VALOR ACIMA"};
}

}  // namespace

std::string approved_response(const Fields& request, const std::string& number, const Approval& a) {
  const std::string op = request.get("000-000");
  const std::vector<std::string> lines = receipt(op, request, a);
  Composer c;
  c.add("000-000", op).add("001-000", number);
  if (op != "ADM") c.add("002-000", request.get("002-000")).add("003-000", request.get("003-000"));
  c.add("009-000", "0")
      .add("010-000", a.network)
      .add("011-000", op == "CHQ" ? "20" : "10")
      .add("012-000", a.nsu)
      .add("022-000", a.date)
      .add("023-000", a.time)
      .add("027-000", "9" + a.nsu)
      .add("028-000", std::to_string(lines.size()));
  for (size_t i = 0; i < lines.size(); ++i) {
    char id[24];
    std::snprintf(id, sizeof id, "029-%03zu", i + 1);
    c.add(id, "\"" + lines[i] + "\"");
  }
  c.add("030-000", op == "ADM" ? "FUNCOES CONCLUIDAS" : op == "CHQ" ? "CHEQUE SEM RESTRICAO" : "TRANSACAO APROVADA");
  return c.add("999-999", "0").text();
}

std::string denied_response(const Fields& request, const std::string& number, const std::string& network) {
  return Composer()
      .add("000-000", request.get("000-000"))
      .add("001-000", number)
      .add("002-000", request.get("002-000"))
      .add("003-000", request.get("003-000"))
      .add("009-000", "05")
      .add("010-000", network)
      .add("028-000", "0")
      .add("030-000", "TRANSACAO NEGADA")
      .add("999-999", "0")
      .text();
}

}  // namespace zelto::tefsim
