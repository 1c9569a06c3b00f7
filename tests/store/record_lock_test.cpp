// Record locks against another holder of the same record.

#include "store/record_lock.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "store/catalogue_folder.hpp"
#include "store/tables.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

using zelto::testing::ScriptedCtx;
const char* const kInUse = "Este registro esta em uso por outro usuario, tente mais tarde.";

// Two clients and another checkout (a second handle) standing on the first.
struct Clients {
  ScriptedCtx t;
  xbase::Workspace other{testing::folder_options(t.dir.path())};
  xbase::Table* mine = nullptr;
  xbase::Table* theirs = nullptr;

  Clients() {
    t.db.create("M216.DBF", field_defs(table::CL));
    mine = &t.db.use("M216.DBF", "CL", xbase::OpenMode::Shared);
    for (const char* code : {"000001", "000002"}) {
      mine->append_blank();
      mine->put("C036", code);
    }
    mine->unlock();
    mine->go_top();
    theirs = &other.use("M216.DBF", "CL", xbase::OpenMode::Shared);
    theirs->go_top();
  }
};

TEST(RecordLock, ARecordHeldElsewhereIsToldAndRetried) {
  Clients c;
  ASSERT_TRUE(c.theirs->rlock());
  c.t.script().ok(kInUse);
  EXPECT_TRUE(G_EM_USO(c.t.ctx, *c.mine));
  EXPECT_TRUE(c.t.script().empty());
  EXPECT_FALSE(c.mine->holds_lock(1));

  c.theirs->unlock();
  c.t.db.select("CL");
  EXPECT_FALSE(G_EM_USO(c.t.ctx));
  EXPECT_TRUE(c.mine->holds_lock(1));
  // Held now: the other checkout is refused until it is released.
  EXPECT_FALSE(c.theirs->rlock());
  G_DESTRAVA(c.t.ctx);
  EXPECT_TRUE(c.theirs->rlock());
}

// A screen on which the other holder lets go once the operator has
// acknowledged the message a given number of times.
class ReleasingScreen : public screen::scripted::ScriptedScreen {
 public:
  ReleasingScreen(int boxes, std::function<void()> release) : boxes_(boxes), release_(std::move(release)) {}
  int shown = 0;

 protected:
  void do_show_box(screen::BoxKind kind, const screen::Text& title, const screen::Text& text) override {
    ScriptedScreen::do_show_box(kind, title, text);
    if (++shown == boxes_) release_();
  }

 private:
  int boxes_;
  std::function<void()> release_;
};

TEST(RecordLock, WaitingForTheLockRepeatsUntilItIsObtained) {
  Clients c;
  ASSERT_TRUE(c.theirs->rlock());
  ReleasingScreen screen(3, [&] { c.theirs->unlock(); });
  screen.script().ok(kInUse).ok(kInUse).ok(kInUse);
  core::Ctx ctx{c.t.g, c.t.db, screen, c.t.clock, c.t.run, c.t.services};

  wait_for_record_lock(ctx, *c.mine);

  EXPECT_EQ(screen.shown, 3);
  EXPECT_TRUE(c.mine->holds_lock(1));
}

}  // namespace
}  // namespace zelto::store
