#include "mainwin/main_program.h"

#include <chrono>
#include <string>

#include "mainwin/working_files.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "text/error_texts.h"
#include "text/message_box_texts.h"
#include "text/mainwin_texts.h"

namespace vorn::mainwin {
namespace {

// A save takes well under a second; a temporary file an hour old belongs to
// a save that was killed, never to one under way.
constexpr std::chrono::seconds kStaleTemporaryAge{3600};

// Why this copy cannot lock its working folder, in the edition's words.
std::string FolderLockRefusal(const FolderLock& lock, FolderLock::Outcome outcome, Edition edition,
                              const std::filesystem::path& folder)
{
  const MainWinTexts& t = MainWinTextsFor(edition);
  const std::string file = lock.File().string();
  switch (outcome) {
    case FolderLock::Outcome::HeldByAnother: return std::string(t.AlreadyRunningHere);
    case FolderLock::Outcome::Unconfirmed: {
      std::string text(t.LockUnconfirmed);
      if (lock.OwnerPid() > 0) {
        text += std::string(t.LockOwnerProcess) + std::to_string(lock.OwnerPid());
        if (!lock.OwnerHost().empty()) text += std::string(t.LockOwnerOnHost) + ShortStart(lock.OwnerHost(), 64);
      } else {
        text += t.LockOwnerUnknown;
      }
      return text + std::string(t.LockRemoveIfNoneRuns) + file + std::string(t.LockCopyEnds);
    }
    case FolderLock::Outcome::NotAFile: return std::string(t.LockNotAFile) + file + std::string(t.LockNotAFileEnd);
    case FolderLock::Outcome::Unavailable:
    case FolderLock::Outcome::Taken: break;
  }
  const FileError reason("cannot lock " + file, FileFaultOf(lock.Error(), FileFault::WriteFailed), lock.File());
  return std::string(t.LockUnavailable) + ErrorText(reason, edition, folder);
}

}  // namespace

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
  // Two copies in one folder would mix their exchange files. Where the lock
  // cannot be taken for any reason, this copy says why and ends: it never
  // runs unlocked.
  const FolderLock::Outcome outcome = folderLock_.Take();
  if (outcome != FolderLock::Outcome::Taken) {
    app.RunEvent([this, outcome] {
      app.MsgBox(FolderLockRefusal(folderLock_, outcome, edition, WorkingFolder()), ui::vbExclamation);
      app.End();
    });
    return;
  }
  // Left by saves killed in an earlier run; their age spares any save that
  // may still be under way.
  RemoveStaleTemporaryFiles(WorkingFolder(), kStaleTemporaryAge);
  app.RunEvent([this] { mainWindow->Show(); });
}

}  // namespace vorn::mainwin
