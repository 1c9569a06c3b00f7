#include "ead.hpp"

#include <openssl/bn.h>
#include <openssl/evp.h>

#include <array>
#include <cctype>
#include <memory>

namespace zelto::sign {
namespace {

constexpr size_t kBlock = 128;
constexpr size_t kDigits = 256;

using Bn = std::unique_ptr<BIGNUM, decltype(&BN_free)>;
using BnCtx = std::unique_ptr<BN_CTX, decltype(&BN_CTX_free)>;

bool is_hex(std::string_view s) {
  if (s.size() != kDigits) return false;
  for (char c : s)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

Bn from_hex(std::string_view hex) {
  BIGNUM* b = nullptr;
  std::string text(hex);
  if (BN_hex2bn(&b, text.c_str()) == 0) return Bn(nullptr, BN_free);
  return Bn(b, BN_free);
}

std::array<unsigned char, kBlock> digest_block(std::string_view content) {
  std::array<unsigned char, kBlock> block{};
  block[0] = 0x10;
  unsigned int len = 0;
  EVP_Digest(content.data(), content.size(), block.data() + 1, &len, EVP_md5(), nullptr);
  return block;
}

// base^exponent mod modulus as 128 big-endian bytes; nullopt when it fails
// or does not fit.
std::optional<std::array<unsigned char, kBlock>> power(const BIGNUM* base, const BIGNUM* exponent,
                                                       const BIGNUM* modulus) {
  BnCtx ctx(BN_CTX_new(), BN_CTX_free);
  Bn out(BN_new(), BN_free);
  if (!ctx || !out || BN_mod_exp(out.get(), base, exponent, modulus, ctx.get()) != 1) return std::nullopt;
  std::array<unsigned char, kBlock> bytes{};
  if (BN_bn2binpad(out.get(), bytes.data(), static_cast<int>(bytes.size())) != static_cast<int>(kBlock))
    return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<std::string> sign_content(std::string_view content, std::string_view modulus_hex,
                                        std::string_view private_exponent_hex) {
  if (!is_hex(modulus_hex) || !is_hex(private_exponent_hex)) return std::nullopt;
  Bn n = from_hex(modulus_hex), d = from_hex(private_exponent_hex);
  auto block = digest_block(content);
  Bn m(BN_bin2bn(block.data(), static_cast<int>(block.size()), nullptr), BN_free);
  if (!n || !d || !m || BN_cmp(m.get(), n.get()) >= 0) return std::nullopt;
  auto s = power(m.get(), d.get(), n.get());
  if (!s) return std::nullopt;
  static const char* kHex = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char b : *s) {
    hex.push_back(kHex[b >> 4]);
    hex.push_back(kHex[b & 15]);
  }
  return hex;
}

bool verify_content(std::string_view content, std::string_view signature_hex, std::string_view modulus_hex) {
  if (!is_hex(modulus_hex) || !is_hex(signature_hex)) return false;
  Bn n = from_hex(modulus_hex), s = from_hex(signature_hex), e(BN_new(), BN_free);
  if (!n || !s || !e || BN_set_word(e.get(), 65537) != 1 || BN_cmp(s.get(), n.get()) >= 0) return false;
  auto recovered = power(s.get(), e.get(), n.get());
  return recovered && *recovered == digest_block(content);
}

std::optional<SignedFile> split_signed(std::string_view bytes) {
  // The EAD line is the last one; a line end after it is allowed.
  std::string_view body = bytes;
  while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.remove_suffix(1);
  size_t start = body.rfind('\n');
  start = start == std::string_view::npos ? 0 : start + 1;
  std::string_view line = body.substr(start);
  if (line.size() != 3 + kDigits || line.substr(0, 3) != "EAD") return std::nullopt;
  return SignedFile{std::string(bytes.substr(0, start)), std::string(line.substr(3))};
}

}  // namespace zelto::sign
