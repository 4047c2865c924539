#include "mainwin/user_name_change_dialog.h"

#include <string>

#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/user_name.h"

namespace vorn::mainwin {

UserNameChangeDialog::UserNameChangeDialog(MainProgram& program)
    : Form(program.app, "Form18"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.NameChangeCaption));
  SetSize(6600, 2760);
  promptCaption.SetCaption(std::string(t.NameChangePrompt));
  nameHint1Caption.SetCaption(std::string(t.NameHint1));
  nameHint2Caption.SetCaption(std::string(t.NameHint2));
  okButton.SetCaption(std::string(t.OK));
  cancelButton.SetCaption(std::string(t.Cancel));
  if (program.edition == Edition::English) {
    nameHint1Caption.SetVisible(false);
    nameHint2Caption.SetVisible(false);
    MoveUp({&nameBox, &okButton, &cancelButton}, 600);
    SetSize(Width(), Height() - 600);
  }

  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
}

// Change the name.
void UserNameChangeDialog::OkButton_Click()
{
  const std::string name = nameBox.Text();
  if (name.empty()) {
    App().MsgBox(std::string(texts_.NameChangeNameMissing), ui::vbExclamation);
    return;
  }
  if (!SaveUserName(program_, name)) return;
  ApplyUserName(program_, name);
  Hide();
}

// A double-click on the mascot.
void MainWindow::MascotPicture_DblClick()
{
  program_.userNameChangeDialog->nameBox.SetText(program_.UserName);
  program_.userNameChangeDialog->Show();
}

}  // namespace vorn::mainwin
