// The keyless scrambling of seals and fingerprints, byte for byte.

#include "store/seal_scramble.hpp"

#include <gtest/gtest.h>

namespace zelto::store {
namespace {

TEST(Scramble, KnownBytes) {
  EXPECT_EQ(ENCRYPT("abc"), "\x62\xC2\x81");
  EXPECT_EQ(DECRYPT("\x62\xC2\x81"), "abc");
  EXPECT_EQ(ENCRYPT(""), "");
  // Nine bytes: the ninth turns by 8 mod 8 = 0 places again, all by 9.
  EXPECT_EQ(ENCRYPT(std::string(9, '\0')), std::string("\x09\x12\x24\x48\x90\x21\x42\x84\x09", 9));
}

TEST(Scramble, EveryTextComesBack) {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes += static_cast<char>(b);
  // Lengths around the key's wrap at 256, where the key is 0 and then 1.
  for (const std::string& text : {std::string("1"), all_bytes, all_bytes + "x", all_bytes + all_bytes + "abc",
                                   std::string("BE0907SC56789012345   ")}) {
    const std::string scrambled = ENCRYPT(text);
    EXPECT_EQ(scrambled.size(), text.size());
    EXPECT_EQ(DECRYPT(scrambled), text);
  }
  EXPECT_NE(ENCRYPT(all_bytes), all_bytes);
}

}  // namespace
}  // namespace zelto::store
