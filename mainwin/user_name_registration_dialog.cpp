#include "mainwin/user_name_registration_dialog.h"

#include <string>

#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/user_name.h"
#include "text/mainwin_texts.h"

namespace vorn::mainwin {

UserNameRegistrationDialog::UserNameRegistrationDialog(MainProgram& program)
    : Form(program.app, "Form15"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.RegistrationCaption));
  SetSize(6600, 4080);
  welcomeCaption.SetCaption(std::string(t.RegistrationWelcome));
  welcomeCaption.SetFontSize(Font().size + 3);
  welcomeCaption.SetFontBold(true);
  welcomeCaption.SetForeColor(ui::QBColor(1));
  promptCaption.SetCaption(std::string(t.RegistrationPrompt));
  nameHint1Caption.SetCaption(std::string(t.NameHint1));
  nameHint2Caption.SetCaption(std::string(t.NameHint2));
  changeHint1Caption.SetCaption(std::string(t.ChangeHint1));
  changeHint2Caption.SetCaption(std::string(t.ChangeHint2));
  okButton.SetCaption(std::string(t.OK));
  cancelButton.SetCaption(std::string(t.Cancel));
  if (program.edition == Edition::English) {
    // No hints on what a name may be: close the gap they leave.
    nameHint1Caption.SetVisible(false);
    nameHint2Caption.SetVisible(false);
    MoveUp({&nameBox, &changeHint1Caption, &changeHint2Caption, &okButton, &cancelButton}, 600);
    SetSize(Width(), Height() - 600);
  }

  SetDefaultButton(okButton);
  SetCancelButton(cancelButton);
  okButton.Click = [this] { OkButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
}

// Register.
void UserNameRegistrationDialog::OkButton_Click()
{
  const std::string name = nameBox.Text();  // as typed: blanks are part of a name
  if (name.empty()) {
    App().MsgBox(std::string(texts_.RegistrationNameMissing), ui::vbExclamation);
    return;
  }
  if (!SaveUserName(program_, name)) return;
  ApplyUserName(program_, name);
  Hide();
}

// Cancel: full use under the guest name; no file changes.
void UserNameRegistrationDialog::CancelButton_Click()
{
  ApplyUserName(program_, std::string(MainWinTextsFor(program_.edition).GuestName));
  Hide();
}

// The main window's welcome button.
void MainWindow::WelcomeButton_Click() { program_.userNameRegistrationDialog->Show(); }

}  // namespace vorn::mainwin
