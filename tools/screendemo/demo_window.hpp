#pragma once
// The demonstration window: the main frame of the screen layer with its
// panels, entry row and function-key buttons, and the text controls shown
// directly beside them.

#include "platform/screen/qt/qt_screen.hpp"

namespace zelto::demo {

// Opens the frame on `screen` and fills it.
void build_demo_window(screen::qt::QtScreen& screen);

// What the function keys and buttons of the frame run.
void install_demo_actions(screen::Screen& screen, screen::Window& frame);

}  // namespace zelto::demo
