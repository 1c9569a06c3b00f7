#pragma once
// The EAD line that ends every legal file: "EAD" followed by 256 upper-case
// hexadecimal digits, the RSA-1024 signature of the file's MD5 digest.
//
// The signed block is 128 bytes: 0x10, the 16 raw MD5 bytes of every byte
// of the file before the EAD line (its last line end included), then zeros;
// it is raised to the private exponent modulo the modulus with no other
// padding. Verifying raises the 256 digits to the public exponent 65537 and
// compares the block.

#include <optional>
#include <string>
#include <string_view>

namespace zelto::sign {

// The 256 hexadecimal digits of the signature of `content`, or nullopt when
// a key is not 256 hexadecimal digits.
std::optional<std::string> sign_content(std::string_view content, std::string_view modulus_hex,
                                        std::string_view private_exponent_hex);

// True when `signature_hex` is the signature of `content` under the modulus.
bool verify_content(std::string_view content, std::string_view signature_hex, std::string_view modulus_hex);

// Splits a signed file into the bytes before its EAD line and the line's
// 256 digits; nullopt when its last line is not an EAD line.
struct SignedFile {
  std::string content;
  std::string signature_hex;
};
std::optional<SignedFile> split_signed(std::string_view file_bytes);

}  // namespace zelto::sign
