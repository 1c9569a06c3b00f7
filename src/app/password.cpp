#include "app/password.hpp"

#include "platform/runtime/text.hpp"

namespace zelto::app {
namespace {

// The service code's factors, one per digit of YYMMDD. They are the maker's
// secret: kept here only, never in documents handed to shops.
constexpr int kServiceFactors[6] = {7, 3, 9, 1, 8, 6};

}  // namespace

std::string SCRAMBLE_PASSWORD(std::string_view password) {
  std::string plain = runtime::upper(runtime::trim(password));
  std::string out;
  for (size_t i = 0; i < plain.size() && i < 6; ++i) {
    int c = static_cast<unsigned char>(plain[i]);
    switch (i % 3) {
      case 0: c += 100; break;
      case 1: c *= 2; break;
      default: c += 3; break;
    }
    out.push_back(static_cast<char>(c & 0xFF));
  }
  return runtime::padr(out, 6);
}

bool password_chars_ok(std::string_view password) {
  for (char ch : password) {
    auto c = static_cast<unsigned char>(ch);
    bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
    if (!ok) return false;
  }
  return true;
}

std::string SERVICE_CODE(const runtime::Date& day) {
  std::string digits = day.dtos().substr(2);  // YYMMDD
  std::string code;
  for (int i = 0; i < 6; ++i) code.push_back(static_cast<char>('0' + (digits[static_cast<size_t>(i)] - '0') * kServiceFactors[i] % 10));
  return code;
}

bool SENZEL(std::string_view password, const runtime::Date& today) {
  return !today.empty() && password == SERVICE_CODE(today);
}

}  // namespace zelto::app
