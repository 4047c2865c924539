// The program's forms and their lifetime, events as units of the program,
// unhandled errors, the end of the program, the scripted services and where
// Shell finds a program.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/ui/program_start.h"
#include "platform/ui/ui.h"
#include "tests/ui/ui_test_support.h"

namespace fs = std::filesystem;

namespace vorn::ui {
namespace {

using testing::UiTest;

class Dialog : public Form {
public:
  Dialog(Application& app, std::string name, std::vector<std::string>& log) : Form(app, std::move(name)), log_(log)
  {
    firstOption.SetValue(true);  // the design state
    Load = [this] { log_.push_back(Name() + ".Load"); };
    QueryUnload = [this](bool& cancel, UnloadMode mode) {
      log_.push_back(Name() + ".QueryUnload " + std::to_string(static_cast<int>(mode)));
      cancel = keepOpen;
    };
    Unload = [this](bool&) { log_.push_back(Name() + ".Unload"); };
    actionButton.Click = [this] {
      log_.push_back(Name() + ".Command1");
      if (failWith) throw DataError(*failWith);
    };
  }
  OptionButton firstOption{*this, "Option1"};
  OptionButton secondOption{*this, "Option2"};
  CommandButton actionButton{*this, "Command1"};
  bool keepOpen = false;
  std::optional<std::string> failWith;

private:
  std::vector<std::string>& log_;
};

// A program object as the windows' programs hold one.
struct Program {
  explicit Program(Services& services) : app(services, "Vorn test") {}
  std::vector<std::string> log;
  Application app;
  FormSlot<Dialog> mainForm{[this] { return std::make_unique<Dialog>(app, "Form1", log); }};
  FormSlot<Dialog> dialog{[this] { return std::make_unique<Dialog>(app, "Form9", log); }};
};

class ProgramTest : public UiTest {
protected:
  Program program{services};
};

TEST_F(ProgramTest, AFormIsCreatedAndLoadedOnFirstUse)
{
  EXPECT_FALSE(program.dialog.Exists());
  EXPECT_TRUE(program.log.empty());
  program.dialog->secondOption.SetValue(true);
  EXPECT_TRUE(program.dialog.Exists());
  EXPECT_FALSE(program.dialog->Visible());  // loaded, not shown
  program.dialog->Show();
  EXPECT_EQ(program.log, (std::vector<std::string>{"Form9.Load"}));
  EXPECT_EQ(&*program.dialog, &program.dialog.get());  // one program-wide instance
}

TEST_F(ProgramTest, HidingKeepsTheFormAndClosingThroughTheFrameStartsItAfresh)
{
  program.mainForm->Show();
  program.dialog->Show();
  program.dialog->secondOption.SetValue(true);
  program.dialog->Hide();
  EXPECT_TRUE(program.dialog->secondOption.Value());  // hidden dialogs keep their contents

  program.dialog->Show();
  EXPECT_TRUE(program.dialog->UserClose());
  EXPECT_FALSE(program.dialog.Exists());
  EXPECT_FALSE(program.app.Ended());  // MainWindow is still open
  EXPECT_TRUE(program.dialog->firstOption.Value());  // a fresh instance, in its design state
  EXPECT_EQ(program.log, (std::vector<std::string>{"Form1.Load", "Form9.Load", "Form9.QueryUnload 0",
                                                   "Form9.Unload", "Form9.Load"}));
}

TEST_F(ProgramTest, QueryUnloadCanKeepTheFormOpen)
{
  program.dialog->Show();
  program.dialog->keepOpen = true;
  EXPECT_FALSE(program.dialog->UserClose());
  EXPECT_TRUE(program.dialog->Visible());
  program.dialog->keepOpen = false;
  EXPECT_TRUE(program.dialog->Close());  // from code: mode 1
  EXPECT_EQ(program.log.back(), "Form9.Unload");
  EXPECT_EQ(program.log[program.log.size() - 2], "Form9.QueryUnload 1");
}

TEST_F(ProgramTest, ClosingTheLastWindowEndsTheProgram)
{
  program.mainForm->Show();
  program.dialog->Show();
  program.dialog->Hide();
  EXPECT_TRUE(program.mainForm->UserClose());
  EXPECT_TRUE(program.app.Ended());
}

TEST_F(ProgramTest, ShowBringsAWindowToTheFront)
{
  program.mainForm->Show();
  program.dialog->Show();
  EXPECT_EQ(program.app.FrontForm(), &program.dialog.get());
  program.mainForm->Show();  // already shown: comes to the front
  EXPECT_EQ(program.app.FrontForm(), &program.mainForm.get());
  program.dialog->ZOrder();
  EXPECT_EQ(program.app.FrontForm(), &program.dialog.get());
  program.dialog->Hide();
  EXPECT_EQ(program.app.FrontForm(), &program.mainForm.get());
  EXPECT_EQ(program.app.ZOrder().size(), 1u);
}

// An error that no routine trapped is told, and the program goes on with its
// windows and data: ending would lose an unsaved result table.
TEST_F(ProgramTest, AnUntrappedErrorIsShownAndTheProgramGoesOn)
{
  program.mainForm->Show();
  program.mainForm->failWith = "Att_coeff2020.dat: file not found";
  services.ExpectMsgBox("Att_coeff2020.dat: file not found", vbOK);
  program.mainForm->actionButton.UserClick();
  ASSERT_EQ(services.msgBoxes.size(), 1u);
  EXPECT_EQ(services.msgBoxes[0].style, vbCritical | vbOKOnly);
  EXPECT_EQ(services.msgBoxes[0].title, "Vorn test");
  EXPECT_FALSE(program.app.Ended());
  EXPECT_TRUE(program.mainForm->Visible());
  EXPECT_FALSE(program.app.InEvent());

  // The program's words for it, whatever was thrown: out of memory too.
  program.app.SetUntrappedErrorText([](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
      return std::string("out of memory");
    } catch (...) {
      return std::string("other");
    }
  });
  program.mainForm->actionButton.Click = [] { throw std::bad_alloc(); };
  services.ExpectMsgBox("out of memory", vbOK);
  program.mainForm->actionButton.UserClick();
  program.mainForm->actionButton.Click = [] { throw 42; };  // not even an exception class
  services.ExpectMsgBox("other", vbOK);
  program.mainForm->actionButton.UserClick();
  EXPECT_FALSE(program.app.Ended());
  EXPECT_EQ(services.PendingMsgBoxes(), 0u);
}

TEST_F(ProgramTest, ErrorsInsideAnEventReachTheCallersTrap)
{
  program.mainForm->Show();
  program.dialog->failWith = "inner";
  program.mainForm->actionButton.Click = [this] {
    try {
      program.dialog->actionButton.Click.Raise();  // a routine called from another
    } catch (const DataError& e) {
      program.log.push_back(std::string("trapped ") + e.what());
    }
  };
  program.mainForm->actionButton.UserClick();
  EXPECT_EQ(program.log.back(), "trapped inner");
  EXPECT_FALSE(program.app.Ended());
}

TEST_F(ProgramTest, AnEventArrivingWhileARoutineYieldsIsAnEventOfItsOwn)
{
  program.mainForm->Show();
  program.dialog->Show();
  program.dialog->failWith = "Eff-Dose.dat: input past end of file";
  services.ExpectMsgBox("Eff-Dose.dat: input past end of file", vbOK);
  bool trapped = false;
  program.mainForm->actionButton.Click = [&] {
    try {
      // The user clicks MeasuredExposureDialog's button while this routine yields.
      program.app.RunWindowEvent([this] { program.dialog->actionButton.UserClick(); });
    } catch (const std::exception&) {
      trapped = true;
    }
  };
  program.mainForm->actionButton.UserClick();
  EXPECT_FALSE(trapped);  // not this routine's error
  EXPECT_EQ(services.PendingMsgBoxes(), 0u);  // told as that event's
  EXPECT_FALSE(program.app.Ended());
  EXPECT_FALSE(program.app.InEvent());
}

TEST_F(ProgramTest, AfterEndNoEventRuns)
{
  testing::RecordingBinding binding;
  program.app.SetBinding(&binding);
  program.mainForm->Show();
  program.dialog->Show();
  program.mainForm->actionButton.Click = [this] {
    program.app.End();
    program.dialog->secondOption.SetValue(true);  // its routine would run: it must not
    program.dialog->Show();
  };
  program.dialog->secondOption.Click = [this] { program.log.push_back("Option2 ran"); };
  program.mainForm->actionButton.UserClick();
  EXPECT_TRUE(program.app.Ended());
  EXPECT_EQ(binding.ended, 1);
  EXPECT_FALSE(program.dialog->Visible());
  EXPECT_TRUE(program.app.ZOrder().empty());
  EXPECT_EQ(std::count(program.log.begin(), program.log.end(), "Option2 ran"), 0);
  EXPECT_THROW(program.mainForm->actionButton.UserClick(), std::logic_error);
  program.app.SetBinding(nullptr);
}

TEST_F(ProgramTest, DestroyingAFormTellsTheBinding)
{
  testing::RecordingBinding binding;
  program.app.SetBinding(&binding);
  {
    std::vector<std::string> log;
    Dialog temporary(program.app, "Temporary", log);
  }
  EXPECT_EQ(binding.destroyed, (std::vector<std::string>{"Command1", "Option2", "Option1", "Temporary"}));
  program.app.SetBinding(nullptr);
}

// ---------------------------------------------------------------- scripted services

TEST_F(UiTest, MessageBoxesAreAnsweredFromTheScript)
{
  services.ExpectMsgBox("　プリンターは準備できていますか？　", vbNo);
  services.ExpectMsgBox(vbCancel);
  EXPECT_EQ(app.MsgBox("　プリンターは準備できていますか？　", vbYesNo), vbNo);
  app.Beep();
  EXPECT_EQ(app.MsgBox("anything", vbOKCancel | vbExclamation, "Title"), vbCancel);
  EXPECT_EQ(services.msgBoxes[0].title, "Vorn test");  // the program's title by default
  EXPECT_EQ(services.msgBoxes[1].title, "Title");
  EXPECT_EQ(services.calls, (std::vector<std::string>{"MsgBox 　プリンターは準備できていますか？　", "Beep",
                                                      "MsgBox anything"}));
  EXPECT_EQ(services.beeps, 1);
}

TEST_F(UiTest, AnUnexpectedMessageBoxFailsClearly)
{
  try {
    app.MsgBox("surprise", vbOKOnly);
    FAIL() << "no exception";
  } catch (const UnexpectedMessageBox& e) {
    EXPECT_NE(std::string(e.what()).find("surprise"), std::string::npos);
  }
  services.ExpectMsgBox("other text");
  EXPECT_THROW(app.MsgBox("this text"), UnexpectedMessageBox);
  services.ExpectMsgBox(vbYes);  // Yes in an OK box cannot be the answer
  EXPECT_THROW(app.MsgBox("x"), UnexpectedMessageBox);
  EXPECT_THROW(app.MsgBox("x", 2), std::invalid_argument);  // abort/retry/ignore is not used
  EXPECT_EQ(services.msgBoxes.size(), 3u);
  services.ExpectMsgBox(vbOK);  // a box that was not shown: TearDown reports it
  EXPECT_EQ(services.PendingMsgBoxes(), 1u);
  app.MsgBox("done");
}

TEST_F(UiTest, ShellAndDoEventsAreRecordedAndShellCanFail)
{
  services.FailShell("Tubrin.exe");
  app.Shell("vorn18J_PDD");
  app.DoEvents();
  EXPECT_THROW(app.Shell("Tubrin.exe"), FileError);
  EXPECT_EQ(services.shellCalls, (std::vector<std::string>{"vorn18J_PDD", "Tubrin.exe"}));
  EXPECT_EQ(services.doEvents, 1);
  EXPECT_EQ(app.DateText(), "2026/12/09");
  EXPECT_EQ(app.WorkingFolder(), folder.path());
}

TEST(DateTextTest, ShortDateHasLeadingZeros)
{
  using namespace std::chrono;
  EXPECT_EQ(ShortDateText(year{2026} / December / 9), "2026/12/09");
  EXPECT_EQ(ShortDateText(year{2027} / January / 31), "2027/01/31");
}

// ---------------------------------------------------------------- where Shell finds a program

class FindProgramTest : public ::testing::Test {
protected:
  testing::TempFolder work;
  testing::TempFolder bin;
  fs::path Executable(const testing::TempFolder& where, const std::string& name, bool executable = true)
  {
    const fs::path p = where.Write(name, "#!/bin/sh\n");
    ::chmod(p.c_str(), executable ? 0755 : 0644);
    return p;
  }
};

TEST_F(FindProgramTest, ExeIsDroppedWhenOnlyTheBareNameExists)
{
  const fs::path p = Executable(work, "Tubrin");
  EXPECT_EQ(FindProgram("Tubrin.exe", work.path(), ""), p);
  EXPECT_EQ(FindProgram("Tubrin.EXE", work.path(), ""), p);
  EXPECT_EQ(FindProgram("Tubrin", work.path(), ""), p);
}

TEST_F(FindProgramTest, TheNameAsGivenComesFirstAndTheWorkingFolderBeforePath)
{
  const fs::path withExe = Executable(work, "Ovalis.exe");
  Executable(work, "Ovalis");
  EXPECT_EQ(FindProgram("Ovalis.exe", work.path(), bin.path().string()), withExe);
  const fs::path inBin = Executable(bin, "Lapmoor.exe");
  const fs::path local = Executable(work, "Lapmoor");
  EXPECT_EQ(FindProgram("Lapmoor.exe", work.path(), bin.path().string()), local);
}

TEST_F(FindProgramTest, PathIsSearchedInOrderAndEmptyEntriesAreSkipped)
{
  testing::TempFolder second;
  const fs::path p = Executable(second, "vorn18E_PDD");
  Executable(work, "vorn18E_PDD", /*executable=*/false);  // not a program
  const std::string path = "::" + bin.path().string() + ":" + second.path().string() + ":";
  EXPECT_EQ(FindProgram("vorn18E_PDD.exe", work.path(), path), p);
}

TEST_F(FindProgramTest, AMissingProgramRaisesAnErrorNamingIt)
{
  work.MakeFolder("Tubrin");  // a folder is no program
  try {
    FindProgram("Tubrin.exe", work.path(), bin.path().string());
    FAIL() << "no exception";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("Tubrin.exe"), std::string::npos);
  }
  EXPECT_THROW(FindProgram("", work.path(), ""), FileError);
  EXPECT_THROW(FindProgram(".exe", work.path(), ""), FileError);
}

TEST_F(FindProgramTest, ANameWithAFolderIsAPathFromTheWorkingFolder)
{
  testing::TempFolder other;
  const fs::path p = Executable(work, "tools/Tubrin");
  EXPECT_EQ(FindProgram("tools/Tubrin.exe", work.path(), other.path().string()), p);
  EXPECT_EQ(FindProgram(p.string(), other.path(), ""), p);
  Executable(other, "tools2");
  EXPECT_THROW(FindProgram("sub/tools2", work.path(), other.path().string()), FileError);
}

}  // namespace
}  // namespace vorn::ui
