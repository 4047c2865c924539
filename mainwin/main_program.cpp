#include "mainwin/main_program.h"

#include "mainwin/working_files.h"
#include "text/error_texts.h"
#include "text/message_box_texts.h"
#include "text/mainwin_texts.h"

namespace vorn::mainwin {

MainProgram::MainProgram(Edition editionOfProgram, ui::Services& services)
    : edition(editionOfProgram),
      app(services, "Vorn-V18"),
      folderLock_(services.WorkingFolder() / kFolderLockFileName),
      module_(std::make_unique<vorn::BeamCalculation>(editionOfProgram, services.WorkingFolder(), port_))
{
  app.SetUntrappedErrorText([this](std::exception_ptr error) {
    return UntrappedErrorText(error, edition, WorkingFolder());
  });
  const MessageBoxTexts& buttons = MessageBoxTextsFor(edition);
  services.SetMsgButtonCaptions({std::string(buttons.Ok), std::string(buttons.Cancel), std::string(buttons.Yes),
                                 std::string(buttons.No)});
}

MainProgram::~MainProgram() = default;

double MainProgram::AirConversionFactor() const { return module_->AirWValue; }

void MainProgram::SetAirConversionFactor(double value) { module_->AirWValue = value; }

void MainProgram::BringMainWindowToFront() { mainWindow->Show(); }

void MainProgram::TablePrinted() { mainWindow->ResetAfterPrinting(); }

void MainProgram::TableErased()
{
  Ledger.TableReplaced();
  mainWindow->ResetAfterErasing();
}

void MainProgram::TableRead()
{
  Ledger.TableReplaced();
  mainWindow->ResetAfterReading();
}

void MainProgram::Start()
{
  // A folder where no lock can be made (read-only) has no exchange files to
  // mix either; the failures to write them are told where they happen.
  if (folderLock_.Take() == FolderLock::Outcome::HeldByAnother) {
    app.RunEvent([this] {
      app.MsgBox(std::string(MainWinTextsFor(edition).AlreadyRunningHere), ui::vbExclamation);
      app.End();
    });
    return;
  }
  app.RunEvent([this] { mainWindow->Show(); });
}

}  // namespace vorn::mainwin
