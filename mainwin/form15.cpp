#include "mainwin/form15.h"

#include <string>

#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/user_name.h"
#include "text/mainwin_texts.h"

namespace vorn::mainwin {

Form15::Form15(MainProgram& program)
    : Form(program.app, "Form15"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form15Caption));
  SetSize(6600, 4080);
  Label2.SetCaption(std::string(t.Form15Welcome));
  Label2.SetFontSize(Font().size + 3);
  Label2.SetFontBold(true);
  Label2.SetForeColor(ui::QBColor(1));
  Label1.SetCaption(std::string(t.Form15Prompt));
  Label8.SetCaption(std::string(t.NameHint1));
  Label3.SetCaption(std::string(t.NameHint2));
  Label6.SetCaption(std::string(t.ChangeHint1));
  Label5.SetCaption(std::string(t.ChangeHint2));
  Command1.SetCaption(std::string(t.OK));
  Command2.SetCaption(std::string(t.Cancel));
  if (program.edition == Edition::English) {
    // No hints on what a name may be: close the gap they leave.
    Label8.SetVisible(false);
    Label3.SetVisible(false);
    MoveUp({&Text1, &Label6, &Label5, &Command1, &Command2}, 600);
    SetSize(Width(), Height() - 600);
  }

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

// Register.
void Form15::Command1_Click()
{
  const std::string name = Text1.Text();  // as typed: blanks are part of a name
  if (name.empty()) {
    App().MsgBox(std::string(texts_.Form15NameMissing), ui::vbExclamation);
    return;
  }
  if (!SaveUserName(program_, name)) return;
  ApplyUserName(program_, name);
  Hide();
}

// Cancel: full use under the guest name; no file changes.
void Form15::Command2_Click()
{
  ApplyUserName(program_, std::string(MainWinTextsFor(program_.edition).GuestName));
  Hide();
}

// The main window's welcome button.
void Form1::Command8_Click() { program_.Form15->Show(); }

}  // namespace vorn::mainwin
