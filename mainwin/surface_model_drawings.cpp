#include "mainwin/surface_model_drawings.h"

#include <cmath>
#include <numbers>
#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/geometry.h"

namespace vorn::mainwin {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr ui::Color kOutline = ui::Rgb(0, 0, 160);
constexpr ui::Color kDimension = ui::Rgb(0, 0, 0);
constexpr ui::Color kBeam = ui::Rgb(255, 0, 0);

// One unit per pixel, origin at the top-left, y downward.
void StartPixelScale(ui::PictureBox& p)
{
  p.Cls();
  const ui::Size area = p.DrawingAreaTwips();
  p.Scale(0, 0, area.width / ui::kTwipsPerPixel, area.height / ui::kTwipsPerPixel);
  p.SetDrawStyle(ui::DrawStyle::Solid);
  p.SetDrawWidth(1);
}

void Text(ui::PictureBox& p, double x, double y, std::string_view text)
{
  p.SetCurrentX(x);
  p.SetCurrentY(y);
  p.Print(text);
}

// Text centred on x, its top at y.
void CentredText(ui::PictureBox& p, double x, double y, std::string_view text)
{
  Text(p, x - p.TextWidth(text) / 2, y, text);
}

// An arrowhead at (x, y) for a shaft coming from the direction (dx, dy).
void ArrowHead(ui::PictureBox& p, double x, double y, double dx, double dy, ui::Color c)
{
  const double length = std::hypot(dx, dy);
  if (length == 0.0) return;
  const double ux = dx / length;
  const double uy = dy / length;
  constexpr double kBack = 7.0;
  constexpr double kSide = 3.5;
  p.Line(x - kBack * ux + kSide * uy, y - kBack * uy - kSide * ux, x, y, c);
  p.LineTo(x - kBack * ux - kSide * uy, y - kBack * uy + kSide * ux, c);
}

void Arrow(ui::PictureBox& p, double x1, double y1, double x2, double y2, ui::Color c)
{
  p.Line(x1, y1, x2, y2, c);
  ArrowHead(p, x2, y2, x2 - x1, y2 - y1, c);
}

// A dimension line with arrowheads at both ends.
void Dimension(ui::PictureBox& p, double x1, double y1, double x2, double y2)
{
  p.Line(x1, y1, x2, y2, kDimension);
  ArrowHead(p, x2, y2, x2 - x1, y2 - y1, kDimension);
  ArrowHead(p, x1, y1, x1 - x2, y1 - y2, kDimension);
}

}  // namespace

void DrawCylinderModel(ui::PictureBox& p, const ShapeDialogTexts& texts)
{
  StartPixelScale(p);
  // The body lies along Z; its round ends are seen obliquely, as narrow
  // ellipses 2 x 18 wide and 2 x 40 high.
  constexpr double kLeft = 62.0;
  constexpr double kRight = 202.0;
  constexpr double kAxisY = 112.0;
  constexpr double kRx = 18.0;
  constexpr double kRy = 40.0;
  constexpr double kAspect = kRy / kRx;
  p.SetDrawWidth(2);
  p.Circle(kLeft, kAxisY, kRy, kOutline, {}, {}, kAspect);  // the near end, whole
  // The far end: only its outer half shows.
  p.Circle(kRight, kAxisY, kRy, kOutline, 3 * kPi / 2, kPi / 2, kAspect);
  p.Line(kLeft, kAxisY - kRy, kRight, kAxisY - kRy, kOutline);
  p.Line(kLeft, kAxisY + kRy, kRight, kAxisY + kRy, kOutline);
  p.SetDrawWidth(1);
  p.SetDrawStyle(ui::DrawStyle::Dash);
  p.Line(kLeft, kAxisY, kRight + kRx + 14, kAxisY, kDimension);  // the cylinder's axis
  p.SetDrawStyle(ui::DrawStyle::Solid);

  // The beam comes down onto the top of the body, at the middle of its length.
  const double mid = (kLeft + kRight) / 2;
  p.SetDrawWidth(2);
  Arrow(p, mid, 8, mid, kAxisY - kRy - 3, kBeam);
  p.SetDrawWidth(1);
  Text(p, mid + 7, 12, texts.DrawXray);

  // The length along the axis.
  Dimension(p, kLeft, 172, kRight, 172);
  p.Line(kLeft, kAxisY + kRy + 4, kLeft, 178, kDimension);
  p.Line(kRight, kAxisY + kRy + 4, kRight, 178, kDimension);
  CentredText(p, mid, 175, texts.DrawLength80);

  // Axes: X across the body, Y up, Z along the body.
  constexpr double kOx = 24.0;
  constexpr double kOy = 42.0;
  Arrow(p, kOx, kOy, kOx + 32, kOy, kDimension);  // Z
  Text(p, kOx + 34, kOy - 8, texts.DrawZ);
  Arrow(p, kOx, kOy, kOx, kOy - 30, kDimension);  // Y
  Text(p, kOx + 4, kOy - 38, texts.DrawY);
  Arrow(p, kOx, kOy, kOx - 14, kOy + 16, kDimension);  // X
  Text(p, kOx - 22, kOy + 12, texts.DrawX);
}

void DrawEllipseModel(ui::PictureBox& p, const ShapeDialogTexts& texts)
{
  StartPixelScale(p);
  constexpr double kCx = 124.0;
  constexpr double kCy = 100.0;
  constexpr double kA = 92.0;  // horizontal semi-axis
  constexpr double kB = 56.0;  // vertical semi-axis
  constexpr double kAspect = kB / kA;
  p.SetDrawWidth(2);
  p.Circle(kCx, kCy, kA, kOutline, 0.0, kPi, kAspect);  // the entrance side
  p.SetDrawWidth(1);
  p.SetDrawStyle(ui::DrawStyle::Dash);
  p.Circle(kCx, kCy, kA, kOutline, kPi, 2 * kPi, kAspect);  // the side away from the beam
  p.SetDrawStyle(ui::DrawStyle::Solid);

  // The semi-axes from the centre.
  p.Line(kCx, kCy, kCx + kA, kCy, kDimension);
  ArrowHead(p, kCx + kA, kCy, 1, 0, kDimension);
  p.Line(kCx, kCy, kCx, kCy - kB, kDimension);
  ArrowHead(p, kCx, kCy - kB, 0, -1, kDimension);
  p.Circle(kCx, kCy, 2.0, kDimension);
  CentredText(p, kCx + kA / 2, kCy - 20, texts.DrawA);
  Text(p, kCx + 6, kCy - kB / 2 - 8, texts.DrawB);

  // The beam comes down onto the top.
  p.SetDrawWidth(2);
  Arrow(p, kCx, 2, kCx, kCy - kB - 4, kBeam);
  p.SetDrawWidth(1);
  Text(p, kCx + 7, 4, texts.DrawXray);
}

void DrawRacetrackModel(ui::PictureBox& p, const ShapeDialogTexts& texts)
{
  StartPixelScale(p);
  // The cross-section: a flat top of length a between two round ends of
  // diameter b; the body runs back obliquely over its Length.
  constexpr double kLeftCx = 68.0;
  constexpr double kRightCx = 146.0;
  constexpr double kCy = 108.0;
  constexpr double kR = 38.0;      // b / 2
  constexpr double kBackX = 40.0;  // the oblique offset of the far face
  constexpr double kBackY = -28.0;
  constexpr double kTop = kCy - kR;
  constexpr double kBottom = kCy + kR;

  p.SetDrawWidth(2);
  p.Line(kLeftCx, kTop, kRightCx, kTop, kOutline);
  p.Line(kLeftCx, kBottom, kRightCx, kBottom, kOutline);
  p.Circle(kLeftCx, kCy, kR, kOutline, kPi / 2, 3 * kPi / 2);
  p.Circle(kRightCx, kCy, kR, kOutline, 3 * kPi / 2, kPi / 2);
  // The far face, as far as it shows above and right of the near one.
  p.SetDrawWidth(1);
  p.Line(kLeftCx, kTop, kLeftCx + kBackX, kTop + kBackY, kOutline);
  p.Line(kRightCx, kTop, kRightCx + kBackX, kTop + kBackY, kOutline);
  p.Line(kRightCx + kR, kCy, kRightCx + kR + kBackX, kCy + kBackY, kOutline);
  p.Line(kLeftCx + kBackX, kTop + kBackY, kRightCx + kBackX, kTop + kBackY, kOutline);
  p.Circle(kRightCx + kBackX, kCy + kBackY, kR, kOutline, 0.0, kPi / 2);

  // a: the flat top, measured under the body.
  Dimension(p, kLeftCx, kBottom + 14, kRightCx, kBottom + 14);
  p.Line(kLeftCx, kCy + 4, kLeftCx, kBottom + 20, kDimension);
  p.Line(kRightCx, kCy + 4, kRightCx, kBottom + 20, kDimension);
  CentredText(p, (kLeftCx + kRightCx) / 2, kBottom + 17, texts.DrawA);
  // b: the diameter of the ends, at the left.
  Dimension(p, kLeftCx - kR - 12, kTop, kLeftCx - kR - 12, kBottom);
  Text(p, kLeftCx - kR - 24, kCy - 8, texts.DrawB);
  // b/2: a radius of the left end.
  const double c45 = std::cos(kPi / 4);
  p.Circle(kLeftCx, kCy, 2.0, kDimension);
  p.Line(kLeftCx, kCy, kLeftCx - kR * c45, kCy - kR * c45, kDimension);
  ArrowHead(p, kLeftCx - kR * c45, kCy - kR * c45, -1, -1, kDimension);
  Text(p, kLeftCx - 2, kCy - 32, texts.DrawHalfB);
  // The Length, along the body.
  Text(p, kRightCx + kR + kBackX / 2 + 2, kCy + kBackY / 2 - 2, texts.DrawLength);

  // The beam comes down onto the flat top.
  const double mid = (kLeftCx + kRightCx) / 2;
  p.SetDrawWidth(2);
  Arrow(p, mid, 4, mid, kTop - 4, kBeam);
  p.SetDrawWidth(1);
  Text(p, mid - 48, 6, texts.DrawXray);
}

}  // namespace vorn::mainwin
