// The error-log viewer: the failures taken over from "error.log", newest
// first, each one's text shown whole and left as it was.

#include <gtest/gtest.h>

#include <optional>

#include "app/error_log_viewer.hpp"
#include "core/context.hpp"
#include "platform/screen/browse_session.hpp"
#include "platform/screen/scripted/scripted_screen.hpp"
#include "store/lookup.hpp"
#include "store/tables.hpp"
#include "support/temp_dir.hpp"

namespace zelto::app {
namespace {

using screen::Key;

// The scripted screen, keeping the first browse it shows.
class BrowseKeepingScreen : public screen::scripted::ScriptedScreen {
 public:
  std::optional<screen::BrowseSpec> first_browse;

 protected:
  void do_run_browse(screen::BrowseSession& browse) override {
    if (!first_browse) first_browse = browse.definition();
    ScriptedScreen::do_run_browse(browse);
  }
};

struct Viewer {
  zelto::testing::TempDir dir;
  core::Globals g;
  xbase::Workspace db{{dir.path(), true, {}}};
  BrowseKeepingScreen screen;
  os::ManualClock clock{os::LocalTime{*runtime::Date::ymd(2026, 12, 11), 10, 30, 0}};
  core::RunControl run;
  core::Services services;
  core::Ctx ctx{g, db, screen, clock, run, services};
  xbase::Table* y0 = nullptr;

  Viewer() {
    const store::CatalogueEntry& entry = *store::find_entry("Y0");
    db.create(entry.file(), store::field_defs(*entry.table));
    y0 = &db.use(entry.file(), entry.alias(), entry.mode, store::order_specs(entry));
  }
  void add(int day, const char* time, const char* text, const char* op) {
    y0->append_blank();
    y0->put("C901", text);
    y0->put("C902", *runtime::Date::ymd(2026, 12, day));
    y0->put("C903", time);
    y0->put("C001", op);
    y0->put("C262", *runtime::Date::ymd(2026, 12, day + 1));
    y0->put("C263", "08:00");
    y0->unlock();
  }
  std::vector<std::string> of_kind(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& e : screen.transcript().entries())
      if (e.kind == kind) out.push_back(e.text);
    return out;
  }
};

TEST(ErrorLogViewer, NewestFirstEachTextWholeAndNothingStored) {
  Viewer t;
  t.add(3, "09:15:00", "Erro: disco cheio\r\nOperacao: F3\r\n", "ANA");
  t.add(7, "17:40:12", "Erro: tabela danificada\r\nOperacao: LOG_N_543\r\nData: 07/12/2026\r\n", "GER");
  t.add(7, "11:02:00", "Erro: outro\r\n", "ANA");
  t.y0->go_bottom();  // the viewer starts from the top whatever stands current

  t.screen.script()
      .button("&Descri\u00E7\u00E3o").button("&Fechar")
      .press(Key::Down).press(Key::Down)
      .button("&Descri\u00E7\u00E3o").button("&Fechar")
      .button("ESC-sair");
  LOG_N_543(t.ctx);
  t.screen.expect_done();

  EXPECT_EQ(t.of_kind("browse"), std::vector<std::string>{""});
  const auto& entries = t.screen.transcript().entries();
  const auto browse = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.kind == "browse"; });
  ASSERT_NE(browse, entries.end());
  EXPECT_EQ(browse->title, "Tentativas de Comunica\u00E7\u00E3o");
  const auto rows = t.of_kind("row");
  ASSERT_EQ(rows.size(), 3u);  // the last one where "ESC-sair" left it
  EXPECT_EQ(rows[0], "07/12/2026 | 17:40:12 | GER | 08/12/2026 | 08:00");
  EXPECT_EQ(rows[1], "03/12/2026 | 09:15:00 | ANA | 04/12/2026 | 08:00");
  const auto forms = t.of_kind("form");
  ASSERT_EQ(forms.size(), 2u);
  EXPECT_EQ(forms[0], "Erro: tabela danificada | Operacao: LOG_N_543 | Data: 07/12/2026");
  EXPECT_EQ(forms[1], "Erro: disco cheio | Operacao: F3");

  ASSERT_TRUE(t.screen.first_browse);
  const screen::BrowseSpec& shown = *t.screen.first_browse;
  std::vector<std::string> headings;
  for (const auto& c : shown.columns) headings.push_back(c.heading);
  EXPECT_EQ(headings, (std::vector<std::string>{"Data do Arquivo", "Hora do Arquivo", "Usu\xE1rio do Acesso",
                                                 "Data do Acesso", "Hora do Acesso"}));
  EXPECT_EQ(shown.frozen, 2);
  // Without the frame the usable screen is 1024 by 768.
  EXPECT_EQ(shown.geometry.width, 1024 * 66 / 100);
  EXPECT_EQ(shown.geometry.height, 768 * 46 / 100);

  // Read only: the records are as they were.
  EXPECT_EQ(t.y0->reccount(), 3u);
  t.y0->go_top();
  EXPECT_EQ(t.y0->text("C901"), "Erro: tabela danificada\r\nOperacao: LOG_N_543\r\nData: 07/12/2026\r\n");
}

TEST(ErrorLogViewer, AnEmptyLogShowsAnEmptyText) {
  Viewer t;
  t.screen.script().button("&Descri\u00E7\u00E3o").button("&Fechar").press(Key::Esc);
  LOG_N_543(t.ctx);
  t.screen.expect_done();
  EXPECT_EQ(t.of_kind("form"), std::vector<std::string>{""});
}

}  // namespace
}  // namespace zelto::app
