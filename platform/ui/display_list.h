// What a picture box or a printed page holds: the drawing operations in the
// order they were made, each with its coordinates in the user scale that was
// in force when it was drawn, and that scale itself. The window binding paints
// from it; tests read it ("text 'X' at (120, 43)").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace vorn::ui {

// A user scale: the coordinates of the drawing area's left and top edges and
// its width and height in user units (a negative height makes y run upward),
// with the area's size in twips. ToTwips gives twips from the area's top-left.
struct UserScale {
  double left = 0.0;
  double top = 0.0;
  double width = 1.0;
  double height = 1.0;
  double widthTwips = 1.0;
  double heightTwips = 1.0;

  Point ToTwips(Point p) const
  {
    return {(p.x - left) * widthTwips / width, (p.y - top) * heightTwips / height};
  }
  Point FromTwips(Point t) const
  {
    return {left + t.x * width / widthTwips, top + t.y * height / heightTwips};
  }
  // Size of one user unit in twips (always positive).
  double TwipsPerUnitX() const;
  double TwipsPerUnitY() const;

  friend bool operator==(const UserScale&, const UserScale&) = default;
};

// Line styles of the old runtime (DrawStyle, BorderStyle of lines).
enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Transparent = 5, InsideSolid = 6 };

// Fill patterns of the old runtime (FillStyle).
enum class FillStyle {
  Solid = 0,
  Transparent = 1,
  HorizontalLine = 2,
  VerticalLine = 3,
  UpwardDiagonal = 4,
  DownwardDiagonal = 5,
  Cross = 6,
  DiagonalCross = 7
};

struct Pen {
  Color color;
  int width = 1;  // pixels on a screen, dots on a printer
  DrawStyle style = DrawStyle::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Fill {
  Color color;
  FillStyle style = FillStyle::Solid;
  friend bool operator==(const Fill&, const Fill&) = default;
};

// Text with its top-left corner at `at`; the background stays as it was.
struct TextItem {
  Point at;
  std::string text;
  Color color;
  FontSpec font;
  UserScale scale;
};

struct LineItem {
  Point from;
  Point to;
  Pen pen;
  UserScale scale;
};

// A box between two opposite corners; filled when `fill` is set.
struct BoxItem {
  Point from;
  Point to;
  Pen pen;
  std::optional<Fill> fill;
  UserScale scale;
};

struct PointItem {
  Point at;
  Color color;
  int width = 1;  // the dot's diameter in pixels (dots on a printer)
  UserScale scale;
};

// A circle, an ellipse or an arc of one. The radius is measured in units of the
// horizontal scale. With aspect < 1 it is the horizontal semi-axis and the
// vertical one is radius x aspect; with aspect >= 1 it is the vertical semi-axis
// and the horizontal one is radius / aspect. Angles are in radians,
// counter-clockwise from the +x direction as seen on the screen; without them
// the whole curve is drawn. A radius line joins the centre to an end whose
// angle was given negative.
struct ArcItem {
  Point centre;
  double radius = 0.0;
  double aspect = 1.0;
  std::optional<double> start;
  std::optional<double> end;
  bool radiusToStart = false;
  bool radiusToEnd = false;
  Pen pen;
  std::optional<Fill> fill;
  UserScale scale;

  // The horizontal and vertical semi-axes in twips.
  Size SemiAxesTwips() const;
};

using DrawItem = std::variant<TextItem, LineItem, BoxItem, PointItem, ArcItem>;
using DisplayList = std::vector<DrawItem>;

// For tests and form code that inspect a drawing.
std::vector<const TextItem*> TextItems(const DisplayList& items);
std::vector<const LineItem*> LineItems(const DisplayList& items);
// The first text item with exactly this text, or null.
const TextItem* FindText(const DisplayList& items, std::string_view text);

}  // namespace vorn::ui
