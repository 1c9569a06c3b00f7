#pragma once
// The sales window inside the main frame with its function-key rows, on
// the scripted screen, without the sales screen's own panels: the frame's
// part of the free checkout alone.

#include "app/button_rows.hpp"
#include "app/main_frame.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::app::testing {

struct FrameFixture : zelto::testing::ScriptedCtx {
  screen::Window* sales = nullptr;

  // Opens the frame and the sales window and builds the rows, as the main
  // frame does before the sales screen starts.
  screen::Window& open() {
    screen::WindowSpec frame;
    frame.name = kFrameWindow;
    frame.title = "ZeltoECF";
    frame.message_bar = true;
    screen.open_window(std::move(frame));
    screen::WindowSpec window;
    window.name = kSalesWindow;
    window.parent = kFrameWindow;
    window.geometry = {0, 0, 900, 650};
    sales = &screen.open_window(std::move(window));
    build_button_rows(ctx, *sales);
    return *sales;
  }
  // Plays the script on the windows until it is done or the run ends.
  void play() {
    screen.play([this] { return run.end_requested; });
    screen.expect_done();
  }
  int count(const std::string& kind) const {
    int n = 0;
    for (const auto& e : transcript().entries()) n += e.kind == kind;
    return n;
  }
};

}  // namespace zelto::app::testing
