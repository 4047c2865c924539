#include "mainwin/form18.h"

#include <string>

#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/user_name.h"

namespace vorn::mainwin {

Form18::Form18(MainProgram& program)
    : Form(program.app, "Form18"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form18Caption));
  SetSize(6600, 2760);
  Label1.SetCaption(std::string(t.Form18Prompt));
  Label8.SetCaption(std::string(t.NameHint1));
  Label3.SetCaption(std::string(t.NameHint2));
  Command1.SetCaption(std::string(t.OK));
  Command2.SetCaption(std::string(t.Cancel));
  if (program.edition == Edition::English) {
    Label8.SetVisible(false);
    Label3.SetVisible(false);
    MoveUp({&Text1, &Command1, &Command2}, 600);
    SetSize(Width(), Height() - 600);
  }

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

// Change the name.
void Form18::Command1_Click()
{
  const std::string name = Text1.Text();
  if (name.empty()) {
    App().MsgBox(std::string(texts_.Form18NameMissing), ui::vbExclamation);
    return;
  }
  if (!SaveUserName(program_, name)) return;
  ApplyUserName(program_, name);
  Hide();
}

// A double-click on the mascot.
void Form1::Picture1_DblClick()
{
  program_.Form18->Text1.SetText(program_.UserName);
  program_.Form18->Show();
}

}  // namespace vorn::mainwin
