// The tefsim tool: plans set from the command line, and the serving process
// answering requests and stopping.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>

#include "support/temp_dir.hpp"
#include "tef/core/fields.hpp"
#include "tef/core/files.hpp"
#include "tef/core/manager.hpp"

extern char** environ;

namespace zelto::tefsim {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun tefsim(const std::string& args) {
  ToolRun r;
  FILE* p = ::popen((std::string(TEFSIM_TOOL) + " " + args + " 2>&1").c_str(), "r");
  std::array<char, 256> buf{};
  for (size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;) r.out.append(buf.data(), n);
  const int s = ::pclose(p);
  r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  return r;
}

pid_t serve(const std::filesystem::path& data) {
  const std::string folder = data.string();
  char* argv[] = {const_cast<char*>(TEFSIM_TOOL), const_cast<char*>("serve"), const_cast<char*>(folder.c_str()),
                  const_cast<char*>("--interval"), const_cast<char*>("10"), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, TEFSIM_TOOL, &actions, nullptr, argv, environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Waits, with a generous bound, for a file the serving process writes.
bool appears(const std::filesystem::path& file) {
  for (int i = 0; i < 1000; ++i) {
    if (std::filesystem::exists(file)) return true;
    ::usleep(10000);
  }
  return false;
}

TEST(TefsimTool, PlansAreSetAndShown) {
  zelto::testing::TempDir data;
  const std::string d = data.path().string();
  ToolRun r = tefsim("plan " + d + " tec deny \"CNF late 20\"");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "deny\nCNF late 20\n");
  EXPECT_EQ(tefsim("plan " + d + " TEC").out, "deny\nCNF late 20\n");
  r = tefsim("plan " + d + " TEC \"late soon\"");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("late needs its seconds"), std::string::npos) << r.out;
  EXPECT_EQ(tefsim("plan " + d + " XYZ deny").status, 1);
  EXPECT_EQ(tefsim("clear " + d + " TEC").status, 0);
  EXPECT_EQ(tefsim("plan " + d + " TEC").out, "");
  EXPECT_EQ(tefsim("frobnicate " + d).status, 2);
}

TEST(TefsimTool, ServesTheThreeManagersUntilStoppedOrPlannedToDie) {
  zelto::testing::TempDir data;
  const std::string d = data.path().string();
  ASSERT_EQ(tefsim("plan " + d + " HIP die").status, 0);
  const pid_t pid = serve(data.path());
  ASSERT_GT(pid, 0);
  const auto hip = data.path() / "tef" / "HiperTEF";
  ASSERT_TRUE(appears(hip / "resp"));

  const auto pad = data.path() / "tef" / "tef_dial";
  write_whole(pad / "req" / "IntPos.001", "000-000 = ATV\r\n001-000 = 12\r\n999-999 = 0\r\n");
  ASSERT_TRUE(appears(pad / "resp" / "IntPos.Sts"));
  EXPECT_EQ(read_file(pad / "resp" / "IntPos.Sts"), "000-000 = ATV\r\n001-000 = 12\r\n999-999 = 0\r\n");
  EXPECT_EQ(tefsim("journal " + d).out, "PAD ATV 12 ativo\n");

  // HiperCard's manager takes a card payment and dies: the process ends.
  write_whole(hip / "req" / "IntPos.001", "000-000 = CRT\r\n001-000 = 13\r\n003-000 = 100\r\n999-999 = 0\r\n");
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
  EXPECT_EQ(Fields::parse(*read_file(hip / "resp" / "IntPos.Sts")).get("001-000"), "13");
  EXPECT_FALSE(std::filesystem::exists(hip / "resp" / "IntPos.001"));

  // Served again, it stops in order when told.
  const pid_t again = serve(data.path());
  ASSERT_GT(again, 0);
  write_whole(pad / "req" / "IntPos.001", "000-000 = ATV\r\n001-000 = 14\r\n999-999 = 0\r\n");
  ASSERT_TRUE(appears(pad / "tefsim_diario.txt"));
  for (int i = 0; i < 1000 && std::filesystem::exists(pad / "req" / "IntPos.001"); ++i) ::usleep(10000);
  ::kill(again, SIGTERM);
  ASSERT_EQ(::waitpid(again, &status, 0), again);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_NE(tefsim("journal " + d + " PAD").out.find("PAD ATV 14 ativo"), std::string::npos);
}

}  // namespace
}  // namespace zelto::tefsim
