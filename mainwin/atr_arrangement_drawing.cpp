#include "mainwin/atr_arrangement_drawing.h"

#include <cmath>
#include <string_view>

#include "platform/ui/color.h"

namespace vorn::mainwin {
namespace {

constexpr ui::Color kInk = ui::Rgb(0, 0, 0);
constexpr ui::Color kBeam = ui::Rgb(255, 0, 0);
constexpr ui::Color kTube = ui::Rgb(128, 128, 128);
constexpr ui::Color kAcrylic = ui::Rgb(0xC0, 0xE0, 0xFF);
constexpr ui::Color kAcrylicEdge = ui::Rgb(0, 0, 160);
constexpr ui::Color kChamber = ui::Rgb(64, 64, 64);

// The scale: 132 cm across, from 14 cm behind the focus; 40 cm above the axis.
constexpr double kScaleLeft_cm = -14.0;
constexpr double kScaleWidth_cm = 132.0;
constexpr double kScaleTop_cm = 40.0;

void Text(ui::PictureBox& p, double x, double y, std::string_view text)
{
  p.SetCurrentX(x);
  p.SetCurrentY(y);
  p.Print(text);
}

void CentredText(ui::PictureBox& p, double x, double y, std::string_view text)
{
  Text(p, x - p.TextWidth(text) / 2, y, text);
}

// An arrowhead at (x, y) on a horizontal line, pointing left (dir -1) or right (+1).
void HorizontalArrowHead(ui::PictureBox& p, double x, double y, double dir)
{
  constexpr double kBack = 1.6;
  constexpr double kSide = 0.8;
  p.Line(x - dir * kBack, y + kSide, x, y, kInk);
  p.LineTo(x - dir * kBack, y - kSide, kInk);
}

// A horizontal dimension from x1 to x2 at height y, with its text under it.
void Dimension(ui::PictureBox& p, double x1, double x2, double y, std::string_view text)
{
  p.Line(x1, y, x2, y, kInk);
  HorizontalArrowHead(p, x1, y, -1);
  HorizontalArrowHead(p, x2, y, 1);
  CentredText(p, (x1 + x2) / 2, y - 0.8, text);
}

}  // namespace

void DrawAtrArrangement(ui::PictureBox& p, const AtrExplanationTexts& texts)
{
  p.Cls();
  const ui::Size area = p.DrawingAreaTwips();
  p.Scale(kScaleLeft_cm, kScaleTop_cm, kScaleWidth_cm, -kScaleWidth_cm * area.height / area.width);
  p.SetDrawStyle(ui::DrawStyle::Solid);
  p.SetDrawWidth(1);

  const double chamber = kAtrChamberDistance_cm;
  const double plateFront = kAtrPlateFront_cm;
  const double plateBack = kAtrPlateFront_cm + kAtrPlateThickness_cm;
  const double plateHalf = kAtrPlateSide_cm / 2;
  const double fieldHalf = kAtrFieldAtChamber_cm / 2;

  // The central axis.
  p.SetDrawStyle(ui::DrawStyle::DashDot);
  p.Line(-3, 0, chamber + 14, 0, kInk);
  p.SetDrawStyle(ui::DrawStyle::Solid);

  // The tube with its focus.
  p.FilledBox(-12, -5, -1.2, 5, kTube);
  p.SetFillStyle(ui::FillStyle::Solid);
  p.SetFillColor(kBeam);
  p.Circle(0, 0, 0.9, kBeam);
  Text(p, -13, 12, texts.DrawFocus);
  p.Line(-5, 7.6, -1, 1, kInk);

  // The beam: 10 x 10 cm at the chamber, drawn in section.
  p.SetDrawWidth(2);
  p.Line(0, 0, chamber, fieldHalf, kBeam);
  p.Line(0, 0, chamber, -fieldHalf, kBeam);
  p.SetDrawWidth(1);
  Text(p, 62, 13, texts.DrawField);
  p.Line(78, 9.4, 84, fieldHalf * 84 / chamber + 0.3, kInk);

  // The acrylic plate.
  p.SetFillColor(kAcrylic);
  p.Box(plateFront, -plateHalf, plateBack, plateHalf, kAcrylicEdge);
  p.SetFillStyle(ui::FillStyle::Transparent);
  Text(p, 36, plateHalf + 8, texts.DrawPlate);
  Text(p, plateBack + 1.5, -plateHalf + 3.8, texts.DrawPlateThickness);

  // The chamber on the axis, its stem running away from the focus.
  p.FilledBox(chamber + 1.2, -0.5, chamber + 13, 0.5, kChamber);
  p.SetFillStyle(ui::FillStyle::Solid);
  p.SetFillColor(kChamber);
  p.Circle(chamber, 0, 1.4, kChamber);
  p.SetFillStyle(ui::FillStyle::Transparent);
  CentredText(p, chamber + 2, -3, texts.DrawChamber);

  // The distances from the focus.
  constexpr double kPlateDimY = -27.0;
  constexpr double kChamberDimY = -38.0;
  p.Line(0, -2, 0, kChamberDimY - 2, kInk);
  p.Line(plateFront, -plateHalf - 1, plateFront, kPlateDimY - 2, kInk);
  p.Line(chamber, -8, chamber, kChamberDimY - 2, kInk);
  Dimension(p, 0, plateFront, kPlateDimY, texts.DrawPlateDistance);
  Dimension(p, 0, chamber, kChamberDimY, texts.DrawDistance);
}

}  // namespace vorn::mainwin
