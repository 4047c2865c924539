#include "platform/ui/canvas.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "platform/errors.h"

namespace vorn::ui {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Drawing input computed from the user's numbers (a division by a zero box,
// for instance) must not reach the painter as inf or NaN.
void RequireFinite(const char* operation, std::initializer_list<double> values)
{
  for (const double v : values)
    if (!std::isfinite(v)) throw CalcError(std::string(operation) + ": a coordinate or size is not a finite number");
}

}  // namespace

double TwipsPerUnit(ScaleUnit unit)
{
  switch (unit) {
    case ScaleUnit::Twips: return 1.0;
    case ScaleUnit::Points: return kTwipsPerPoint;
    case ScaleUnit::Pixels: return kTwipsPerPixel;
    case ScaleUnit::Inches: return 1440.0;
    case ScaleUnit::Millimetres: return kTwipsPerMillimetre;
    case ScaleUnit::Centimetres: return kTwipsPerMillimetre * 10.0;
    case ScaleUnit::User: break;
  }
  throw std::invalid_argument("a user scale has no fixed unit");
}

Canvas::Canvas(ScaleUnit unit) : unit_(unit)
{
  if (unit_ == ScaleUnit::User) unit_ = ScaleUnit::Twips;
}

void Canvas::SetScaleMode(ScaleUnit unit)
{
  if (unit == ScaleUnit::User) {
    Freeze();
    ScaleChanged();
    return;
  }
  unit_ = unit;
  left_ = 0.0;
  top_ = 0.0;
  ScaleChanged();
}

double Canvas::ScaleWidth() const
{
  return unit_ == ScaleUnit::User ? width_ : DrawingAreaTwips().width / TwipsPerUnit(unit_);
}

double Canvas::ScaleHeight() const
{
  return unit_ == ScaleUnit::User ? height_ : DrawingAreaTwips().height / TwipsPerUnit(unit_);
}

void Canvas::Freeze()
{
  if (unit_ == ScaleUnit::User) return;
  width_ = ScaleWidth();
  height_ = ScaleHeight();
  unit_ = ScaleUnit::User;
}

void Canvas::SetScaleLeft(double left)
{
  RequireFinite("ScaleLeft", {left});
  Freeze();
  left_ = left;
  ScaleChanged();
}

void Canvas::SetScaleTop(double top)
{
  RequireFinite("ScaleTop", {top});
  Freeze();
  top_ = top;
  ScaleChanged();
}

void Canvas::SetScaleWidth(double width)
{
  RequireFinite("ScaleWidth", {width});
  if (width == 0.0) throw std::invalid_argument("ScaleWidth cannot be 0");
  Freeze();
  width_ = width;
  ScaleChanged();
}

void Canvas::SetScaleHeight(double height)
{
  RequireFinite("ScaleHeight", {height});
  if (height == 0.0) throw std::invalid_argument("ScaleHeight cannot be 0");
  Freeze();
  height_ = height;
  ScaleChanged();
}

void Canvas::Scale(double left, double top, double width, double height)
{
  RequireFinite("Scale", {left, top, width, height});
  if (width == 0.0 || height == 0.0) throw std::invalid_argument("Scale: width and height cannot be 0");
  unit_ = ScaleUnit::User;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ScaleChanged();
}

UserScale Canvas::CurrentScale() const
{
  const Size area = DrawingAreaTwips();
  UserScale s;
  s.left = left_;
  s.top = top_;
  s.width = ScaleWidth();
  s.height = ScaleHeight();
  // A drawing area of no size still maps, so that a hidden or collapsed
  // picture keeps its items in consistent coordinates.
  s.widthTwips = area.width > 0.0 ? area.width : 1.0;
  s.heightTwips = area.height > 0.0 ? area.height : 1.0;
  if (unit_ != ScaleUnit::User) {
    s.width = s.widthTwips / TwipsPerUnit(unit_);
    s.height = s.heightTwips / TwipsPerUnit(unit_);
  }
  return s;
}

void Canvas::SetDrawWidth(int width)
{
  if (width < 1) throw std::invalid_argument("DrawWidth must be at least 1, not " + std::to_string(width));
  drawWidth_ = width;
}

FontSpec Canvas::Font() const { return font_ ? *font_ : DefaultFont(); }

void Canvas::SetFontName(std::string name)
{
  FontSpec f = Font();
  f.name = std::move(name);
  font_ = f;
}

void Canvas::SetFontSize(double points)
{
  if (!(points > 0.0) || !std::isfinite(points))
    throw std::invalid_argument("FontSize must be above 0");
  FontSpec f = Font();
  f.size = points;
  font_ = f;
}

void Canvas::SetFontBold(bool bold)
{
  FontSpec f = Font();
  f.bold = bold;
  font_ = f;
}

void Canvas::SetFontItalic(bool italic)
{
  FontSpec f = Font();
  f.italic = italic;
  font_ = f;
}

void Canvas::Print(std::string_view text)
{
  RequireFinite("Print", {currentX_, currentY_});
  const UserScale scale = CurrentScale();
  const FontSpec font = Font();
  if (!text.empty()) {
    StartDrawing().push_back(TextItem{{currentX_, currentY_}, std::string(text), foreColor_, font, scale});
  }
  // One line further down the screen, whichever way the scale's y runs.
  const double lineTwips = Metrics().Measure(font, text).height;
  currentX_ = scale.left;
  currentY_ += lineTwips * scale.height / scale.heightTwips;
  if (!text.empty()) Drawn();
}

void Canvas::Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, foreColor_); }

void Canvas::Line(double x1, double y1, double x2, double y2, Color color)
{
  RequireFinite("Line", {x1, y1, x2, y2});
  const UserScale scale = CurrentScale();
  StartDrawing().push_back(LineItem{{x1, y1}, {x2, y2}, Pen{color, drawWidth_, drawStyle_}, scale});
  MoveCurrentPoint(x2, y2);
  Drawn();
}

void Canvas::LineTo(double x2, double y2) { Line(currentX_, currentY_, x2, y2, foreColor_); }

void Canvas::LineTo(double x2, double y2, Color color) { Line(currentX_, currentY_, x2, y2, color); }

void Canvas::AddBox(double x1, double y1, double x2, double y2, Color line, std::optional<Fill> fill)
{
  RequireFinite("Line box", {x1, y1, x2, y2});
  const UserScale scale = CurrentScale();
  StartDrawing().push_back(BoxItem{{x1, y1}, {x2, y2}, Pen{line, drawWidth_, drawStyle_}, fill, scale});
  MoveCurrentPoint(x2, y2);
  Drawn();
}

void Canvas::Box(double x1, double y1, double x2, double y2) { Box(x1, y1, x2, y2, foreColor_); }

void Canvas::Box(double x1, double y1, double x2, double y2, Color color)
{
  std::optional<Fill> fill;
  if (fillStyle_ != ui::FillStyle::Transparent) fill = Fill{fillColor_, fillStyle_};
  AddBox(x1, y1, x2, y2, color, fill);
}

void Canvas::FilledBox(double x1, double y1, double x2, double y2) { FilledBox(x1, y1, x2, y2, foreColor_); }

void Canvas::FilledBox(double x1, double y1, double x2, double y2, Color color)
{
  AddBox(x1, y1, x2, y2, color, Fill{color, ui::FillStyle::Solid});
}

void Canvas::PSet(double x, double y) { PSet(x, y, foreColor_); }

void Canvas::PSet(double x, double y, Color color)
{
  RequireFinite("PSet", {x, y});
  const UserScale scale = CurrentScale();
  StartDrawing().push_back(PointItem{{x, y}, color, drawWidth_, scale});
  MoveCurrentPoint(x, y);
  Drawn();
}

void Canvas::Circle(double x, double y, double radius, std::optional<Color> color, std::optional<double> start,
                    std::optional<double> end, double aspect)
{
  RequireFinite("Circle", {x, y, radius, aspect, start.value_or(0.0), end.value_or(0.0)});
  for (const auto& angle : {start, end})
    if (angle && std::abs(*angle) > kTwoPi + 1e-9)
      throw std::invalid_argument("Circle: an angle must lie within -2 pi .. 2 pi");
  ArcItem arc;
  arc.centre = {x, y};
  arc.radius = radius;
  arc.aspect = aspect;
  if (start) {
    arc.radiusToStart = *start < 0.0;
    arc.start = std::abs(*start);
  }
  if (end) {
    arc.radiusToEnd = *end < 0.0;
    arc.end = std::abs(*end);
  }
  arc.pen = Pen{color.value_or(foreColor_), drawWidth_, drawStyle_};
  const bool closed = (!start && !end) || (arc.radiusToStart && arc.radiusToEnd);
  if (closed && fillStyle_ != ui::FillStyle::Transparent) arc.fill = Fill{fillColor_, fillStyle_};
  arc.scale = CurrentScale();
  StartDrawing().push_back(std::move(arc));
  MoveCurrentPoint(x, y);
  Drawn();
}

double Canvas::TextWidth(std::string_view text) const
{
  return Metrics().Measure(Font(), text).width / CurrentScale().TwipsPerUnitX();
}

double Canvas::TextHeight(std::string_view text) const
{
  return Metrics().Measure(Font(), text).height / CurrentScale().TwipsPerUnitY();
}

Canvas::TextMeasure Canvas::MeasureText(std::string_view text) const
{
  const TextExtent e = Metrics().Measure(Font(), text);
  const UserScale scale = CurrentScale();
  const double x = scale.TwipsPerUnitX();
  const double y = scale.TwipsPerUnitY();
  return {e.width / x, e.height / y, e.inkTop / y, e.inkBottom / y};
}

}  // namespace vorn::ui
