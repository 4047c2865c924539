// Key codes, shift states and mouse buttons with the old runtime's values, so
// that event routines compare with the same numbers (13 Enter, 37 Left ...).
#pragma once

namespace vorn::ui {

inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyControl = 17;
inline constexpr int vbKeyMenu = 18;  // Alt
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKey0 = 48;  // digits 48..57
inline constexpr int vbKeyA = 65;  // letters 65..90
inline constexpr int vbKeyNumpad0 = 96;  // 96..105
inline constexpr int vbKeyMultiply = 106;
inline constexpr int vbKeyAdd = 107;
inline constexpr int vbKeySubtract = 109;
inline constexpr int vbKeyDecimal = 110;
inline constexpr int vbKeyDivide = 111;
inline constexpr int vbKeyF1 = 112;  // F1..F12: 112..123

// Shift argument of key and mouse events: a sum of these.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Button argument of mouse events: a sum of these (0 when none is held).
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;

// The character code that a key types (KeyPress): Enter 13, Esc 27, Backspace
// 8, Tab 9, space, digits and letters (lower case without shift); 0 for keys
// that type nothing.
int KeyCharacter(int keyCode, int shift);

}  // namespace vorn::ui
