#include "platform/runtime/text.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

TEST(Text, PrefixEqualityOfConditions) {
  struct Case {
    const char* value;
    const char* rhs;
    bool equal;
  };
  const Case cases[] = {
      {"ZELTO", "ZEL", true},
      {"ZE", "ZEL", false},
      {"anything", "", true},
      {"", "", true},
      {"CANC_ANTERIOR_ITEM", "CANC_ANTERIOR", true},
      {"CANC_ANTERIOR", "CANC_ANTERIOR_ITEM", false},
      {"ABC ", "ABC", true},
      {"ABC", "ABC ", false},
      {"abc", "ABC", false},
  };
  for (const auto& c : cases) EXPECT_EQ(prefix_equal(c.value, c.rhs), c.equal) << c.value << " = " << c.rhs;
  EXPECT_FALSE(exact_equal("ABC ", "ABC"));
  EXPECT_TRUE(exact_equal("ABC", "ABC"));
}

TEST(Text, TrimPadAndSubstr) {
  EXPECT_EQ(trim("  a b  "), "a b");
  EXPECT_EQ(rtrim("  a  "), "  a");
  EXPECT_EQ(ltrim("  a  "), "a  ");
  EXPECT_EQ(padr("ab", 4), "ab  ");
  EXPECT_EQ(padr("abcdef", 4), "abcd");
  EXPECT_EQ(padl("7", 3, '0'), "007");
  EXPECT_EQ(padc("ab", 6), "  ab  ");
  EXPECT_EQ(substr("20261211", 5, 2), "12");
  EXPECT_EQ(substr("abc", 5), "");
  EXPECT_EQ(substr("abc", 2), "bc");
  EXPECT_EQ(left("abc", 5), "abc");
  EXPECT_EQ(right("abcdef", 2), "ef");
}

TEST(Text, CaseRules) {
  // Keys use the ASCII-only UPPER so they match files other programs built.
  EXPECT_EQ(upper("ação"), "AçãO");
  EXPECT_EQ(upper_1252("a\xE7\xE3o"), "A\xC7\xC3O");
  EXPECT_EQ(lower("ABC"), "abc");
}

}  // namespace
}  // namespace zelto::runtime
