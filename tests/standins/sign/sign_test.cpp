// The signing library as the program loads it: by file name, entries by
// name. A signed file verifies with the library and with the openssl
// command an auditor has; any changed byte fails both.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/globals.hpp"
#include "ead.hpp"
#include "support/temp_dir.hpp"

namespace {

using Generate = int (*)(char*, char*, char*, char*, int);
using Validate = int (*)(char*, char*, char*);

struct Library {
  void* handle = dlopen(SIGN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ~Library() {
    if (handle) dlclose(handle);
  }
  Generate generate() const { return reinterpret_cast<Generate>(dlsym(handle, "generateEAD")); }
  Validate validate() const { return reinterpret_cast<Validate>(dlsym(handle, "validateFile")); }
};

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void spit(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

std::string run(const std::string& cmd) {
  std::string out;
  FILE* p = ::popen(cmd.c_str(), "r");
  std::array<char, 512> buf{};
  size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  ::pclose(p);
  return out;
}

class Signing : public ::testing::Test {
 protected:
  zelto::testing::TempDir dir;
  Library lib;
  zelto::core::Globals g;  // the program's key pair, as the run holds it

  int sign(const std::filesystem::path& file, std::string* signature = nullptr) {
    std::string buffer(256, ' ');
    std::string name = file.string();
    int rc = lib.generate()(name.data(), g.VCHAVEPUBLICA.data(), g.VCHAVEPRIVADA.data(), buffer.data(), 1);
    if (signature) *signature = buffer;
    return rc;
  }
  int validate(const std::filesystem::path& file) {
    std::string name = file.string();
    return lib.validate()(name.data(), g.VCHAVEPUBLICA.data(), g.VCHAVEPRIVADA.data());
  }
};

TEST_F(Signing, TheLastLineIsTheEadLineAndVerifies) {
  ASSERT_NE(lib.handle, nullptr) << dlerror();
  const std::string body = "R01123456789012345678ZELTO\r\nR02000001\r\n";
  spit(dir / "registros.txt", body);
  std::string signature;
  ASSERT_EQ(sign(dir / "registros.txt", &signature), 1);
  const std::string bytes = slurp(dir / "registros.txt");
  ASSERT_EQ(bytes.size(), body.size() + 3 + 256 + 2);
  EXPECT_EQ(bytes.substr(0, body.size()), body);
  EXPECT_EQ(bytes.substr(body.size(), 3), "EAD");
  EXPECT_EQ(bytes.substr(body.size() + 3, 256), signature);
  EXPECT_EQ(signature.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(validate(dir / "registros.txt"), 1);
}

TEST_F(Signing, AnyChangedByteFails) {
  spit(dir / "f.txt", "P1 linha um\r\nP2 linha dois\r\n");
  ASSERT_EQ(sign(dir / "f.txt"), 1);
  const std::string good = slurp(dir / "f.txt");
  for (size_t at : {size_t(0), size_t(14), good.size() - 10}) {
    std::string bad = good;
    bad[at] = bad[at] == '1' ? '2' : '1';
    spit(dir / "f.txt", bad);
    EXPECT_EQ(validate(dir / "f.txt"), 0) << "byte " << at;
  }
  spit(dir / "f.txt", good.substr(0, good.find("EAD")));  // no EAD line at all
  EXPECT_EQ(validate(dir / "f.txt"), 0);
}

TEST_F(Signing, AFileWithoutALastLineEndGetsOneFirst) {
  spit(dir / "f.txt", "E1 sem fim de linha");
  ASSERT_EQ(sign(dir / "f.txt"), 1);
  EXPECT_EQ(slurp(dir / "f.txt").substr(0, 22), "E1 sem fim de linha\r\nE");
  EXPECT_EQ(validate(dir / "f.txt"), 1);
}

TEST_F(Signing, WrongKeysAndMissingFilesAreRefused) {
  spit(dir / "f.txt", "x\r\n");
  std::string buffer(256, ' ');
  std::string name = (dir / "f.txt").string(), short_key = "ABC";
  EXPECT_EQ(lib.generate()(name.data(), short_key.data(), g.VCHAVEPRIVADA.data(), buffer.data(), 1), 0);
  EXPECT_EQ(slurp(dir / "f.txt"), "x\r\n");  // untouched
  std::string missing = (dir / "none.txt").string();
  EXPECT_EQ(lib.generate()(missing.data(), g.VCHAVEPUBLICA.data(), g.VCHAVEPRIVADA.data(), buffer.data(), 1), 0);
  EXPECT_EQ(lib.validate()(missing.data(), g.VCHAVEPUBLICA.data(), g.VCHAVEPRIVADA.data()), 0);
}

// What an auditor does with the openssl command alone: recover the block
// from the 256 digits with the published public key and compare it with
// 0x10, the file's MD5 and zeros.
TEST_F(Signing, TheOpensslCommandVerifiesTheFile) {
  // The published key is the program's modulus.
  std::string modulus = run("openssl rsa -pubin -in '" EAD_PUBLIC_PEM "' -noout -modulus 2>/dev/null");
  ASSERT_EQ(modulus, "Modulus=" + g.VCHAVEPUBLICA + "\n");

  spit(dir / "estoque.txt", "E1 cabecalho\r\nE2 item\r\nE9 fim\r\n");
  ASSERT_EQ(sign(dir / "estoque.txt"), 1);
  const std::string bytes = slurp(dir / "estoque.txt");
  auto parts = zelto::sign::split_signed(bytes);
  ASSERT_TRUE(parts);
  spit(dir / "body.bin", parts->content);
  // The digits as 128 raw bytes.
  std::string sig;
  for (size_t i = 0; i < 256; i += 2) sig.push_back(static_cast<char>(std::stoi(parts->signature_hex.substr(i, 2), nullptr, 16)));
  spit(dir / "sig.bin", sig);
  const std::string d = dir.path().string();
  std::string recovered = run("openssl pkeyutl -verifyrecover -pubin -inkey '" EAD_PUBLIC_PEM
                              "' -pkeyopt rsa_padding_mode:none -in '" + d + "/sig.bin' | od -An -v -tx1 | tr -d ' \\n'");
  std::string md5 = run("openssl dgst -md5 -r '" + d + "/body.bin' | cut -c1-32");
  md5.erase(md5.find_last_not_of("\n ") + 1);
  ASSERT_EQ(recovered.size(), 256u) << recovered;
  EXPECT_EQ(recovered.substr(0, 2), "10");
  EXPECT_EQ(recovered.substr(2, 32), md5);
  EXPECT_EQ(recovered.substr(34), std::string(222, '0'));
}

}  // namespace
