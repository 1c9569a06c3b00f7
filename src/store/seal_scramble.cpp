#include "store/seal_scramble.hpp"

#include <bit>
#include <cstdint>

namespace zelto::store {
namespace {

uint8_t length_key(std::string_view text) { return static_cast<uint8_t>(text.size() % 256); }

}  // namespace

std::string ENCRYPT(std::string_view text) {
  const uint8_t key = length_key(text);
  std::string out(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto mixed = static_cast<uint8_t>(static_cast<uint8_t>(text[i]) ^ key);
    out[i] = static_cast<char>(std::rotl(mixed, static_cast<int>(i % 8)));
  }
  return out;
}

std::string DECRYPT(std::string_view scrambled) {
  const uint8_t key = length_key(scrambled);
  std::string out(scrambled.size(), '\0');
  for (size_t i = 0; i < scrambled.size(); ++i) {
    const auto turned = std::rotr(static_cast<uint8_t>(scrambled[i]), static_cast<int>(i % 8));
    out[i] = static_cast<char>(turned ^ key);
  }
  return out;
}

}  // namespace zelto::store
