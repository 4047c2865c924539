// The drawing methods and drawing state shared by picture boxes and the
// printer: a scale, a current point, colours, pen and font, and operations that
// append to a display list (display_list.h). Nothing is painted here: the
// window binding paints the list, and the printer hands it to the print service.
#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/display_list.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace vorn::ui {

// Scale units (ScaleMode). Setting a unit puts the origin at the drawing area's
// top-left corner; setting any of ScaleLeft/Top/Width/Height makes the scale a
// user scale that keeps the other three.
enum class ScaleUnit { User = 0, Twips = 1, Points = 2, Pixels = 3, Inches = 5, Millimetres = 6, Centimetres = 7 };

double TwipsPerUnit(ScaleUnit unit);  // throws std::invalid_argument for User

class Canvas {
public:
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  virtual ~Canvas() = default;

  // ---- scale ----
  ScaleUnit ScaleMode() const { return unit_; }
  void SetScaleMode(ScaleUnit unit);
  double ScaleLeft() const { return left_; }
  double ScaleTop() const { return top_; }
  double ScaleWidth() const;
  double ScaleHeight() const;
  void SetScaleLeft(double left);
  void SetScaleTop(double top);
  void SetScaleWidth(double width);    // throws std::invalid_argument for 0
  void SetScaleHeight(double height);  // negative: y runs upward
  // A user scale: left and top edge coordinates, width and height in units.
  void Scale(double left, double top, double width, double height);
  UserScale CurrentScale() const;

  // ---- drawing state ----
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c) { foreColor_ = c; }
  Color FillColor() const { return fillColor_; }
  void SetFillColor(Color c) { fillColor_ = c; }
  ui::FillStyle FillStyle() const { return fillStyle_; }
  void SetFillStyle(ui::FillStyle s) { fillStyle_ = s; }
  int DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(int width);  // pixels (printer: dots); throws std::invalid_argument below 1
  ui::DrawStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(ui::DrawStyle s) { drawStyle_ = s; }
  FontSpec Font() const;
  void SetFont(const FontSpec& font) { font_ = font; }
  std::string FontName() const { return Font().name; }
  void SetFontName(std::string name);
  double FontSize() const { return Font().size; }
  void SetFontSize(double points);  // throws std::invalid_argument unless above 0
  bool FontBold() const { return Font().bold; }
  void SetFontBold(bool bold);
  bool FontItalic() const { return Font().italic; }
  void SetFontItalic(bool italic);

  // ---- drawing ----
  // Text with its top-left corner at the current point; afterwards the current
  // point is at the start of the next line (CurrentX = ScaleLeft, CurrentY one
  // line further down the screen). An empty text only moves to the next line.
  void Print(std::string_view text);
  // A straight line in the fore colour or the colour given; the current point
  // moves to its end.
  void Line(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2, Color color);
  // A straight line from the current point.
  void LineTo(double x2, double y2);
  void LineTo(double x2, double y2, Color color);
  // The outline of a box between two corners, filled with FillColor unless
  // FillStyle is Transparent; the current point moves to the second corner.
  void Box(double x1, double y1, double x2, double y2);
  void Box(double x1, double y1, double x2, double y2, Color color);
  // A box filled with its own line colour.
  void FilledBox(double x1, double y1, double x2, double y2);
  void FilledBox(double x1, double y1, double x2, double y2, Color color);
  // One point DrawWidth pixels across; the current point moves there.
  void PSet(double x, double y);
  void PSet(double x, double y, Color color);
  // A circle, ellipse or arc (see ArcItem for the meaning of radius, angles and
  // aspect). Angles lie within -2 pi .. 2 pi (std::invalid_argument otherwise);
  // a negative angle also draws the radius line to that end. A whole curve or a
  // pie is filled with FillColor unless FillStyle is Transparent. The current
  // point moves to the centre.
  void Circle(double x, double y, double radius, std::optional<Color> color = {},
              std::optional<double> start = {}, std::optional<double> end = {}, double aspect = 1.0);

  // Size of a text in the current font, in units of the current scale.
  double TextWidth(std::string_view text) const;
  double TextHeight(std::string_view text) const;
  // Width, line height and where the ink lies down from the line's top, in
  // units of the current scale (y measured downward the screen).
  struct TextMeasure {
    double width = 0.0;
    double height = 0.0;
    double inkTop = 0.0;
    double inkBottom = 0.0;
  };
  TextMeasure MeasureText(std::string_view text) const;

protected:
  explicit Canvas(ScaleUnit unit);

  // The drawing area's size in twips.
  virtual Size DrawingAreaTwips() const = 0;
  virtual const FontMetrics& Metrics() const = 0;
  // The font when none was set on the canvas itself.
  virtual FontSpec DefaultFont() const = 0;
  // Where the next item goes (the printer starts its document here).
  virtual DisplayList& StartDrawing() = 0;
  // A drawing operation has been added.
  virtual void Drawn() = 0;
  // The scale has changed (controls inside a picture move with it).
  virtual void ScaleChanged() {}

  void MoveCurrentPoint(double x, double y)
  {
    currentX_ = x;
    currentY_ = y;
  }

private:
  void Freeze();  // turn a unit scale into the same user scale
  void AddBox(double x1, double y1, double x2, double y2, Color line, std::optional<Fill> fill);

  ScaleUnit unit_;
  double left_ = 0.0;
  double top_ = 0.0;
  double width_ = 1.0;   // user scale only
  double height_ = 1.0;  // user scale only
  double currentX_ = 0.0;
  double currentY_ = 0.0;
  Color foreColor_ = colors::Black;
  Color fillColor_ = colors::Black;
  ui::FillStyle fillStyle_ = ui::FillStyle::Transparent;
  int drawWidth_ = 1;
  ui::DrawStyle drawStyle_ = ui::DrawStyle::Solid;
  std::optional<FontSpec> font_;
};

}  // namespace vorn::ui
