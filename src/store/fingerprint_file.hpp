#pragma once
// The fingerprint file "zelto_md5.txt": one line without a line end,
//
//   "MD5.:" digest "G.T.:" grand total "N.S.:" serial "FIM"
//
// the digest of the file list, the printer's grand total (14 characters, 2
// decimals, leading zeros) and the printer's serial (empty while none is
// registered), each scrambled.
// The receipt opening compares the printer with it before every receipt.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/context.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::store {

inline constexpr std::string_view kFingerprintFile = "zelto_md5.txt";

// The three parts as they are stored: scrambled.
struct StoredFingerprint {
  std::string md5;
  std::string grand_total;
  std::string serial;
};

std::string fingerprint_line(const StoredFingerprint& parts);
// The parts of a file's bytes. Each part starts after its marker and ends
// at the next one, markers in any case; a missing marker gives an empty
// part. The serial runs to the last "FIM", since a scrambled serial may
// itself hold those three letters.
StoredFingerprint parse_fingerprint(std::string_view content);

// The fingerprint file of the folder (found in any case); all parts empty
// when there is none.
std::filesystem::path fingerprint_path(const std::filesystem::path& folder);
StoredFingerprint read_fingerprint(const std::filesystem::path& folder);
// Replaces the file (fingerprint_replace.hpp). Throws std::system_error.
void write_fingerprint(const std::filesystem::path& folder, const StoredFingerprint& parts);

// The grand total as the file holds it before scrambling: "00000012345.67".
std::string grand_total_text(const runtime::Decimal& grand_total);

// The digest of the file list, unscrambled.
std::string RETORNA_MD5_ARQUIVO_TXT(core::Ctx& ctx);
// The grand total as stored (scrambled).
std::string RETORNA_GT_ARQUIVO_TXT(core::Ctx& ctx);
// The serial unscrambled and trimmed; as stored when `decode` is "N".
std::string RETORNA_NUM_SER_ARQUIVO_TXT(core::Ctx& ctx, std::string_view decode = "S");

}  // namespace zelto::store
