// The depth-dose graph: its coordinates and the drawing of the three curves
// on the graph window's picture.
//
// The picture's scale runs x from -150 to 950 and y from 90 (top) to 990; the
// plot area is the box (0, 110)-(900, 800): 30 units a centimetre of depth,
// and a logarithmic dose axis from 0.1 % (y 800) to 100 % (y 109.2).
#pragma once

#include <optional>

#include "depthdose/depth_dose_calculation.h"
#include "platform/ui/picture_box.h"
#include "text/depthdose_texts.h"

namespace vorn::pdd {

inline constexpr double kPlotLeft = 0.0;
inline constexpr double kPlotRight = 900.0;
inline constexpr double kPlotTop = 110.0;
inline constexpr double kPlotBottom = 800.0;
inline constexpr double kUnitsPerCm = 30.0;
inline constexpr int kLastPlottedSlab = 60;  // 30 cm: the depth axis ends there

// y of a percentage on the dose axis: 800 - 100 ln(10 P). Empty for a
// percentage of 0 or less, whose logarithm cannot be taken.
std::optional<double> DoseAxisY(double percent);

// y of a cursor level line: the percentage's y, but never below the plot's
// bottom edge, where also a percentage of 0 (no dose) is put.
double CursorLevelY(double percent);

// x at which slab j is plotted.
constexpr double SlabX(int j) { return 15.0 * j - 7.0; }

// The slab whose 0.5 cm band holds x (15 units a slab): the smallest j >= 1
// with x <= 15 j. x = 15 lies in slab 1.
int CursorSlab(double x);

// Draws the grid, the axes and their texts, the primary, scatter and total
// curves of module.PddTable up to the body thickness (at most 30 cm) and the
// legend. A slab below 0.1 % is left out of its curve, which joins the slabs
// on either side; a curve whose first slab has no dose starts at its first
// drawn slab.
void DrawDepthDoseGraph(ui::PictureBox& picture, const DepthDoseCalculation& module, const DepthDoseTexts& texts);

}  // namespace vorn::pdd
