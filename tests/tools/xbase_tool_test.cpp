// The xbase command line as support staff and fixtures use it: each command
// on a real folder, its output, and its exit status on bad input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>

#include "support/temp_dir.hpp"

namespace {

struct Outcome {
  int status;
  std::string out;  // stdout and stderr together
};

class XbaseTool : public ::testing::Test {
 protected:
  zelto::testing::TempDir dir;

  Outcome xbase(const std::string& args) {
    std::string cmd = "cd '" + dir.path().string() + "' && '" XBASE_TOOL "' " + args + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  void write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
  }
};

TEST_F(XbaseTool, CreateImportIndexDumpRoundTrip) {
  ASSERT_EQ(xbase("create CLIENTS 'C036,C,6;C114,C,40;C200,N,12,2;C201,D;C202,L;OBS,M'").status, 0);
  write("in.csv",
        "C036,C114,C200,C201,C202,OBS\n"
        "000002,\"JOSÉ, O \"\"ZÉ\"\"\",-12.5,20261211,T,\"two\nlines\"\n"
        "000001,ANA,1234.56,11/12/2026,F,\n");
  Outcome imp = xbase("import clients in.csv");
  ASSERT_EQ(imp.status, 0) << imp.out;
  ASSERT_EQ(xbase("index clients clientsa.ntx C036").status, 0);

  Outcome dump = xbase("dump CLIENTS");
  ASSERT_EQ(dump.status, 0) << dump.out;
  EXPECT_EQ(dump.out,
            "C036,C114,C200,C201,C202,OBS\n"
            "000002,\"JOSÉ, O \"\"ZÉ\"\"\",-12.50,20261211,T,\"two\nlines\"\n"
            "000001,ANA,1234.56,20261211,F,\n");

  Outcome st = xbase("struct clients");
  EXPECT_NE(st.out.find("2 records"), std::string::npos) << st.out;
  EXPECT_NE(st.out.find("C200       N 12,2"), std::string::npos) << st.out;

  // The table holds Windows-1252 bytes, not UTF-8.
  std::ifstream f(dir / "clients.dbf", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(f)), {});
  EXPECT_NE(bytes.find("JOS\xC9"), std::string::npos);

  Outcome check = xbase("check CLIENTSA.NTX clients");
  EXPECT_EQ(check.status, 0) << check.out;
}

TEST_F(XbaseTool, CheckFindsAStaleIndexAndReindexMendsIt) {
  ASSERT_EQ(xbase("create items 'C012,C,8;C030,C,20'").status, 0);
  write("a.csv", "C012,C030\n00000002,B\n00000001,A\n");
  ASSERT_EQ(xbase("import items a.csv").status, 0);
  ASSERT_EQ(xbase("index items itemsa C012").status, 0);
  write("b.csv", "C012,C030\n00000003,C\n");
  ASSERT_EQ(xbase("import items b.csv").status, 0);  // index not named: it stays behind
  Outcome stale = xbase("check itemsa items");
  EXPECT_EQ(stale.status, 1);
  EXPECT_NE(stale.out.find("2 entries, the table has 3 records"), std::string::npos) << stale.out;
  ASSERT_EQ(xbase("reindex items itemsa").status, 0);
  EXPECT_EQ(xbase("check itemsa items").status, 0);
  // Named on the import, the index follows the new records.
  write("c.csv", "C012,C030\n00000000,Z\n");
  ASSERT_EQ(xbase("import items c.csv ITEMSA.NTX").status, 0);
  EXPECT_EQ(xbase("check itemsa items").status, 0);
}

TEST_F(XbaseTool, MistakesAreOneClearLine) {
  struct Case {
    std::string args;
    int status;
    std::string says;
  };
  ASSERT_EQ(xbase("create t 'A,C,2'").status, 0);
  write("bad.csv", "A\nTOOLONG\n");
  write("nofield.csv", "B\nx\n");
  const Case cases[] = {
      {"", 2, "no command given"},
      {"frobnicate", 2, "unknown command \"frobnicate\""},
      {"create u 'A,Q,2'", 1, "unknown field type"},
      {"create u 'A,C'", 1, "a character field has 1 to 65535 bytes"},
      {"dump missing", 1, "table not found"},
      {"import t bad.csv", 1, "bad.csv line 2"},
      {"import t nofield.csv", 1, "has no field B"},
      {"index t ta 'LEFT(A'", 1, "\"LEFT(A\""},
      {"check nothere t", 1, "index not found"},
  };
  for (const auto& c : cases) {
    Outcome r = xbase(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.rfind("xbase: ", 0), std::string::npos) << "one line starting xbase: " << c.args << "\n" << r.out;
  }
}

}  // namespace
