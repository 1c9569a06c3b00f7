#pragma once
// The main frame: the window the program runs in after the login, until
// the orderly end lets it close.

#include "app/startup.hpp"

namespace zelto::app {

inline constexpr const char* kFrameWindow = "frame";
inline constexpr const char* kStartWindow = "start";

// Where the main windows stand: 92 % of the screen's width and height,
// 4 % from its top-left corner.
screen::Rect main_window_area(const screen::Rect& screen_area);

// Builds the main frame, starts the sales screen on it and runs the
// operator's session until the run ends.
void OLD_MAIN(core::Ctx& ctx, const StartupHost& host);

// The frame's close request: refused until the orderly end allows it.
bool frame_may_close(const core::Globals& g);

}  // namespace zelto::app
