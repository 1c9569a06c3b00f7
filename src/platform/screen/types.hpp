#pragma once
// Plain types every screen of the program uses.
//
// Texts cross the screen layer as Windows-1252 bytes, exactly as the tables
// and the system's logic hold them; each backend converts at its own edge
// (the real windows show UTF-8, the scripted transcript is UTF-8). No screen
// ever converts on its own.

#include <cstdint>
#include <string>

namespace zelto::screen {

using Text = std::string;  // Windows-1252 bytes

// Pixels within the parent window; an empty size lets the backend choose.
struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// 0xRRGGBB. The old colour numbers of the tables are 0xBBGGRR: use from_bgr.
struct Colour {
  std::uint32_t rgb = 0;
  static constexpr Colour from_bgr(std::uint32_t bgr) {
    return Colour{((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF)};
  }
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class Align { Left, Right, Centre };

// The 3D look of a text: inset (shaded), etched box, raised.
enum class Frame { None, Shaded, Box, Raised };

}  // namespace zelto::screen
