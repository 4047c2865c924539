#include "mainwin/mascot.h"

#include <numbers>

namespace vorn::mainwin {
namespace {

constexpr ui::Color kOutline = ui::Rgb(0x5A, 0x3A, 0x1E);
constexpr ui::Color kFur = ui::Rgb(0xE0, 0xB0, 0x74);
constexpr ui::Color kEars = ui::Rgb(0x9A, 0x62, 0x32);
constexpr ui::Color kMuzzle = ui::Rgb(0xFB, 0xEE, 0xD6);
constexpr ui::Color kGrass = ui::Rgb(0xA8, 0xD8, 0x8C);
constexpr ui::Color kPink = ui::Rgb(0xF2, 0x8C, 0x9A);
constexpr ui::Color kCheeks = ui::Rgb(0xF7, 0xB8, 0xB0);
constexpr ui::Color kCollar = ui::Rgb(0xD0, 0x30, 0x30);
constexpr ui::Color kTag = ui::Rgb(0xF2, 0xC0, 0x30);

void FilledEllipse(ui::PictureBox& p, double x, double y, double radius, ui::Color fill, ui::Color line,
                   double aspect = 1.0)
{
  p.SetFillColor(fill);
  p.Circle(x, y, radius, line, {}, {}, aspect);
}

}  // namespace

void DrawMascot(ui::PictureBox& p)
{
  constexpr double pi = std::numbers::pi;
  p.Cls();
  // 100 units across, y downward, the origin between the eyes' line and the
  // nose; the height keeps the units square on the picture's proportions.
  const ui::Size area = p.DrawingAreaTwips();
  const double height = area.width > 0.0 ? 100.0 * area.height / area.width : 100.0;
  p.Scale(-50, -0.5 * height - 4.0, 100, height);
  p.SetDrawWidth(1);
  p.SetFillStyle(ui::FillStyle::Solid);

  p.FilledBox(-50, 38, 50, 0.5 * height, kGrass);

  FilledEllipse(p, 0, 40, 24, kFur, kOutline, 0.5);  // body, lying down
  FilledEllipse(p, -28, -4, 16, kEars, kOutline, 1.9);  // floppy ears behind the head
  FilledEllipse(p, 28, -4, 16, kEars, kOutline, 1.9);
  FilledEllipse(p, 0, -8, 26, kFur, kOutline);  // head

  p.FilledBox(-15, 15, 15, 20, kCollar);
  FilledEllipse(p, 0, 24, 3.5, kTag, kOutline);

  FilledEllipse(p, 0, 6, 14, kMuzzle, kMuzzle, 0.72);
  FilledEllipse(p, -17, 1, 4, kCheeks, kCheeks, 0.6);
  FilledEllipse(p, 17, 1, 4, kCheeks, kCheeks, 0.6);

  // Eyes with a gleam.
  FilledEllipse(p, -10, -13, 3.6, ui::colors::Black, ui::colors::Black);
  FilledEllipse(p, 10, -13, 3.6, ui::colors::Black, ui::colors::Black);
  FilledEllipse(p, -9, -14.5, 1.2, ui::colors::White, ui::colors::White);
  FilledEllipse(p, 11, -14.5, 1.2, ui::colors::White, ui::colors::White);

  // Tongue, then nose and a smile over it.
  FilledEllipse(p, 0, 12.5, 3.2, kPink, kOutline, 1.3);
  FilledEllipse(p, 0, 0, 5, ui::colors::Black, ui::colors::Black, 0.7);
  p.SetFillStyle(ui::FillStyle::Transparent);
  p.Line(0, 3, 0, 8, ui::colors::Black);
  p.Circle(-4, 8, 4, ui::colors::Black, pi, 2.0 * pi);
  p.Circle(4, 8, 4, ui::colors::Black, pi, 2.0 * pi);
}

}  // namespace vorn::mainwin
