#include "platform/runtime/cp1252.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

TEST(Cp1252, ConvertsPortugueseTextBothWays) {
  const std::string bytes = "Descri\xE7\xE3o \x80 10 \x96 A\xE7\xFA" "car";
  const std::string utf8 = "Descrição € 10 – Açúcar";
  EXPECT_EQ(cp1252_to_utf8(bytes), utf8);
  EXPECT_EQ(utf8_to_cp1252(utf8), bytes);
  EXPECT_TRUE(fits_cp1252(utf8));
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
}

TEST(Cp1252, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(utf8_to_cp1252("日本"), "??");
  EXPECT_EQ(utf8_to_cp1252("a\xC3"), "a?");     // cut sequence
  EXPECT_EQ(utf8_to_cp1252("a\xFF" "b"), "a?b");  // not UTF-8
  EXPECT_FALSE(fits_cp1252("日本"));
}

}  // namespace
}  // namespace zelto::runtime
