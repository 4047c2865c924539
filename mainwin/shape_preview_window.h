// The preview window of the shape dialog: the cross-section of the chosen
// shape with the beam, in millimetres (see shape_preview.h for the drawing).
#pragma once

#include "platform/ui/ui.h"

namespace vorn::mainwin {

class MainProgram;

class ShapePreviewWindow : public ui::Form {
public:
  explicit ShapePreviewWindow(MainProgram& program);

  // 800 x 800 units of 1 mm: x -400 .. 400, y 200 at the top down to -600.
  ui::PictureBox previewPicture{*this, "Picture1", {120, 120, 7815, 7815}};
  ui::CommandButton closeButton{*this, "Command1", {6960, 7920, 975, 375}};

private:
  void CloseButton_Click() { Hide(); }
};

}  // namespace vorn::mainwin
