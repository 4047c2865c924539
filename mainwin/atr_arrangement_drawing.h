// The measuring arrangement of the ATR index, drawn in the ATR explanation
// window: the focus, the 2 cm acrylic plate 50 cm from it in a 10 x 10 cm
// field (at 100 cm), and the dosemeter on the axis 100 cm from the focus. The
// shipped ATR table was computed for exactly this arrangement.
#pragma once

#include "platform/ui/picture_box.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

// The arrangement's distances from the focus, cm.
inline constexpr double kAtrChamberDistance_cm = 100.0;
inline constexpr double kAtrPlateFront_cm = 50.0;
inline constexpr double kAtrPlateThickness_cm = 2.0;
inline constexpr double kAtrPlateSide_cm = 30.0;
inline constexpr double kAtrFieldAtChamber_cm = 10.0;

// Clears the picture, puts a centimetre scale on it (the focus at the origin,
// the beam along +x, y upward, equal units both ways) and draws the arrangement.
void DrawAtrArrangement(ui::PictureBox& picture, const AtrExplanationTexts& texts);

}  // namespace vorn::mainwin
