#include "platform/screen/browse_session.hpp"

#include <gtest/gtest.h>

#include "platform/screen/list_cursor.hpp"

namespace zelto::screen {
namespace {

// A table of `n` rows "0001", "0002" ... seen through a list cursor.
struct Table {
  long n;
  ListCursor cursor;
  std::vector<std::string> ran;

  explicit Table(long rows)
      : n(rows), cursor([this] { return n; }, [this](long i) { return code(i); }) {}
  static Text code(long i) {
    Text s = std::to_string(i + 1);
    return s.size() < 4 ? std::string(4 - s.size(), '0') + s : s;
  }
  BrowseSpec definition(int page_rows = 5) {
    BrowseSpec s;
    s.title = "Itens";
    s.page_rows = page_rows;
    s.columns.push_back({.heading = "Codigo", .value = [this] { return code(cursor.position()); }});
    s.buttons.push_back({.caption = "&Incluir", .action = [this](BrowseSession&) { ran.push_back("incluir " + code(cursor.position())); }});
    s.buttons.push_back({.caption = "&Fechar", .action = [](BrowseSession& b) { b.close(); }});
    return s;
  }
};

std::vector<Text> codes(const std::vector<BrowseRow>& rows) {
  std::vector<Text> out;
  for (const auto& r : rows) out.push_back(r.cells.at(0) + (r.current ? "*" : ""));
  return out;
}

TEST(BrowseSession, PagesFollowTheCurrentRowWithoutMovingIt) {
  Table t(12);
  BrowseSession b(t.definition(), t.cursor);
  EXPECT_EQ(codes(b.page()), (std::vector<Text>{"0001*", "0002", "0003", "0004", "0005"}));
  for (int i = 0; i < 6; ++i) b.press(Key::Down);
  EXPECT_EQ(t.cursor.position(), 6);
  EXPECT_EQ(codes(b.page()), (std::vector<Text>{"0003", "0004", "0005", "0006", "0007*"}));
  EXPECT_EQ(t.cursor.position(), 6);
  b.press(Key::Up);
  EXPECT_EQ(codes(b.page()), (std::vector<Text>{"0003", "0004", "0005", "0006*", "0007"}));
  b.press(Key::End);
  EXPECT_EQ(codes(b.page()), (std::vector<Text>{"0008", "0009", "0010", "0011", "0012*"}));
  b.press(Key::Down);  // nothing past the last row
  EXPECT_EQ(t.cursor.position(), 11);
  b.press(Key::PageUp);
  EXPECT_EQ(t.cursor.position(), 7);
  b.press(Key::Home);
  EXPECT_EQ(codes(b.page()).front(), "0001*");
}

TEST(BrowseSession, ReadsOnlyThePageItShows) {
  Table t(100000);
  BrowseSession b(t.definition(15), t.cursor);
  t.cursor.go_to(50000);
  b.refresh();
  const auto rows = b.page();
  EXPECT_EQ(rows.size(), 15u);
  EXPECT_LE(t.cursor.steps(), 2 * 15);
  EXPECT_EQ(rows.front().cells[0], "50001");
}

TEST(BrowseSession, LettersRunTheButtonThatClaimsThemOnTheCurrentRow) {
  Table t(3);
  BrowseSession b(t.definition(), t.cursor);
  b.press(Key::Down);
  EXPECT_TRUE(b.type('i'));
  EXPECT_FALSE(b.type('x'));
  EXPECT_EQ(t.ran, (std::vector<std::string>{"incluir 0002"}));
  EXPECT_TRUE(b.open());
  EXPECT_TRUE(b.type('F'));
  EXPECT_FALSE(b.open());
}

TEST(BrowseSession, StripesFooterAndEmptyTables) {
  Table t(4);
  BrowseSpec def = t.definition();
  def.columns.push_back({.heading = "Valor", .value = [] { return Text("1,00"); }, .align = Align::Right,
                          .footer = [] { return Text("4,00"); }});
  BrowseSession b(def, t.cursor);
  const auto rows = b.page();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_TRUE(rows[0].odd);
  EXPECT_FALSE(rows[1].odd);
  EXPECT_TRUE(rows[2].odd);
  EXPECT_EQ(b.footer(), (std::vector<Text>{"", "4,00"}));
  EXPECT_TRUE(BrowseSession(t.definition(), t.cursor).footer().empty());

  Table none(0);
  BrowseSession e(none.definition(), none.cursor);
  EXPECT_TRUE(e.page().empty());
  EXPECT_TRUE(e.current_cells().empty());
  e.press(Key::Down);
  EXPECT_TRUE(e.page().empty());
}

}  // namespace
}  // namespace zelto::screen
