#include "ecf/makes/abi.hpp"

#include <cstring>

namespace zelto::ecfsim::abi {

std::filesystem::path folder() {
  std::error_code ec;
  auto p = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path(".") : p;
}

std::string arg(const char* text) { return text ? std::string(text) : std::string(); }

void put(char* buffer, std::string_view answer) {
  if (!buffer) return;
  std::size_t room = ::strnlen(buffer, answer.size());
  std::memcpy(buffer, answer.data(), room);
}

void put_byte(char* buffer, std::uint8_t value) {
  if (!buffer || ::strnlen(buffer, 1) == 0) return;
  buffer[0] = static_cast<char>(value);
}

std::optional<Cents> cents(std::string_view text) {
  std::string t = trim(text);
  if (t.find_first_of(".,") != std::string::npos) return parse_decimal(t, 2);
  return parse_digits(t, 18);
}

std::optional<Milli> scaled_to_thousandths(std::string_view text, int decimals) {
  if (decimals < 0 || decimals > 3) return std::nullopt;
  std::string t = trim(text);
  if (t.find_first_of(".,") != std::string::npos) return parse_decimal(t, 3);
  auto v = parse_digits(t, 15);
  if (!v) return std::nullopt;
  for (int i = decimals; i < 3; ++i) *v *= 10;
  return v;
}

std::optional<Date> date(std::string_view text, bool eight_digits_year_first) {
  std::string t = trim(text);
  if (t.size() == 6) return parse_date(t, DateForm::DDMMYY);
  if (t.size() == 10) return parse_date(t, DateForm::DD_MM_YYYY);
  if (t.size() == 8 && t.find('/') != std::string::npos) return parse_date(t, DateForm::DD_MM_YY);
  if (t.size() == 8) return parse_date(t, eight_digits_year_first ? DateForm::YYYYMMDD : DateForm::DDMMYYYY);
  return std::nullopt;
}

std::optional<Range> range(std::string_view from, std::string_view to, Range::By counter) {
  Range r;
  if (trim(from).find('/') != std::string::npos || trim(from).size() == 8 ||
      (counter == Range::By::Date)) {
    auto a = date(from), b = date(to);
    if (!a || !b) return std::nullopt;
    r.by = Range::By::Date;
    r.from_date = *a;
    r.to_date = *b;
    return r;
  }
  auto a = parse_digits(from, 6), b = parse_digits(to, 6);
  if (!a || !b) return std::nullopt;
  r.by = counter;
  r.from = static_cast<int>(*a);
  r.to = static_cast<int>(*b);
  return r;
}

}  // namespace zelto::ecfsim::abi
