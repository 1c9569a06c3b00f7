// The fingerprint file: its line, its readers, and its replacement.

#include "store/fingerprint_file.hpp"

#include <gtest/gtest.h>

#include "store/fingerprint_replace.hpp"
#include "store/seal_fixture.hpp"
#include "store/seal_scramble.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

using zelto::testing::ScriptedCtx;

const StoredFingerprint kStored{ENCRYPT("900150983cd24fb0d6963f7d28e17f72"), ENCRYPT("00000012345.67"),
                                ENCRYPT("BE0907SC5678901")};

TEST(FingerprintFile, PartsAreFoundByTheirMarkers) {
  const std::string line = fingerprint_line(kStored);
  EXPECT_EQ(line.substr(0, 5), "MD5.:");
  EXPECT_EQ(line.substr(line.size() - 3), "FIM");
  const StoredFingerprint back = parse_fingerprint(line);
  EXPECT_EQ(back.md5, kStored.md5);
  EXPECT_EQ(back.grand_total, kStored.grand_total);
  EXPECT_EQ(back.serial, kStored.serial);

  struct Case {
    std::string content, md5, grand_total, serial;
  };
  const Case cases[] = {
      {"MD5.:abcG.T.:123N.S.:xyzFIM", "abc", "123", "xyz"},
      {"md5.:abcg.t.:123n.s.:xyzfim", "abc", "123", "xyz"},  // markers in any case
      {"MD5.:abcG.T.:123FIM", "abc", "123FIM", ""},          // no serial marker
      {"MD5.:abcN.S.:xyzFIM", "abcN.S.:xyzFIM", "", "xyz"},  // no grand-total marker
      {"MD5.:abcG.T.:123N.S.:xyz", "abc", "123", "xyz"},     // cut before its end
      {"MD5.:abcG.T.:123N.S.:afIMxFIM", "abc", "123", "afIMx"},  // a serial holding the end marker
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    const StoredFingerprint parts = parse_fingerprint(c.content);
    EXPECT_EQ(parts.md5, c.md5) << c.content;
    EXPECT_EQ(parts.grand_total, c.grand_total) << c.content;
    EXPECT_EQ(parts.serial, c.serial) << c.content;
  }
}

TEST(FingerprintFile, ReadersGiveTheDigestAndSerialPlainAndTheTotalAsStored) {
  ScriptedCtx t;
  EXPECT_EQ(RETORNA_MD5_ARQUIVO_TXT(t.ctx), "");  // no file yet
  EXPECT_EQ(RETORNA_GT_ARQUIVO_TXT(t.ctx), "");
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx), "");

  write_fingerprint(t.dir.path(), {kStored.md5, kStored.grand_total, ENCRYPT("BE0907SC5678901     ")});
  EXPECT_EQ(RETORNA_MD5_ARQUIVO_TXT(t.ctx), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(RETORNA_GT_ARQUIVO_TXT(t.ctx), ENCRYPT("00000012345.67"));
  EXPECT_EQ(DECRYPT(RETORNA_GT_ARQUIVO_TXT(t.ctx)), grand_total_text(runtime::Decimal::of("12345.67")));
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx), "BE0907SC5678901");
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx, "N"), ENCRYPT("BE0907SC5678901     "));
  // One line without a line end, under its name.
  EXPECT_EQ(testing::read_bytes(t.dir / "zelto_md5.txt"), fingerprint_line(
                                                             {kStored.md5, kStored.grand_total,
                                                              ENCRYPT("BE0907SC5678901     ")}));
}

// A process that died while writing leaves a temporary file beside the old
// one: the old file is read as it was, and the next write replaces both.
TEST(FingerprintFile, ACrashBetweenWritesLeavesTheOldFile) {
  ScriptedCtx t;
  write_fingerprint(t.dir.path(), kStored);
  const std::filesystem::path file = t.dir / "zelto_md5.txt";
  const std::string before = testing::read_bytes(file);
  testing::write_bytes(replacement_of(file), "MD5.:" + ENCRYPT("ffff"));  // half a line

  EXPECT_EQ(testing::read_bytes(file), before);
  EXPECT_EQ(RETORNA_GT_ARQUIVO_TXT(t.ctx), kStored.grand_total);
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx), "BE0907SC5678901");

  const StoredFingerprint next{kStored.md5, ENCRYPT("00000012399.99"), kStored.serial};
  write_fingerprint(t.dir.path(), next);
  EXPECT_EQ(RETORNA_GT_ARQUIVO_TXT(t.ctx), next.grand_total);
  EXPECT_FALSE(std::filesystem::exists(replacement_of(file)));
}

TEST(FingerprintFile, AFolderThatWillNotTakeTheFileLeavesTheOldOne) {
  ScriptedCtx t;
  write_fingerprint(t.dir.path(), kStored);
  std::filesystem::create_directory(replacement_of(t.dir / "zelto_md5.txt"));  // the temporary name is taken
  EXPECT_THROW(write_fingerprint(t.dir.path(), {}), std::system_error);
  EXPECT_EQ(RETORNA_GT_ARQUIVO_TXT(t.ctx), kStored.grand_total);
}

TEST(FingerprintFile, FoundInAnyCase) {
  ScriptedCtx t;
  testing::write_bytes(t.dir / "ZELTO_MD5.TXT", fingerprint_line(kStored));
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx), "BE0907SC5678901");
  write_fingerprint(t.dir.path(), {});
  EXPECT_TRUE(std::filesystem::exists(t.dir / "ZELTO_MD5.TXT"));
  EXPECT_FALSE(std::filesystem::exists(t.dir / "zelto_md5.txt"));
}

}  // namespace
}  // namespace zelto::store
