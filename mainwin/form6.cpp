#include "mainwin/form6.h"

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

Form6::Form6(MainProgram& program) : Form(program.app, "Form6"), program_(program)
{
  const DialogTexts& t = DialogTextsFor(program.edition);
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.Form6Caption));
  SetSize(5520, 1800);
  Label1.SetCaption(std::string(t.ExitQuestion));
  Label1.SetAlignment(ui::Alignment::Center);
  Label1.SetFontSize(Font().size + 1);
  Command1.SetCaption(std::string(t.Yes));
  Command2.SetCaption(std::string(t.No));

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

// Yes: remove the files, each on its own (a missing one is skipped), and end.
void Form6::Command1_Click()
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
void Form1::Command1_Click() { program_.Form6->Show(); }

}  // namespace vorn::mainwin
