#include "platform/ui/line_shape.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/errors.h"

namespace vorn::ui {

namespace {

Rect BoundsOf(const LineEnds& e)
{
  const double left = std::min(e.x1, e.x2);
  const double top = std::min(e.y1, e.y2);
  return {left, top, std::max(e.x1, e.x2) - left, std::max(e.y1, e.y2) - top};
}

void RequireWidth(const std::string& name, int width)
{
  if (width < 1) throw std::invalid_argument(name + ": BorderWidth must be at least 1");
}

}  // namespace

LineControl::LineControl(Container& parent, std::string name, LineEnds ends)
    : Control(parent, std::move(name), Rect{}), ends_{}
{
  SetEnds(ends);
}

void LineControl::SetEnds(LineEnds ends)
{
  for (const double v : {ends.x1, ends.y1, ends.x2, ends.y2})
    if (!std::isfinite(v)) throw CalcError(Name() + ": a line end is not a finite number");
  if (ends == ends_ && Bounds() == BoundsOf(ends)) return;
  ends_ = ends;
  SetBoundsQuietly(BoundsOf(ends));
  Changed(Prop::Geometry);
}

void LineControl::SetX1(double x) { SetEnds({x, ends_.y1, ends_.x2, ends_.y2}); }
void LineControl::SetY1(double y) { SetEnds({ends_.x1, y, ends_.x2, ends_.y2}); }
void LineControl::SetX2(double x) { SetEnds({ends_.x1, ends_.y1, x, ends_.y2}); }
void LineControl::SetY2(double y) { SetEnds({ends_.x1, ends_.y1, ends_.x2, y}); }

void LineControl::SetBorderColor(Color color)
{
  color_ = color;
  Changed(Prop::Style);
}

void LineControl::SetBorderWidth(int width)
{
  RequireWidth(Name(), width);
  width_ = width;
  Changed(Prop::Style);
}

void LineControl::SetBorderStyle(DrawStyle style)
{
  style_ = style;
  Changed(Prop::Style);
}

Shape::Shape(Container& parent, std::string name, Rect bounds, ShapeType type)
    : Control(parent, std::move(name), bounds), type_(type)
{
}

void Shape::SetType(ShapeType type)
{
  type_ = type;
  Changed(Prop::Style);
}

void Shape::SetFillStyle(ui::FillStyle style)
{
  fillStyle_ = style;
  Changed(Prop::Style);
}

void Shape::SetFillColor(Color color)
{
  fillColor_ = color;
  Changed(Prop::Style);
}

void Shape::SetBorderColor(Color color)
{
  borderColor_ = color;
  Changed(Prop::Style);
}

void Shape::SetBorderWidth(int width)
{
  RequireWidth(Name(), width);
  borderWidth_ = width;
  Changed(Prop::Style);
}

void Shape::SetBorderStyle(DrawStyle style)
{
  borderStyle_ = style;
  Changed(Prop::Style);
}

void Shape::SetOpaque(bool opaque)
{
  opaque_ = opaque;
  Changed(Prop::Style);
}

}  // namespace vorn::ui
