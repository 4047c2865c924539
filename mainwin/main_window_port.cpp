#include "mainwin/main_window_port.h"

#include <string>

#include "mainwin/main_window.h"
#include "mainwin/main_program.h"

namespace vorn::mainwin {

void MainWindowPort::SetLabelCaption(ResultLabel label, std::string_view caption)
{
  program_.mainWindow->ResultLabelControl(label).SetCaption(std::string(caption));
}

std::string MainWindowPort::MainBoxText(MainBox box) const
{
  return program_.mainWindow->MainBoxControl(box).Text();
}

void MainWindowPort::SetMainBoxText(MainBox box, std::string_view text)
{
  program_.mainWindow->MainBoxControl(box).SetText(std::string(text));
}

std::string MainWindowPort::FitBoxText(FitBox box) const
{
  // Only the fits read these boxes, and only the fit dialog runs them.
  return program_.fitDialog.Exists() ? program_.fitDialog->FitBoxControl(box).Text() : std::string();
}

void MainWindowPort::DoEvents() { program_.app.DoEvents(); }

void MainWindowPort::ShowMessage(std::string_view text, MsgIcon icon, MsgTitle)
{
  // A box without a title of its own shows the program's title, as every
  // message of the program does.
  program_.app.MsgBox(std::string(text), icon == MsgIcon::Warning ? ui::vbExclamation : ui::vbOKOnly);
}

bool MainWindowPort::AskOkCancel(std::string_view text, MsgIcon icon, MsgTitle)
{
  const int style = ui::vbOKCancel | (icon == MsgIcon::Warning ? ui::vbExclamation : 0);
  return program_.app.MsgBox(std::string(text), style) == ui::vbOK;
}

void MainWindowPort::Beep() { program_.app.Beep(); }

long long MainWindowPort::StartProgram(std::string_view name) { return program_.app.Shell(std::string(name)); }

bool MainWindowPort::ProgramEnded(long long process) const { return program_.app.ProgramEnded(process); }

}  // namespace vorn::mainwin
