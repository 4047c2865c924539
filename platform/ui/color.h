// Colours of the windows and drawings.
//
// A colour is kept as an explicit red-green-blue triple. The old runtime kept
// colours as one long in blue-green-red order (&HC0C0C0, &H00C0FFFF&); write
// such a value through FromVbLong(), and a web-style "#FFFFC0" through Rgb().
#pragma once

#include <cstdint>

namespace vorn::ui {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color Rgb(int r, int g, int b)
{
  return Color{static_cast<std::uint8_t>(r & 0xFF), static_cast<std::uint8_t>(g & 0xFF),
               static_cast<std::uint8_t>(b & 0xFF)};
}

// A long in the old runtime's order: red in the lowest byte, then green, then blue.
constexpr Color FromVbLong(std::uint32_t bgr)
{
  return Rgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
             static_cast<int>((bgr >> 16) & 0xFF));
}

// The 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 yellow, 7 white (light grey), 8 grey, 9 light blue, 10 light green,
// 11 light cyan, 12 light red, 13 light magenta, 14 light yellow, 15 bright white.
// Throws std::invalid_argument for a number outside 0..15.
Color QBColor(int n);

namespace colors {
inline constexpr Color Black = Rgb(0, 0, 0);
inline constexpr Color White = Rgb(255, 255, 255);
inline constexpr Color LightGrey = Rgb(0xC0, 0xC0, 0xC0);
inline constexpr Color Red = Rgb(255, 0, 0);
inline constexpr Color Blue = Rgb(0, 0, 255);
inline constexpr Color LightYellow = Rgb(0xFF, 0xFF, 0xC0);
inline constexpr Color LightCyan = Rgb(0xC0, 0xFF, 0xFF);
// The desktop's colours that the old windows took from the system: the face of
// buttons, labels and forms, the text on buttons, and the inside of input boxes.
inline constexpr Color ButtonFace = Rgb(0xF0, 0xF0, 0xF0);
inline constexpr Color ButtonText = Rgb(0, 0, 0);
inline constexpr Color WindowBackground = Rgb(255, 255, 255);
inline constexpr Color WindowText = Rgb(0, 0, 0);
}  // namespace colors

}  // namespace vorn::ui
