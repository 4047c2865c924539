#include "platform/qt/key_map.h"

#include "platform/ui/keys.h"

namespace vorn::qt {

int VbKeyCode(int key, Qt::KeyboardModifiers modifiers)
{
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? ui::vbKeyNumpad0 + (key - Qt::Key_0) : key;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt's letters are upper-case ASCII too
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return ui::vbKeyF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return ui::vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return ui::vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::vbKeyReturn;
    case Qt::Key_Shift: return ui::vbKeyShift;
    case Qt::Key_Control: return ui::vbKeyControl;
    case Qt::Key_Alt: return ui::vbKeyMenu;
    case Qt::Key_Escape: return ui::vbKeyEscape;
    case Qt::Key_Space: return ui::vbKeySpace;
    case Qt::Key_PageUp: return ui::vbKeyPageUp;
    case Qt::Key_PageDown: return ui::vbKeyPageDown;
    case Qt::Key_End: return ui::vbKeyEnd;
    case Qt::Key_Home: return ui::vbKeyHome;
    case Qt::Key_Left: return ui::vbKeyLeft;
    case Qt::Key_Up: return ui::vbKeyUp;
    case Qt::Key_Right: return ui::vbKeyRight;
    case Qt::Key_Down: return ui::vbKeyDown;
    case Qt::Key_Insert: return ui::vbKeyInsert;
    case Qt::Key_Delete: return ui::vbKeyDelete;
    case Qt::Key_Asterisk: return keypad ? ui::vbKeyMultiply : 0;
    case Qt::Key_Plus: return keypad ? ui::vbKeyAdd : 0;
    case Qt::Key_Minus: return keypad ? ui::vbKeySubtract : 0;
    case Qt::Key_Period: return keypad ? ui::vbKeyDecimal : 0;
    case Qt::Key_Slash: return keypad ? ui::vbKeyDivide : 0;
    default: return 0;
  }
}

int VbShift(Qt::KeyboardModifiers modifiers)
{
  return (modifiers.testFlag(Qt::ShiftModifier) ? ui::vbShiftMask : 0) |
         (modifiers.testFlag(Qt::ControlModifier) ? ui::vbCtrlMask : 0) |
         (modifiers.testFlag(Qt::AltModifier) ? ui::vbAltMask : 0);
}

int VbButtons(Qt::MouseButtons buttons)
{
  return (buttons.testFlag(Qt::LeftButton) ? ui::vbLeftButton : 0) |
         (buttons.testFlag(Qt::RightButton) ? ui::vbRightButton : 0) |
         (buttons.testFlag(Qt::MiddleButton) ? ui::vbMiddleButton : 0);
}

}  // namespace vorn::qt
