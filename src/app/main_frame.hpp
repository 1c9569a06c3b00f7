#pragma once
// The main frame: the window the program runs in after the login, until
// the orderly end lets it close. It has no menu bar (F10 pops the system
// menu up) and a message bar; inside it stands the sales window, which
// carries the function-key rows (button_rows.hpp) and the sales screen.

#include "app/startup.hpp"

namespace zelto::app {

inline constexpr const char* kFrameWindow = "frame";
inline constexpr const char* kStartWindow = "start";
// The sales window, a child of the frame. The frame opens it empty with the
// function-key rows; the sales screen adds its panels and entry row.
inline constexpr const char* kSalesWindow = "venda";

// Where the main windows stand: 92 % of the screen's width and height,
// 4 % from its top-left corner.
screen::Rect main_window_area(const screen::Rect& screen_area);

// The usable area of the screen, for screens sized by it (the error-log
// viewer); 1024 by 768 before the frame is built.
screen::Rect usable_screen(const core::Ctx& ctx);

// The message bar's standing text: program, version, operator, ECF.
core::Text frame_status_line(const core::Globals& g);

// Builds the main frame and the sales window with its rows, starts the
// sales screen on it and runs the operator's session until the run ends.
void OLD_MAIN(core::Ctx& ctx, const StartupHost& host);

// The frame's close request: refused until the orderly end allows it.
bool frame_may_close(const core::Globals& g);

}  // namespace zelto::app
