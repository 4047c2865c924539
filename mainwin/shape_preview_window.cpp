#include "mainwin/shape_preview_window.h"

#include <string>

#include "mainwin/main_program.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

ShapePreviewWindow::ShapePreviewWindow(MainProgram& program) : Form(program.app, "Form14")
{
  const PreviewTexts& t = DialogsBTextsFor(program.edition).Preview;
  SetCaption(std::string(t.Caption));
  SetSize(8055, 8340);
  previewPicture.SetBackColor(ui::colors::White);
  previewPicture.SetFontName(std::string(t.Font));
  previewPicture.SetFontSize(15.75);
  previewPicture.Scale(-400, 200, 800, -800);
  closeButton.SetCaption(std::string(t.Close));
  closeButton.SetBackColor(ui::colors::LightYellow);
  closeButton.SetFontName(std::string(t.Font));
  closeButton.SetFontSize(14.25);

  SetCancelButton(closeButton);
  closeButton.Click = [this] { CloseButton_Click(); };
}

}  // namespace vorn::mainwin
