#include "store/fingerprint_file.hpp"

#include <fstream>
#include <iterator>

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/fingerprint_replace.hpp"
#include "store/seal_scramble.hpp"

namespace zelto::store {
namespace {

constexpr std::string_view kDigestMarker = "MD5.:";
constexpr std::string_view kGrandTotalMarker = "G.T.:";
constexpr std::string_view kSerialMarker = "N.S.:";
constexpr std::string_view kEndMarker = "FIM";

size_t find_marker(std::string_view content, std::string_view marker, size_t from = 0) {
  const std::string upper = runtime::upper(content);
  return upper.find(marker, from);
}

size_t rfind_marker(std::string_view content, std::string_view marker) {
  return runtime::upper(content).rfind(marker);
}

std::string part_after(std::string_view content, std::string_view opening, std::string_view closing,
                       bool closing_is_last) {
  const size_t open = find_marker(content, opening);
  if (open == std::string_view::npos) return {};
  const size_t start = open + opening.size();
  size_t end = closing_is_last ? rfind_marker(content, closing) : find_marker(content, closing, start);
  if (end == std::string_view::npos || end < start) end = content.size();
  return std::string(content.substr(start, end - start));
}

}  // namespace

std::string fingerprint_line(const StoredFingerprint& parts) {
  std::string line;
  line += kDigestMarker;
  line += parts.md5;
  line += kGrandTotalMarker;
  line += parts.grand_total;
  line += kSerialMarker;
  line += parts.serial;
  line += kEndMarker;
  return line;
}

StoredFingerprint parse_fingerprint(std::string_view content) {
  return {part_after(content, kDigestMarker, kGrandTotalMarker, false),
          part_after(content, kGrandTotalMarker, kSerialMarker, false),
          part_after(content, kSerialMarker, kEndMarker, true)};
}

std::filesystem::path fingerprint_path(const std::filesystem::path& folder) {
  return os::resolve(folder, kFingerprintFile);
}

StoredFingerprint read_fingerprint(const std::filesystem::path& folder) {
  std::ifstream in(fingerprint_path(folder), std::ios::binary);
  if (!in) return {};
  const std::string content{std::istreambuf_iterator<char>(in), {}};
  return parse_fingerprint(content);
}

void write_fingerprint(const std::filesystem::path& folder, const StoredFingerprint& parts) {
  replace_file(fingerprint_path(folder), fingerprint_line(parts));
}

std::string grand_total_text(const runtime::Decimal& grand_total) { return runtime::strzero(grand_total, 14, 2); }

std::string RETORNA_MD5_ARQUIVO_TXT(core::Ctx& ctx) { return DECRYPT(read_fingerprint(ctx.folder()).md5); }

std::string RETORNA_GT_ARQUIVO_TXT(core::Ctx& ctx) { return read_fingerprint(ctx.folder()).grand_total; }

std::string RETORNA_NUM_SER_ARQUIVO_TXT(core::Ctx& ctx, std::string_view decode) {
  const std::string stored = read_fingerprint(ctx.folder()).serial;
  if (runtime::prefix_equal(decode, "N")) return stored;
  return runtime::trim(DECRYPT(stored));
}

}  // namespace zelto::store
