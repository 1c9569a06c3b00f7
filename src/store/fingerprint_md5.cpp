#include "store/fingerprint_md5.hpp"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace zelto::store {
namespace {

class Md5 {
 public:
  Md5() : ctx_(EVP_MD_CTX_new(), &EVP_MD_CTX_free) {
    if (!ctx_ || EVP_DigestInit_ex(ctx_.get(), EVP_md5(), nullptr) != 1) throw std::runtime_error("MD5 unavailable");
  }
  void add(const void* data, size_t size) {
    if (EVP_DigestUpdate(ctx_.get(), data, size) != 1) throw std::runtime_error("MD5 failed");
  }
  std::string hex() {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(ctx_.get(), digest.data(), &size) != 1) throw std::runtime_error("MD5 failed");
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned int i = 0; i < size; ++i) {
      out += kDigits[digest[i] >> 4];
      out += kDigits[digest[i] & 0x0F];
    }
    return out;
  }

 private:
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx_;
};

}  // namespace

std::string md5_hex(std::string_view bytes) {
  Md5 md5;
  md5.add(bytes.data(), bytes.size());
  return md5.hex();
}

std::optional<std::string> file_md5_hex(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  Md5 md5;
  std::array<char, 1 << 16> chunk{};
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    if (in.gcount() > 0) md5.add(chunk.data(), static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return md5.hex();
}

}  // namespace zelto::store
