#include "mainwin/exit_dialog.h"

#include <array>
#include <filesystem>
#include <string>
#include <system_error>

#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"

namespace vorn::mainwin {
namespace {

// Scratch and exchange files the exit dialog removes (the English edition's
// list ends with JorE.dat). An Eff-Dose.dat not taken into the table goes
// too: no later run may take it.
constexpr std::array<const char*, 7> kScratchFilesAtExit{"Vorn2PDD.dat",     "X_SPCTL.dat",  "joken.txt", "resultBSF.txt",
                                                         "PDD_tempDATA.txt", "Eff-Dose.dat", "JorE.dat"};

}  // namespace

ExitDialog::ExitDialog(MainProgram& program) : Form(program.app, "Form6"), program_(program)
{
  const DialogTexts& t = DialogTextsFor(program.edition);
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.ExitCaption));
  SetSize(5520, 1800);
  questionCaption.SetCaption(std::string(t.ExitQuestion));
  questionCaption.SetAlignment(ui::Alignment::Center);
  questionCaption.SetFontSize(Font().size + 1);
  yesButton.SetCaption(std::string(t.Yes));
  noButton.SetCaption(std::string(t.No));

  SetCancelButton(noButton);
  yesButton.Click = [this] { YesButton_Click(); };
  noButton.Click = [this] { NoButton_Click(); };
}

// Yes: remove the files, each on its own (a missing one is skipped), and end.
void ExitDialog::YesButton_Click()
{
  const std::size_t count = program_.edition == Edition::English ? kScratchFilesAtExit.size()
                                                                 : kScratchFilesAtExit.size() - 1;
  for (std::size_t i = 0; i < count; ++i) {
    std::error_code ignored;
    std::filesystem::remove(program_.WorkingFolder() / kScratchFilesAtExit[i], ignored);
  }
  program_.ReleaseFolderLock();
  App().End();
}

// The main window's exit button.
void MainWindow::ExitButton_Click() { program_.exitDialog->Show(); }

}  // namespace vorn::mainwin
