// The preview window of the shape dialog: the cross-section of the chosen
// shape with the beam, in millimetres (see shape_preview.h for the drawing).
#pragma once

#include "platform/ui/ui.h"

namespace vorn::mainwin {

class MainProgram;

class Form14 : public ui::Form {
public:
  explicit Form14(MainProgram& program);

  // 800 x 800 units of 1 mm: x -400 .. 400, y 200 at the top down to -600.
  ui::PictureBox Picture1{*this, "Picture1", {120, 120, 7815, 7815}};
  ui::CommandButton Command1{*this, "Command1", {6960, 7920, 975, 375}};  // Close

private:
  void Command1_Click() { Hide(); }
};

}  // namespace vorn::mainwin
