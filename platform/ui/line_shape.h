// Line controls and shapes: drawn figures that are controls of their own, so
// that code can move, show and hide them (a cursor line, a table's ruling).
#pragma once

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/display_list.h"

namespace vorn::ui {

// A straight line between two points in its container's units.
class LineControl final : public Control {
public:
  LineControl(Container& parent, std::string name, LineEnds ends = {});

  ui::Kind Kind() const override { return ui::Kind::Line; }

  double X1() const { return ends_.x1; }
  double Y1() const { return ends_.y1; }
  double X2() const { return ends_.x2; }
  double Y2() const { return ends_.y2; }
  LineEnds Ends() const { return ends_; }
  void SetX1(double x);
  void SetY1(double y);
  void SetX2(double x);
  void SetY2(double y);
  // Moves both ends at once (one repaint); throws vorn::CalcError for an end
  // that is not a finite number.
  void SetEnds(LineEnds ends);

  Color BorderColor() const { return color_; }
  void SetBorderColor(Color color);
  int BorderWidth() const { return width_; }  // pixels
  void SetBorderWidth(int width);
  DrawStyle BorderStyle() const { return style_; }
  void SetBorderStyle(DrawStyle style);

  // A line has two ends, not a box: these would leave them behind.
  void SetLeft(double) = delete;
  void SetTop(double) = delete;
  void SetWidth(double) = delete;
  void SetHeight(double) = delete;
  void Move(double, double) = delete;
  void Move(double, double, double, double) = delete;

private:
  LineEnds ends_;
  Color color_ = colors::Black;
  int width_ = 1;
  DrawStyle style_ = DrawStyle::Solid;
};

enum class ShapeType { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

class Shape final : public Control {
public:
  Shape(Container& parent, std::string name, Rect bounds = {}, ShapeType type = ShapeType::Rectangle);

  ui::Kind Kind() const override { return ui::Kind::Shape; }

  ShapeType Type() const { return type_; }
  void SetType(ShapeType type);
  ui::FillStyle FillStyle() const { return fillStyle_; }
  void SetFillStyle(ui::FillStyle style);
  Color FillColor() const { return fillColor_; }
  void SetFillColor(Color color);
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color color);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  DrawStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(DrawStyle style);
  // Opaque shapes paint their BackColor inside before the fill.
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool opaque);

private:
  ShapeType type_;
  ui::FillStyle fillStyle_ = ui::FillStyle::Transparent;
  Color fillColor_ = colors::Black;
  Color borderColor_ = colors::Black;
  int borderWidth_ = 1;
  DrawStyle borderStyle_ = DrawStyle::Solid;
  bool opaque_ = false;
};

}  // namespace vorn::ui
