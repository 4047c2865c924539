// Positions and sizes. Controls on a form or in a frame are placed in twips
// (1/1440 inch; the windows show 15 twips per pixel); controls inside a
// picture box are placed in that picture's scale.
#pragma once

namespace vorn::ui {

inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;

struct Point {
  double x = 0.0;
  double y = 0.0;
  friend constexpr bool operator==(Point, Point) = default;
};

// Left, top, width and height, as the old runtime's Move takes them.
struct Rect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The two end points of a line control.
struct LineEnds {
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
  friend constexpr bool operator==(const LineEnds&, const LineEnds&) = default;
};

struct Size {
  double width = 0.0;
  double height = 0.0;
};

}  // namespace vorn::ui
