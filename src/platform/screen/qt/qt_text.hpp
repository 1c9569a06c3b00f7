#pragma once
// The Windows-1252 <-> UTF-8 edge of the real windows: every text the
// system hands the screen is converted here and nowhere else.

#include <QString>
#include <optional>

#include "platform/runtime/cp1252.hpp"
#include "platform/screen/types.hpp"

namespace zelto::screen::qt {

inline QString to_qt(const Text& cp1252) { return QString::fromStdString(runtime::cp1252_to_utf8(cp1252)); }
inline Text from_qt(const QString& s) { return runtime::utf8_to_cp1252(s.toStdString()); }

}  // namespace zelto::screen::qt
