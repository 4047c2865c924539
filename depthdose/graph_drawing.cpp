#include "depthdose/graph_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/ui/color.h"

namespace vorn::pdd {

std::optional<double> DoseAxisY(double percent)
{
  if (!(percent > 0.0)) return std::nullopt;
  return kPlotBottom - 100.0 * std::log(10.0 * percent);
}

double CursorLevelY(double percent)
{
  const std::optional<double> y = DoseAxisY(percent);
  return y ? std::min(*y, kPlotBottom) : kPlotBottom;
}

int CursorSlab(double x)
{
  // Division is exact on a band edge (15 k / 15 = k), and a point one step
  // beyond it divides to above k, so the ceiling is the band's slab.
  return std::max(1, static_cast<int>(std::ceil(x / 15.0)));
}

namespace {

void PrintAt(ui::PictureBox& picture, double x, double y, std::string_view text)
{
  picture.SetCurrentX(x);
  picture.SetCurrentY(y);
  picture.Print(text);
}

void DrawCurve(ui::PictureBox& picture, const SlabArray& percent, int last_slab, ui::Color color)
{
  bool started = false;
  if (const std::optional<double> y = DoseAxisY(percent[1])) {
    picture.PSet(8.0, *y, color);
    started = true;
  }
  for (int j = 2; j <= last_slab && j <= kLastPlottedSlab; ++j) {
    if (!(percent[j] >= 0.1)) continue;  // below the axis: the curve joins its neighbours
    const double y = *DoseAxisY(percent[j]);
    if (!started) {
      // No dose at slab 1 (a failed computation): the curve begins here.
      picture.SetCurrentX(SlabX(j));
      picture.SetCurrentY(y);
      started = true;
      continue;
    }
    picture.LineTo(SlabX(j), y, color);
  }
}

}  // namespace

void DrawDepthDoseGraph(ui::PictureBox& picture, const DepthDoseCalculation& module, const DepthDoseTexts& texts)
{
  const ui::Color grid = ui::QBColor(7);
  const ui::Color black = ui::QBColor(0);

  // Grid: every centimetre, and the decades with their 2..9 subdivisions.
  for (int x = 30; x <= 870; x += 30) picture.Line(x, kPlotTop, x, kPlotBottom, grid);
  for (int p = 0; p <= 2; ++p) {
    for (int k = 1; k <= 10; ++k) {
      const double y = kPlotBottom - 100.0 * std::log(k * std::pow(10.0, p));
      picture.Line(kPlotLeft, y, kPlotRight, y, grid);
    }
  }
  for (int x = 150; x <= 750; x += 150) picture.Line(x, kPlotTop, x, kPlotBottom, black);
  picture.Line(kPlotLeft, 340, kPlotRight, 340, black);
  picture.Line(kPlotLeft, 570, kPlotRight, 570, black);

  picture.SetDrawWidth(2);
  picture.Box(kPlotLeft, kPlotTop, kPlotRight, kPlotBottom, black);

  PrintAt(picture, 0, 805, "0");
  PrintAt(picture, 280, 805, "10");
  PrintAt(picture, 580, 805, "20");
  PrintAt(picture, 880, 805, "30");
  PrintAt(picture, 510, 840, texts.DepthAxisTitle);
  PrintAt(picture, -80, 100, "100");
  PrintAt(picture, -60, 325, "10");
  PrintAt(picture, -40, 555, "1");
  PrintAt(picture, -60, 785, "0.1");
  PrintAt(picture, -120, 180, texts.DoseAxisTitle);
  PrintAt(picture, -100, 215, texts.DoseAxisUnit);

  // Slabs 1 .. Int(2 x thickness); guarded for a thickness beyond any count.
  const double last = std::floor(2.0 * module.InObjectThickness);
  const int last_slab = last >= kLastSlab ? kLastSlab : (last >= 1.0 ? static_cast<int>(last) : 1);
  DrawCurve(picture, module.PddTable[1], last_slab, ui::QBColor(12));
  DrawCurve(picture, module.PddTable[2], last_slab, ui::QBColor(9));
  DrawCurve(picture, module.PddTable[3], last_slab, black);

  picture.Box(kPlotLeft, kPlotTop, kPlotRight, kPlotBottom, black);  // over the curves' ends

  picture.SetFontSize(12);
  picture.Line(20, 910, 120, 910, black);
  picture.Line(20, 940, 120, 940, ui::QBColor(12));
  picture.Line(20, 970, 120, 970, ui::QBColor(9));
  PrintAt(picture, 140, 890, texts.LegendTotal);
  PrintAt(picture, 140, 920, texts.LegendPrimary);
  PrintAt(picture, 140, 950, texts.LegendScatter);

  picture.SetFontSize(16);
  picture.SetDrawWidth(1);
}

}  // namespace vorn::pdd
