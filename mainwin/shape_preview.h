// The cross-section drawn by the shape dialog's "Shape Check " into the
// preview window: grid, skin and film levels, the chosen shape, the exit level
// of the body, the beam edges and the scale texts, in millimetres with the
// entrance point at the origin and y upward.
#pragma once

#include <optional>

#include "platform/ui/picture_box.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

// What the preview reads, in cm as the boxes and the condition hold it.
struct ShapePreviewInput {
  // The selected shape options, tested in this order.
  bool cylinder = false;
  bool ellipse = false;
  bool racetrack = false;
  double cylinderRadius = 0.0;   // cylinderRadiusBox
  double ellipseHRadius = 0.0;   // ellipseHorizontalBox
  double ellipseVRadius = 0.0;   // ellipseVerticalBox
  double racetrackA = 0.0;       // racetrackABox
  double racetrackB = 0.0;       // racetrackBBox
  double ffd = 0.0;
  double fsd = 0.0;
  std::optional<double> fieldWidth;  // none while the field side is not a number
  double thickness = 0.0;            // the main window's body-thickness box
};

// Farther than this from the entrance point (mm) nothing is drawn: such a
// figure lies wholly or nearly wholly outside the picture, and the window
// system's integer coordinates would overflow on it.
inline constexpr double kPreviewReach_mm = 1.0e6;

// Clears the picture and draws the cross-section in its present scale (the
// preview's: x -400 .. 400, y 200 .. -600). A shape whose dimensions are zero,
// negative or out of reach is left out (nothing else depends on it); the same
// holds for each level and beam edge on its own. Nothing here divides by a
// dimension that could be zero.
void DrawShapePreview(ui::PictureBox& picture, const ShapePreviewInput& input, const PreviewTexts& texts);

}  // namespace vorn::mainwin
