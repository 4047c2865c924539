#include "mainwin/shape_preview.h"

#include <cmath>
#include <initializer_list>

#include "platform/ui/color.h"

namespace vorn::mainwin {
namespace {

constexpr ui::Color kGrey = ui::Rgb(128, 128, 128);
constexpr ui::Color kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Color kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);

// The half turn as the dialog has always drawn it: the cylinder and ellipse
// with 3.14159, the racetrack's quarter circles with 3.141592.
constexpr double kHalfTurn = 3.14159;
constexpr double kRacetrackPi = 3.141592;

// Where the sides of the shapes end: 50 cm below the skin.
constexpr double kSidesEnd_mm = -500.0;

bool Reachable(std::initializer_list<double> values)
{
  for (const double v : values)
    if (!std::isfinite(v) || std::abs(v) > kPreviewReach_mm) return false;
  return true;
}

void DrawGrid(ui::PictureBox& p)
{
  p.SetDrawWidth(1);
  for (int x = -350; x <= 350; x += 50) p.Line(x, -600, x, 200, kGrey);
  for (int y = -550; y <= 150; y += 50) p.Line(-400, y, 400, y, kGrey);
}

void DrawLevelsAndAxis(ui::PictureBox& p, const ShapePreviewInput& in)
{
  p.SetDrawWidth(2);
  p.Line(-400, 0, 400, 0, kBlack);  // skin
  const double film = -10.0 * (in.ffd - in.fsd);
  if (Reachable({film})) p.Line(-400, film, 400, film, kBlack);
  p.Line(0, -600, 0, 200, kBlack);  // central axis
  // The arrowhead at the entrance point.
  p.Line(-25, 40, 0, 0, kBlack);
  p.LineTo(25, 40, kBlack);
}

void DrawCylinder(ui::PictureBox& p, double radius_cm)
{
  const double r = 10.0 * radius_cm;
  if (!(r > 0.0) || !Reachable({r})) return;
  p.Circle(0, -r, r, kBlue, 0.0, kHalfTurn);
  p.Line(r, -r, r, kSidesEnd_mm, kBlue);
  p.Line(-r, -r, -r, kSidesEnd_mm, kBlue);
}

void DrawEllipse(ui::PictureBox& p, double hRadius_cm, double vRadius_cm)
{
  const double h = 10.0 * hRadius_cm;
  const double v = 10.0 * vRadius_cm;
  // The aspect divides by the horizontal semi-axis: only a proper ellipse is drawn.
  if (!(h > 0.0) || !(v > 0.0) || !Reachable({h, v})) return;
  const double aspect = vRadius_cm / hRadius_cm;
  if (!std::isfinite(aspect)) return;
  p.Circle(0, -v, aspect <= 1.0 ? h : v, kBlue, 0.0, kHalfTurn, aspect);
  p.Line(h, -v, h, kSidesEnd_mm, kBlue);
  p.Line(-h, -v, -h, kSidesEnd_mm, kBlue);
}

void DrawRacetrack(ui::PictureBox& p, double a_cm, double b_cm)
{
  const double a = 10.0 * a_cm;
  const double b = 10.0 * b_cm;
  // A flat top of length 0 is a round body of diameter b, ends of diameter 0
  // a flat-topped one; a negative length is no body at all.
  if (!(a >= 0.0) || !(b >= 0.0) || !(a + b > 0.0) || !Reachable({a, b})) return;
  if (a > 0.0) p.Line(-a / 2, 0, a / 2, 0, kBlue);
  if (b > 0.0) {
    p.Circle(-a / 2, -b / 2, b / 2, kBlue, kRacetrackPi / 2, kRacetrackPi);
    p.Circle(a / 2, -b / 2, b / 2, kBlue, 0.0, kRacetrackPi / 2);
  }
  const double side = (a + b) / 2;
  p.Line(-side, -b / 2, -side, kSidesEnd_mm, kBlue);
  p.Line(side, -b / 2, side, kSidesEnd_mm, kBlue);
}

void DrawExitLevel(ui::PictureBox& p, double thickness_cm)
{
  const double y = -10.0 * thickness_cm;
  if (Reachable({y})) p.Line(-350, y, 350, y, kBlue);
}

void DrawBeamEdges(ui::PictureBox& p, const ShapePreviewInput& in)
{
  if (!in.fieldWidth) return;
  const double focus = 10.0 * in.fsd;
  const double film = -10.0 * (in.ffd - in.fsd);
  const double edge = 5.0 * *in.fieldWidth;
  if (!Reachable({focus, film, edge})) return;
  p.Line(0, focus, edge, film, kRed);
  p.Line(0, focus, -edge, film, kRed);
}

}  // namespace

void DrawShapePreview(ui::PictureBox& picture, const ShapePreviewInput& input, const PreviewTexts& texts)
{
  picture.Cls();
  DrawGrid(picture);
  DrawLevelsAndAxis(picture, input);

  picture.SetDrawWidth(3);
  if (input.cylinder) DrawCylinder(picture, input.cylinderRadius);
  if (input.ellipse) DrawEllipse(picture, input.ellipseHRadius, input.ellipseVRadius);
  if (input.racetrack) DrawRacetrack(picture, input.racetrackA, input.racetrackB);
  DrawExitLevel(picture, input.thickness);
  DrawBeamEdges(picture, input);

  for (const PreviewLabel& label : texts.Labels) {
    picture.SetCurrentX(label.x);
    picture.SetCurrentY(label.y);
    picture.Print(label.text);
  }
}

}  // namespace vorn::mainwin
