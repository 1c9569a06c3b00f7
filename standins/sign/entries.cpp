// "sign_bema.dll": the two entries the program calls by name.
//   generateEAD(file, public key, private key, signature buffer, 1)
//     appends the EAD line to the file and copies the 256 digits into the
//     caller's buffer (256 bytes, filled with blanks by the caller);
//   validateFile(file, public key, private key)
//     1 when the file's EAD line verifies, 0 otherwise.
// Both return 1 for success and 0 for failure. A file is changed only by
// writing the signed copy beside it and renaming it into place.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ead.hpp"

namespace {

bool read_file(const char* name, std::string& out) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

std::string text(const char* p) { return p ? std::string(p) : std::string(); }

}  // namespace

extern "C" __attribute__((visibility("default"))) int generateEAD(char* file, char* public_key, char* private_key,
                                                                  char* signature, int /*mode*/) {
  if (!file) return 0;
  std::string content;
  if (!read_file(file, content)) return 0;
  // The EAD line starts a line of its own; its line end counts in the digest.
  if (!content.empty() && content.back() != '\n') content += "\r\n";
  auto hex = zelto::sign::sign_content(content, text(public_key), text(private_key));
  if (!hex) return 0;
  std::string signed_file = content + "EAD" + *hex + "\r\n";
  std::filesystem::path target(file);
  std::filesystem::path temp = target;
  temp += ".ead-tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(signed_file.data(), static_cast<std::streamsize>(signed_file.size()));
    if (!out.flush()) return 0;
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) return 0;
  if (signature) std::memcpy(signature, hex->data(), hex->size());
  return 1;
}

extern "C" __attribute__((visibility("default"))) int validateFile(char* file, char* public_key,
                                                                   char* /*private_key*/) {
  if (!file) return 0;
  std::string bytes;
  if (!read_file(file, bytes)) return 0;
  auto parts = zelto::sign::split_signed(bytes);
  if (!parts) return 0;
  return zelto::sign::verify_content(parts->content, parts->signature_hex, text(public_key)) ? 1 : 0;
}
