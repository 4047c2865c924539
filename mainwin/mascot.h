// The mascot in the main window's corner: a friendly dog's head, drawn with
// the picture box's own circles and boxes (a double-click on it changes the
// user name).
#pragma once

#include "platform/ui/picture_box.h"

namespace vorn::mainwin {

// Draws the mascot to fill the picture; the drawing stays until Cls.
void DrawMascot(ui::PictureBox& picture);

}  // namespace vorn::mainwin
