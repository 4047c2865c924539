// The curved surface from the main window, headless: the curved option and
// the shape dialog's OK, then the calculate command writes the condition
// file, starts the shape's program, waits and shows the factors it reads;
// a program that cannot start, or a result that is not there, ends in the
// calculate command's message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/mainwin/mainwin_test_support.h"

namespace vorn::testing {
namespace {

const char* WaitText(Edition edition)
{
  return edition == Edition::Japanese ? "しばらくこのままお待ちください。 計算終了後、この OK ボタンを押して下さい"
                                      : " Please wait for a while. Press this OK button after the calculation is completed ";
}

const char* FailureText(Edition edition)
{
  return edition == Edition::Japanese ? "　???  正しく計算できませんでした  ???   " : " ???  Could not calculate correctly  ??? ";
}

// The curved option, then the shape dialog with `option` chosen and OK.
void ChooseCurvedSurface(Session& s, ui::OptionButton mainwin::ShapeDialog::*option)
{
  s.form().curvedSurfaceOption.UserClick();
  mainwin::ShapeDialog& dialog = *s.program->shapeDialog;
  ASSERT_TRUE(dialog.Visible());
  (dialog.*option).UserClick();
  dialog.okButton.UserClick();
}

// joken.txt without its last line, the run token.
std::vector<std::string> ConditionLines(Session& s)
{
  std::vector<std::string> lines = FileLines(s.dir() / "joken.txt");
  lines.pop_back();
  return lines;
}

// The started program writes its result, with its run's token, while the user waits.
void ProgramWrites(Session& s, const std::string& text)
{
  const std::filesystem::path folder = s.dir();
  s.services.onShell = [folder, text](const std::string&) {
    WriteText(folder / "resultBSF.txt", text + FileLines(folder / "joken.txt").back() + "\r\n");
  };
}

const char* NotFinishedText(Edition edition)
{
  return edition == Edition::Japanese
             ? "後方散乱係数の計算プログラムはまだ終了していません。 計算終了後、OK ボタンを押して下さい。"
               "この計算をやめるときは Cancel ボタンを押して下さい"
             : " The backscatter program has not finished yet. Press OK after the calculation is completed, or "
               "Cancel to give up this calculation ";
}

TEST(CurvedSurfaceFromTheMainWindow, EachShapeStartsItsProgramAndShowsTheFactorsItWrote)
{
  struct ShapeCase {
    ui::OptionButton mainwin::ShapeDialog::*option;
    const char* program;
    std::vector<std::string> japanese_lines;  // the dialog's Japanese presets
  };
  const std::vector<ShapeCase> cases{
      {&mainwin::ShapeDialog::cylinderOption,
       "Tubrin.exe",
       {"020.0", "020.0", "080.0", "100.0", "035.6", "043.2", "00050000000"}},
      {&mainwin::ShapeDialog::ellipseOption,
       "Ovalis.exe",
       {"030.0", "020.0", "020.0", "080.0", "100.0", "035.6", "043.2", "00050000000"}},
      {&mainwin::ShapeDialog::racetrackOption,
       "Lapmoor.exe",
       {"020.0", "020.0", "080.0", "020.0", "080.0", "100.0", "035.6", "043.2", "00050000000"}},
  };
  for (const ShapeCase& c : cases) {
    auto s = StartRegistered(Edition::Japanese);
    ChooseCurvedSurface(*s, c.option);
    ProgramWrites(*s, "1.351,1.424,1.402\r\n");
    s->services.ExpectMsgBox(WaitText(Edition::Japanese));
    s->form().calculateButton.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u) << c.program;
    EXPECT_EQ(s->services.shellCalls, std::vector<std::string>{c.program});
    EXPECT_EQ(s->services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_EQ(ConditionLines(*s), c.japanese_lines) << c.program;
    EXPECT_EQ(s->form().bsfAirLabel.Caption(), "1.351") << c.program;
    EXPECT_EQ(s->form().bsfSoftLabel.Caption(), "1.424") << c.program;
    EXPECT_EQ(s->form().bsfSkinLabel.Caption(), "1.402") << c.program;
    EXPECT_NE(s->form().surfaceDoseSoftLabel.Caption(), "") << c.program;
    EXPECT_TRUE(s->form().addToTableButton.Enabled()) << c.program;  // the result can be added to the table
  }
}

TEST(CurvedSurfaceFromTheMainWindow, EnglishEditionUsesItsPresetsAndItsWaitText)
{
  auto s = StartRegistered(Edition::English);
  ChooseCurvedSurface(*s, &mainwin::ShapeDialog::ellipseOption);
  ProgramWrites(*s, "1.3\r\n1.4\r\n1.35\r\n");
  s->services.ExpectMsgBox(WaitText(Edition::English));
  s->form().calculateButton.UserClick();
  EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(ConditionLines(*s),
            (std::vector<std::string>{"020.0", "010.0", "020.0", "080.0", "100.0", "035.6", "043.2", "00050000000"}));
  EXPECT_EQ(s->form().bsfSoftLabel.Caption(), "1.400");
  EXPECT_EQ(s->m().Result.BsfSkin, 1.35);
}

TEST(CurvedSurfaceFromTheMainWindow, AMissingProgramIsReportedByTheCalculateCommand)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    auto s = StartRegistered(edition);
    ChooseCurvedSurface(*s, &mainwin::ShapeDialog::cylinderOption);
    WriteText(s->dir() / "resultBSF.txt", "1.351,1.424,1.402\r\n");
    s->services.FailShell("Tubrin.exe");
    // The failure, then the program named with the cause.
    const std::string told = std::string(FailureText(edition)) + "\nTubrin.exe" +
                             (edition == Edition::Japanese ? "：プログラムを起動できません"
                                                           : ": the program cannot be started");
    s->services.ExpectMsgBox(told);
    s->form().calculateButton.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
    EXPECT_EQ(MessageTexts(s->services), std::vector<std::string>{told});  // no wait message
    EXPECT_EQ(s->services.beeps, 1);
    EXPECT_EQ(s->form().bsfSoftLabel.Caption(), "");
    EXPECT_TRUE(s->services.calls.end() != std::find(s->services.calls.begin(), s->services.calls.end(),
                                                     "Shell Tubrin.exe"));
  }
}

TEST(CurvedSurfaceFromTheMainWindow, OkBeforeTheProgramHasWrittenLeavesNoResultToAdd)
{
  // A flat result on show and ready to add, and a result file of an earlier
  // curved calculation; then the curved surface, and OK on the wait message
  // before the program has written anything: it has ended without a result.
  auto s = StartRegistered(Edition::Japanese);
  s->form().calculateButton.UserClick();
  ASSERT_TRUE(s->form().addToTableButton.Enabled());
  ChooseCurvedSurface(*s, &mainwin::ShapeDialog::cylinderOption);
  WriteText(s->dir() / "resultBSF.txt", "1.351,1.424,1.402\r\n");
  s->services.ExpectMsgBox(WaitText(Edition::Japanese));
  s->services.ExpectMsgBox("後方散乱係数の計算プログラムは、この計算の結果を書かずに終了しました");  // and nothing more
  s->form().calculateButton.UserClick();
  EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
  // Neither the flat factors nor the earlier file's pass for this surface.
  for (ui::Label* label :
       {&s->form().hvlLabel, &s->form().bsfSoftLabel, &s->form().bsfSkinLabel, &s->form().bsfAirLabel,
        &s->form().convFactorSoftLabel, &s->form().surfaceDoseSoftLabel, &s->form().surfaceDoseSkinLabel,
        &s->form().surfaceDoseAirLabel, &s->form().exposureAt1mLabel})
    EXPECT_EQ(label->Caption(), "") << label->Name();
  EXPECT_FALSE(s->form().addToTableButton.Enabled());
  EXPECT_FALSE(s->form().fitButton.Enabled());
  EXPECT_EQ(s->program->Results.ResultRowCount, 1);

  // The program's answer in place, the next calculation is whole and can be added.
  ProgramWrites(*s, "1.351,1.424,1.402\r\n");
  s->services.ExpectMsgBox(WaitText(Edition::Japanese));
  s->form().calculateButton.UserClick();
  EXPECT_EQ(s->form().bsfSoftLabel.Caption(), "1.424");
  EXPECT_TRUE(s->form().addToTableButton.Enabled());
  EXPECT_TRUE(s->form().fitButton.Enabled());
}

TEST(CurvedSurfaceFromTheMainWindow, OkWhileTheProgramRunsAsksToWaitAgainOrGiveUp)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    auto s = StartRegistered(edition);
    ChooseCurvedSurface(*s, &mainwin::ShapeDialog::cylinderOption);
    s->services.runningPrograms.insert("Tubrin.exe");
    s->services.ExpectMsgBox(WaitText(edition));
    s->services.ExpectMsgBox(NotFinishedText(edition), ui::vbOK);      // wait again
    s->services.ExpectMsgBox(NotFinishedText(edition), ui::vbCancel);  // give up, and nothing more is said
    s->form().calculateButton.UserClick();
    EXPECT_EQ(s->services.PendingMsgBoxes(), 0u);
    EXPECT_EQ(s->services.msgBoxes[1].style, ui::vbOKCancel | ui::vbExclamation);
    EXPECT_EQ(s->form().bsfSoftLabel.Caption(), "");
    EXPECT_FALSE(s->form().addToTableButton.Enabled());
  }
}

}  // namespace
}  // namespace vorn::testing
