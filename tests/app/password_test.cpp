#include "app/password.hpp"

#include <gtest/gtest.h>

namespace zelto::app {
namespace {

TEST(Password, ScrambledForm) {
  EXPECT_EQ(SCRAMBLE_PASSWORD("AB"), std::string("\xA5\x84    "));
  EXPECT_EQ(SCRAMBLE_PASSWORD("ab"), SCRAMBLE_PASSWORD("AB"));  // typed in lower case
  EXPECT_EQ(SCRAMBLE_PASSWORD(" 123456 "), std::string("\x95\x64\x36\x98\x6A\x39"));
  EXPECT_EQ(SCRAMBLE_PASSWORD(""), "      ");
  EXPECT_EQ(SCRAMBLE_PASSWORD("ZZZZZZ").size(), 6u);
}

TEST(Password, OnlyPlainLettersAndDigits) {
  EXPECT_TRUE(password_chars_ok("abc123"));
  EXPECT_FALSE(password_chars_ok("a\xE7" "b"));  // ç
  EXPECT_FALSE(password_chars_ok("a-b"));
}

TEST(Password, ServiceCodeChangesWithTheDay) {
  auto d1 = *runtime::Date::ymd(2026, 12, 11);
  auto d2 = *runtime::Date::ymd(2026, 12, 12);
  std::string code = SERVICE_CODE(d1);
  ASSERT_EQ(code.size(), 6u);
  EXPECT_TRUE(code.find_first_not_of("0123456789") == std::string::npos);
  EXPECT_NE(code, SERVICE_CODE(d2));
  EXPECT_TRUE(SENZEL(code, d1));
  EXPECT_FALSE(SENZEL(code, d2));
  EXPECT_FALSE(SENZEL(code + " ", d1));
}

}  // namespace
}  // namespace zelto::app
