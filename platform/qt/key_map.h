// Qt's keys, modifiers and mouse buttons as the old runtime's numbers (ui/keys.h).
#pragma once

#include <Qt>

namespace vorn::qt {

// The key code of a Qt key (0 for keys the old runtime had no code for).
int VbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// The shift argument: vbShiftMask, vbCtrlMask and vbAltMask added up.
int VbShift(Qt::KeyboardModifiers modifiers);
// The button argument: vbLeftButton, vbRightButton and vbMiddleButton added up.
int VbButtons(Qt::MouseButtons buttons);

}  // namespace vorn::qt
