// The ecfsim command line: a fresh printer, its state, its roll, faults and
// clock as people set them, and one-line errors with non-zero exits.

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

struct Said {
  int status;
  std::string out;
};

class Tool : public ::testing::Test {
 protected:
  zelto::testing::TempDir dir;
  Said ecfsim(const std::string& args) {
    std::string cmd = "'" ECFSIM_TOOL "' -C '" + dir.path().string() + "' " + args + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }
  FiscalMemory memory() { return *load_memory(dir.path()).memory; }
};

TEST_F(Tool, InitShowsAFreshPrinterWithYesterdaysReduction) {
  Said init = ecfsim("init --make DA --serial DA0999XY1234567 --clock '11/12/2026 09:30' --frozen");
  ASSERT_EQ(init.status, 0) << init.out;
  FiscalMemory m = memory();
  EXPECT_EQ(m.make, Make::DA);
  EXPECT_EQ(m.serial, "DA0999XY1234567");
  ASSERT_EQ(m.zs.size(), 1u);
  EXPECT_EQ(m.zs[0].movement, (Date{2026, 12, 10}));
  Said show = ecfsim("show");
  ASSERT_EQ(show.status, 0) << show.out;
  for (const char* says : {"make DA  serial DA0999XY1234567", "clock 11/12/2026 09:30:00", "COO 000001",
                           "T01 18,00%", "S04 5,00%", "Dinheiro", "Cartao (slip)", "last Z: CRZ 0001"})
    EXPECT_NE(show.out.find(says), std::string::npos) << says << "\n" << show.out;
  EXPECT_EQ(ecfsim("init").status, 1) << "a printer is there already";
  EXPECT_EQ(ecfsim("init --make EP --force").status, 0);
  EXPECT_EQ(memory().make, Make::EP);
}

TEST_F(Tool, RollFaultAndClock) {
  ASSERT_EQ(ecfsim("init --clock '11/12/2026 09:30' --frozen").status, 0);
  Said last3 = ecfsim("roll 3");
  EXPECT_EQ(last3.out, "ecfsim BE ECF-IF                         ECF:001\n"
                       "FAB:BE0101ZE0000001          10/12/2026 22:00:00\n\n");

  ASSERT_EQ(ecfsim("fault fail 2 -5 --after 1").status, 0);
  Faults f = load_faults(dir.path());
  EXPECT_EQ(f.fail, 2);
  EXPECT_EQ(f.fail_code, -5);
  EXPECT_EQ(f.after, 1);
  ASSERT_EQ(ecfsim("fault paper low").status, 0);
  EXPECT_EQ(load_faults(dir.path()).paper, Faults::Paper::Low);
  EXPECT_EQ(load_faults(dir.path()).fail, 2) << "faults add up";
  EXPECT_NE(ecfsim("show").out.find("faults: paper low; after 1 command(s):; 2 command(s) fail with -5"),
            std::string::npos);
  ASSERT_EQ(ecfsim("fault clear").status, 0);
  EXPECT_EQ(load_faults(dir.path()), Faults{});

  Said set = ecfsim("clock set '24/12/2026 18:45' --frozen");
  ASSERT_EQ(set.status, 0) << set.out;
  EXPECT_EQ(set.out, "24/12/2026 18:45:00  (standing at 24/12/2026 18:45:00)\n");
  ASSERT_EQ(ecfsim("clock offset -20").status, 0);
  EXPECT_EQ(memory().clock.mode, ClockSetting::Mode::Offset);
  EXPECT_EQ(memory().clock.offset_seconds, -1200);
  ASSERT_EQ(ecfsim("clock real").status, 0);
  EXPECT_EQ(memory().clock.mode, ClockSetting::Mode::Real);
}

TEST_F(Tool, LibsCopiesTheFourLibraries) {
  std::filesystem::create_directory(dir / "data");
  Said r = ecfsim("libs data");
  ASSERT_EQ(r.status, 0) << r.out;
  for (const char* name : {"Bemafi32.dll", "Daruma32.dll", "ConvEcf.dll", "InterfaceEpson.dll"})
    EXPECT_TRUE(std::filesystem::exists(dir / "data" / name)) << name;
}

TEST_F(Tool, MistakesAreOneLineAndAnExitCode) {
  struct Case {
    std::string args;
    int status;
    std::string says;
  };
  const Case cases[] = {
      {"", 2, "no command given"},
      {"print", 2, "unknown command \"print\""},
      {"init --make XX", 2, "the make is BE, DA, SW or EP"},
      {"show", 1, "no printer in this folder"},
      {"fault fail two -27", 2, "must be a whole number"},
      {"fault paper wet", 2, "paper is ok, low or end"},
      {"clock set '31/02/2026 10:00'", 1, "no printer"},
      {"roll 0", 2, "from 1"},
  };
  for (const auto& c : cases) {
    Said r = ecfsim(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
    EXPECT_EQ(r.out.rfind("ecfsim: ", 0), 0u) << c.args;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << c.args;
  }
  ASSERT_EQ(ecfsim("init").status, 0);
  EXPECT_EQ(ecfsim("clock set '31/02/2026 10:00'").status, 2);
}

}  // namespace
}  // namespace zelto::ecfsim::testing
