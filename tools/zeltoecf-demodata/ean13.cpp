#include "ean13.hpp"

#include <stdexcept>

namespace zelto::demodata {

char ean13_check_digit(std::string_view twelve_digits) {
  if (twelve_digits.size() != 12) throw std::invalid_argument("an EAN-13 body has twelve digits");
  int sum = 0;
  for (size_t i = 0; i < twelve_digits.size(); ++i) {
    const char c = twelve_digits[i];
    if (c < '0' || c > '9') throw std::invalid_argument("an EAN-13 body has digits only");
    sum += (c - '0') * (i % 2 == 0 ? 1 : 3);
  }
  return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string ean13(std::string_view twelve_digits) {
  return std::string(twelve_digits) + ean13_check_digit(twelve_digits);
}

}  // namespace zelto::demodata
