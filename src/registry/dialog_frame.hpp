#pragma once
// The frames of the program's own dialogs: G_TELA, measured in rows and
// columns of the standard font and titled with the program's prefix, and
// G_DIALOG, measured in pixels. Both give a form definition to fill with
// inputs and buttons and run through the screen.

#include "platform/screen/form.hpp"
#include "registry/entry_field.hpp"

namespace zelto::registry {

// "-= ZeltoECF =- " + title, rows r1 to r2, columns c1 to c2.
screen::FormSpec G_TELA(const Text& title, int r1 = 2, int c1 = 3, int r2 = 36, int c2 = 96);
// The title as given, top, left, bottom and right in pixels.
screen::FormSpec G_DIALOG(const Text& title, int top, int left, int bottom, int right);

}  // namespace zelto::registry
