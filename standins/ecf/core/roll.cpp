#include "ecf/core/roll.hpp"

namespace zelto::ecfsim {

void Paper::line(std::string_view s) {
  std::string l(s.substr(0, std::min(s.size(), kColumns)));
  std::size_t e = l.find_last_not_of(' ');
  lines_.push_back(e == std::string::npos ? "" : l.substr(0, e + 1));
}

void Paper::left_right(std::string_view left, std::string_view right) {
  line(ecfsim::left_right(left, right, kColumns));
}

void Paper::centre(std::string_view s) { line(centred(s, kColumns)); }

void Paper::rule(char c) { line(std::string(kColumns, c)); }

void Paper::text(std::string_view s) {
  for (auto& l : lines_of(s, kColumns)) lines_.push_back(std::move(l));
}

std::string document_line(const DateTime& when, int coo, int ccf) {
  std::string right = (ccf >= 0 ? "CCF:" + digits(ccf, 6) + " " : std::string()) + "COO:" + digits(coo, 6);
  return ecfsim::left_right(printed(when), right, kColumns);
}

std::optional<DocumentMark> read_document_line(std::string_view line) {
  if (line.size() < 30 || line.substr(line.size() - 10, 4) != "COO:") return std::nullopt;
  auto when = parse_date_time(line.substr(0, 19));
  auto coo = parse_digits(line.substr(line.size() - 6), 6);
  if (!when || !coo) return std::nullopt;
  return DocumentMark{*when, static_cast<int>(*coo)};
}

}  // namespace zelto::ecfsim
