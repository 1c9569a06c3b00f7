#pragma once
// The label of a field: a plain text, or the program's own framed text
// control when the field asks for a 3D look (the login's shaded labels).

#include <QWidget>

#include "platform/screen/form.hpp"

namespace zelto::screen::qt {

QWidget* make_field_label(const Field& field, QWidget* parent);
void set_field_label_text(QWidget& label, const Text& text);

}  // namespace zelto::screen::qt
