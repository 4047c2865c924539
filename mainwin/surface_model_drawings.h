// The three explanatory drawings of the shape dialog, one under each shape's
// column: the cylinder phantom in an oblique view, the elliptic-cylinder model
// and the racetrack model in cross-section, each with the dimensions that the
// dialog's boxes ask for.
#pragma once

#include "platform/ui/picture_box.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

// Each clears the picture, puts a scale of one unit per pixel on it (origin at
// the top-left, y downward) and draws.
void DrawCylinderModel(ui::PictureBox& picture, const ShapeDialogTexts& texts);
void DrawEllipseModel(ui::PictureBox& picture, const ShapeDialogTexts& texts);
void DrawRacetrackModel(ui::PictureBox& picture, const ShapeDialogTexts& texts);

}  // namespace vorn::mainwin
