// Rebuilding every index: each file replaced whole by a new one, and the
// files of a table another program holds left as they are.

#include "store/reindex.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/file_lookup.hpp"
#include "store/catalogue_folder.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

namespace fs = std::filesystem;
using zelto::testing::ScriptedCtx;

ino_t inode(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Another checkout: a process that keeps one table open, shared, until told
// to let go.
class OtherProgram {
 public:
  OtherProgram(const fs::path& folder, const char* file) {
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      int status = 1;
      xbase::Workspace db(testing::folder_options(folder));
      try {
        db.use(file, "XX", xbase::OpenMode::Shared);
        status = 0;
      } catch (...) {
      }
      char c = static_cast<char>('0' + status);
      (void)!::write(ready[1], &c, 1);
      (void)!::read(release[0], &c, 1);
      ::_exit(status);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char c = '1';
    (void)!::read(ready[0], &c, 1);
    ::close(ready[0]);
    holding_ = c == '0';
  }
  ~OtherProgram() {
    ::close(release_);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
  bool holding() const { return holding_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool holding_ = false;
};

// A folder whose indexes all exist, M206A.NTX built with another key.
void prepare(ScriptedCtx& t) {
  testing::create_catalogue_tables(t.db);
  ASSERT_TRUE(G_ABREAR(t.ctx).ok());
  t.db.close_all();
  fs::remove(t.db.path_of("M206A.NTX"));
  t.db.use("M206.DBF", "X", xbase::OpenMode::Exclusive, {{"M206A.NTX", "C030"}});
  t.db.close_all();
}

std::string key_in_file(ScriptedCtx& t, const char* table, const char* index) {
  xbase::Table& x = t.db.use(table, "KEYCHECK", xbase::OpenMode::Shared, {{index, ""}});
  std::string key = x.order_key(1);
  t.db.close("KEYCHECK");
  return key;
}

TEST(Reindex, RebuildsEveryIndexButThoseOfATableAnotherProgramHolds) {
  ScriptedCtx t;
  prepare(t);
  { std::ofstream(t.dir / "other.ntx") << "not ours"; }
  std::vector<std::pair<fs::path, std::string>> held;
  for (const char* index : {"M216A.NTX", "M216B.NTX", "M216C.NTX"})
    held.emplace_back(t.db.path_of(index), testing::file_bytes(t.db.path_of(index)));
  std::vector<ino_t> held_inodes;
  for (const auto& [path, bytes] : held) held_inodes.push_back(inode(path));
  const ino_t items_inode = inode(t.db.path_of("M206A.NTX"));

  OtherProgram other(t.dir.path(), "M216.DBF");
  ASSERT_TRUE(other.holding());
  t.script()
      .answer("Confirma a Reindexacao dos Arquivos ?     ", true)
      .ok("Os indices destes arquivos nao foram refeitos:\nM216.DBF: esta em uso por outro programa");
  const ReindexOutcome outcome = REINDEXAR(t.ctx);

  EXPECT_TRUE(t.script().empty());
  EXPECT_TRUE(outcome.ran);
  EXPECT_TRUE(outcome.opened.ok());
  EXPECT_EQ(outcome.left_alone, std::vector<std::string>{"M216.DBF: esta em uso por outro programa"});
  for (size_t i = 0; i < held.size(); ++i) {
    EXPECT_EQ(testing::file_bytes(held[i].first), held[i].second) << held[i].first;
    EXPECT_EQ(inode(held[i].first), held_inodes[i]) << held[i].first;
  }
  // Only M001 stays open, for the login.
  EXPECT_EQ(t.db.aliases(), std::vector<std::string>{"US"});
  EXPECT_EQ(t.db.area("US").order_count(), 1);
  EXPECT_FALSE(t.run.end_requested);
  EXPECT_NE(inode(t.db.path_of("M206A.NTX")), items_inode);
  EXPECT_EQ(key_in_file(t, "M206.DBF", "M206A.NTX"), "C012");
  EXPECT_EQ(testing::file_bytes(t.dir / "other.ntx"), "not ours");
  EXPECT_EQ(os::list_matching(t.dir.path(), "*.new").size(), 0u);
  EXPECT_EQ(os::list_matching(t.dir.path(), "*.ntx").size(), 116u);
}

TEST(Reindex, DeclinedChangesNothing) {
  ScriptedCtx t;
  prepare(t);
  t.db.use("PDV.DBF", "PD", xbase::OpenMode::Shared);
  t.script().answer("Confirma a Reindexacao dos Arquivos ?     ", false);
  EXPECT_FALSE(REINDEXAR(t.ctx).ran);
  EXPECT_TRUE(t.db.is_open("PD"));
  EXPECT_EQ(key_in_file(t, "M206.DBF", "M206A.NTX"), "C030");
}

TEST(Reindex, MenuRebuildAsksForItsRightAndLeavesTheCatalogueOpen) {
  ScriptedCtx t;
  prepare(t);
  std::vector<std::string> asked;
  bool allowed = false;
  RightCheck right = [&](core::Ctx&, const core::Text& code) {
    asked.push_back(code);
    return allowed;
  };
  EXPECT_FALSE(M52(t.ctx, right).ran);
  EXPECT_EQ(asked, std::vector<std::string>{"M52"});

  allowed = true;
  t.screen.set_message("Pronto");
  t.script().answer("Confirma a Reindexaçao dos Arquivos ?     ", true);
  auto meter = t.screen.open_progress("", kStartMeterTotal);
  auto progress = OpeningProgress::start_up(meter.get());
  const ReindexOutcome outcome = M52(t.ctx, right, &progress);

  EXPECT_TRUE(outcome.ran);
  EXPECT_TRUE(outcome.left_alone.empty());
  EXPECT_EQ(t.transcript().texts("message"), (std::vector<std::string>{"Pronto", "Espere, processando ...", "Pronto"}));
  EXPECT_EQ(t.db.area("IT").order_key(1), "C012");
  EXPECT_EQ(t.db.area("IT").order_count(), 9);
  EXPECT_EQ(t.db.aliases().size(), front_end_catalogue().size());
  // The rebuild's steps (a table and each of its index files), then the
  // opening pass's (a table each).
  EXPECT_EQ(progress.meter, 62 + 115 + 62);
}

}  // namespace
}  // namespace zelto::store
