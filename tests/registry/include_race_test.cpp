// Two stations including the same code: both pass the key's check before
// either writes, and the code must still be stored once, with nothing left
// behind by the station that is refused.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <utility>

#include "registry_fixture.hpp"
#include "support/temp_dir.hpp"

namespace zelto::registry::testing {
namespace {

// A station's screen: the form's keys come from its script, the questions
// are answered yes and the boxes acknowledged as they come (which station
// is refused is up to the race). `on_confirm` runs once, as "Confirma" is
// answered.
class AnsweringScreen : public screen::scripted::ScriptedScreen {
 public:
  std::vector<std::string> boxes;
  std::function<void()> on_confirm;

 protected:
  bool do_ask_yes_no(const Text&, const Text& text, bool) override {
    if (text == kConfirm && on_confirm) std::exchange(on_confirm, {})();
    return true;
  }
  void do_show_box(screen::BoxKind, const Text&, const Text& text) override { boxes.push_back(text); }
};

// One checkout on the shared folder.
struct Station {
  core::Globals g;
  xbase::Workspace db;
  AnsweringScreen screen;
  os::ManualClock clock{os::LocalTime{*Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};

  explicit Station(const std::filesystem::path& folder) : db{{folder, true, {}}} { open_tables(db, false); }
};

// A shared folder with the goods table empty and the units.
void make_folder(const std::filesystem::path& folder) {
  xbase::Workspace db{{folder, true, {}}};
  open_tables(db, true);
  add_unit(db.area("UD"), "UN", "UNIDADE");
}

// Another station stores goods 77.
void store_77(xbase::Workspace& other) {
  xbase::Table& theirs = other.area("TT");
  theirs.append_blank();
  theirs.put("C012", "00000077");
  theirs.put("C030", "CAFE DO OUTRO CAIXA");
  theirs.unlock();
}

// The goods form whose description check first runs `meanwhile`: by then
// the key's check has passed.
EntryScreen racing_form(std::function<void()> meanwhile) {
  EntryScreen form = goods_form(Mode::I);
  FieldCheck check = form.fields[1].check;
  auto once = std::make_shared<bool>(false);
  form.fields[1].check = [check, meanwhile, once](FieldScope& s) {
    if (!*once) {
      *once = true;
      meanwhile();
    }
    return check(s);
  };
  return form;
}

// Goods `code` typed up to "Continuar".
screen::scripted::Script& include(screen::scripted::Script& s, const char* code) {
  return s.type(code).press(Key::Enter)
      .type("cafe").press(Key::Enter)
      .type("un").press(Key::Enter)
      .type("5").press(Key::Enter)
      .type("10122026").press(Key::Enter)
      .button("Continuar");
}

TEST(IncludeRace, AKeyStoredElsewhereSinceItsCheckIsRefusedAtTheSaveAndTheKeyOpensAgain) {
  RegistryCtx t;
  xbase::Workspace other{{t.dir.path(), true, {}}};
  open_tables(other, false);
  EntryScreen form = racing_form([&] { store_77(other); });
  include(t.script(), "77")
      .ok(kKeyExists)
      .focus("C012")  // open again, for another code
      .type("78").press(Key::Enter)
      .focus("C030")  // what was typed is still there
      .button("Continuar").answer(kConfirm, true);
  EXPECT_TRUE(TELA_LE_CAMPOS(t.ctx, form));
  t.screen.expect_done();
  EXPECT_EQ(t.tt->reccount(), 2u);  // theirs and ours: nothing appended for the refused 77
  EXPECT_EQ(t.tt->text("C012"), "00000078");
  EXPECT_EQ(runtime::trim(t.tt->text("C030")), "CAFE");
  ASSERT_TRUE(t.tt->seek("00000077"));
  EXPECT_EQ(runtime::trim(t.tt->text("C030")), "CAFE DO OUTRO CAIXA");
}

// Stored between "Confirma" and the write: only the seek under the append
// lock can see it.
TEST(IncludeRace, AKeyStoredElsewhereAfterTheConfirmationIsRefusedBeforeAnythingIsAppended) {
  zelto::testing::TempDir dir;
  xbase::Workspace other{{dir.path(), true, {}}};
  make_folder(dir.path());
  Station station(dir.path());
  open_tables(other, false);
  station.screen.on_confirm = [&] { store_77(other); };
  include(station.screen.script(), "77")
      .focus("C012")
      .type("78").press(Key::Enter)
      .button("Continuar");
  EXPECT_TRUE(TELA_LE_CAMPOS(station.ctx, goods_form(Mode::I)));
  station.screen.expect_done();
  EXPECT_EQ(station.screen.boxes, std::vector<std::string>{kKeyExists});
  xbase::Table& tt = station.db.area("TT");
  EXPECT_EQ(tt.reccount(), 2u);
  EXPECT_EQ(tt.text("C012"), "00000078");
  EXPECT_TRUE(tt.check_orders().empty());
}

// Each station: 0 saved, 1 refused with the message, 2 anything else.
int include_at_once(const std::filesystem::path& folder, int tell, int wait) {
  try {
    Station s(folder);
    // Both stations meet once "Confirma" is answered: each has passed every
    // check, and neither has written.
    s.screen.on_confirm = [&] {
      char c = 'k';
      if (::write(tell, &c, 1) != 1 || ::read(wait, &c, 1) != 1) throw std::runtime_error("the other station is gone");
    };
    include(s.screen.script(), "77").press(Key::Esc);
    if (TELA_LE_CAMPOS(s.ctx, goods_form(Mode::I))) return 0;
    return s.screen.boxes == std::vector<std::string>{kKeyExists} ? 1 : 2;
  } catch (...) {
    return 2;
  }
}

TEST(IncludeRace, TwoStationsIncludingTheSameCodeAtOnceStoreItOnce) {
  zelto::testing::TempDir dir;
  make_folder(dir.path());
  int to_child[2], to_parent[2];
  ASSERT_EQ(::pipe(to_child), 0);
  ASSERT_EQ(::pipe(to_parent), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(include_at_once(dir.path(), to_parent[1], to_child[0]));
  const int mine = include_at_once(dir.path(), to_child[1], to_parent[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  const int theirs = WEXITSTATUS(status);
  for (int fd : {to_child[0], to_child[1], to_parent[0], to_parent[1]}) ::close(fd);

  EXPECT_EQ(std::min(mine, theirs), 0);  // one saved
  EXPECT_EQ(std::max(mine, theirs), 1);  // the other was told
  xbase::Workspace db{{dir.path(), true, {}}};
  open_tables(db, false);
  xbase::Table& tt = db.area("TT");
  EXPECT_EQ(tt.reccount(), 1u);  // no second record, not even a deleted one
  ASSERT_TRUE(tt.seek("00000077"));
  EXPECT_EQ(runtime::trim(tt.text("C030")), "CAFE");
  EXPECT_TRUE(tt.check_orders().empty());
}

}  // namespace
}  // namespace zelto::registry::testing
