#include "mainwin/user_name.h"

#include <exception>
#include <utility>
#include <vector>

#include "mainwin/main_program.h"
#include "mainwin/user_name_file.h"
#include "text/dialogs_texts.h"
#include "text/mainwin_texts.h"
#include "text/error_texts.h"

namespace vorn::mainwin {

bool SaveUserName(MainProgram& program, const std::string& name)
{
  const UserNameFile file = UserNameFileOf(program.edition);
  const std::filesystem::path path = program.WorkingFolder() / file.fileName;
  try {
    RawTextFile kept = ReadKeptNameFileLines(path, file.keptLines);
    program.app.DoEvents();
    WriteUserNameFile(path, std::move(kept), name);
  } catch (const std::exception& e) {
    program.app.MsgBox(std::string(DialogTextsFor(program.edition).NameNotSaved) + "\n" +
                           ErrorText(e, program.edition, program.WorkingFolder()),
                       ui::vbExclamation);
    return false;
  }
  return true;
}

void ApplyUserName(MainProgram& program, const std::string& name)
{
  program.UserName = name;

  results::ResultWindow& results = *program.resultWindow;
  if (program.Results.ResultRowCount > 1) {
    // The rows the table holds stay in view; the name shows below them.
    results.RedrawTable();
  } else {
    results.tablePicture.Cls();
    results.DrawSplashTitle(200, 350);
    results.PrintSplashName(name);
  }
  results.ShowUserName(name);

  mainwin::MainWindow& main = *program.mainWindow;
  main.SetCaption(std::string(MainWinTextsFor(program.edition).RegisteredCaption) + name);
  main.welcomeButton.SetVisible(false);
  main.calculateButton.SetEnabled(true);
}

}  // namespace vorn::mainwin
