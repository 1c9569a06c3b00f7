#pragma once
// A browse window over a table: columns, frozen columns, a footer of
// totals, striped rows and a row of buttons with hot keys.

#include <functional>
#include <vector>

#include "platform/screen/types.hpp"

namespace zelto::screen {

class BrowseSession;

struct Column {
  Text heading{};
  std::function<Text()> value{};  // reads the cursor's current row
  Align align = Align::Left;
  Align heading_align = Align::Left;
  std::function<Text()> footer{};  // a total; any column with one gives the browse a footer line
  Align footer_align = Align::Right;
  int width = 0;  // characters; 0 lets the backend size it
};

struct BrowseButton {
  Text caption{};  // "&Incluir"
  std::function<void(BrowseSession&)> action{};
  bool enabled = true;
};

struct BrowseSpec {
  Text title{};
  std::vector<Column> columns{};
  int frozen = 0;
  std::vector<BrowseButton> buttons{};
  bool striped = true;
  Colour stripe_even = Colour::from_bgr(16777215);  // white
  Colour stripe_odd = Colour::from_bgr(12632256);   // light grey
  Colour current_row = Colour::from_bgr(16768185);
  int page_rows = 15;
  Rect geometry{};  // in the main frame; empty lets the backend choose
};

}  // namespace zelto::screen
