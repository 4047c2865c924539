#include "mainwin/form14.h"

#include <string>

#include "mainwin/main_program.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

Form14::Form14(MainProgram& program) : Form(program.app, "Form14")
{
  const PreviewTexts& t = DialogsBTextsFor(program.edition).Preview;
  SetCaption(std::string(t.Caption));
  SetSize(8055, 8340);
  Picture1.SetBackColor(ui::colors::White);
  Picture1.SetFontName(std::string(t.Font));
  Picture1.SetFontSize(15.75);
  Picture1.Scale(-400, 200, 800, -800);
  Command1.SetCaption(std::string(t.Close));
  Command1.SetBackColor(ui::colors::LightYellow);
  Command1.SetFontName(std::string(t.Font));
  Command1.SetFontSize(14.25);

  Command1.Click = [this] { Command1_Click(); };
}

}  // namespace vorn::mainwin
