#pragma once
// EAN-13 barcodes: the check digit that makes a scanner accept the label.

#include <string>
#include <string_view>

namespace zelto::demodata {

// The check digit of twelve digits: weights 1 and 3 from the left, then the
// step up to the next multiple of ten. Throws std::invalid_argument unless
// given exactly twelve digits.
char ean13_check_digit(std::string_view twelve_digits);

// The twelve digits followed by their check digit.
std::string ean13(std::string_view twelve_digits);

}  // namespace zelto::demodata
