// The effective-dose window: opening it from the graph window in each
// edition, its layout and texts, OK with hand-worked doses, refusals, the
// hand-back file, Reset, Exit, and closing it through its frame.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/format/format.h"
#include "tests/depthdose_ui/pdd_ui_fixture.h"

namespace vorn::pdd::test {
namespace {

class EffectiveDoseWindowTest : public PddWindowTest {
protected:
  // Starts, opens the window and unticks every row.
  void OpenCleared(Edition edition, const HandoverValues& values = {})
  {
    Started(edition, values);
    graph().effectiveDoseButton.UserClick();
    for (OrganRowControls& row : organs().organRows) {
      if (row.check.Value() == ui::vbChecked) row.check.UserClick();
    }
  }
  void SetRow(int row, const std::string& near_depth, const std::string& far_depth, const std::string& percent)
  {
    OrganRowControls& r = organs().organRows[row - 1];
    if (r.check.Value() != ui::vbChecked) r.check.UserClick();
    r.nearDepthBox.UserType(near_depth);
    r.farDepthBox.UserType(far_depth);
    r.percentBox.UserType(percent);
  }
  std::string Result(int row) { return organs().organRows[row - 1].doseLabel.Caption(); }
};

TEST_F(EffectiveDoseWindowTest, EnglishOpeningHidesTheGraphAndNamesSiteAndThickness)
{
  Started(Edition::English);
  graph().effectiveDoseButton.UserClick();
  EXPECT_TRUE(organs().Visible());
  EXPECT_FALSE(graph().Visible());
  EXPECT_EQ(organs().Caption(), "Effective Dose");
  EXPECT_EQ(organs().siteLabel.Caption(), "Abdomen-F");
  EXPECT_EQ(organs().thicknessLabel.Caption(), "Thickness = 20 cm");
}

TEST_F(EffectiveDoseWindowTest, JapaneseOpeningKeepsTheGraphAndDisablesItsButton)
{
  Started(Edition::Japanese, {.site = "腹部正面"});
  graph().effectiveDoseButton.UserClick();
  EXPECT_TRUE(organs().Visible());
  EXPECT_TRUE(graph().Visible());
  EXPECT_FALSE(graph().effectiveDoseButton.Enabled());
  EXPECT_EQ(organs().siteLabel.Caption(), "腹部正面");
  EXPECT_EQ(organs().thicknessLabel.Caption(), "被写体厚 = 20 cm");
  // The graph's cursor keeps working beside it.
  graph().graphPicture.UserMouseMove(0, 0, 15, 400);
  EXPECT_EQ(graph().totalPercentBox.Text(), "100.00%");
}

TEST_F(EffectiveDoseWindowTest, ThicknessLineShowsTheCapWhenItWasAccepted)
{
  Make(Edition::English, {.thickness = 52.5});
  services_.ExpectMsgBox(ui::vbOK);
  services_.ExpectMsgBox(ui::vbOK);
  program_->Start();
  graph().effectiveDoseButton.UserClick();
  EXPECT_EQ(organs().thicknessLabel.Caption(), "Thickness = 40 cm");
}

TEST_F(EffectiveDoseWindowTest, EnglishLayoutAndWeights)
{
  Started(Edition::English);
  pdd::EffectiveDoseWindow& f = organs();
  EXPECT_EQ(f.Width(), 9585);
  EXPECT_EQ(f.Height(), 11505);
  // Rows from 2280 every 360 twips; the exit skin is the thirteenth, before the brain.
  EXPECT_EQ(f.organRows[0].check.Bounds(), (ui::Rect{240, 2280, 1980, 375}));  // up to the weights
  EXPECT_EQ(f.organRows[12].check.Top(), 2280 + 360 * 12);
  EXPECT_EQ(f.organRows[13].check.Top(), 2280 + 360 * 13);
  EXPECT_EQ(f.organRows[12].nearDepthBox.Bounds(), (ui::Rect{3480, 6600, 1095, 375}));
  EXPECT_EQ(f.organRows[12].doseLabel.Bounds(), (ui::Rect{8040, 6600, 1215, 375}));
  EXPECT_EQ(f.okButton.Left(), 2280);
  EXPECT_EQ(f.exitButton.Top(), 9240);
  EXPECT_EQ(f.organRows[11].check.Caption(), "Entrane skin");
  EXPECT_EQ(f.exitButton.ToolTipText(), " bye ");
  // The weight labels show the factors the computation uses.
  EXPECT_EQ(f.organRows[0].weightLabel.Caption(), "0.12");
  EXPECT_EQ(f.organRows[5].weightLabel.Caption(), "0.08");
  EXPECT_EQ(f.organRows[6].weightLabel.Caption(), "0.04");
  EXPECT_EQ(f.organRows[12].weightLabel.Caption(), "0.01");
  EXPECT_EQ(f.organRows[15].weightLabel.Caption(), "0.12");
}

// The binding, the screenshots and the Tab key know the rows' controls by
// their name strings and the order they were made in.
TEST_F(EffectiveDoseWindowTest, OrganRowsKeepTheirControlNamesAndTabOrder)
{
  Started(Edition::English);
  const pdd::EffectiveDoseWindow& f = organs();
  std::vector<std::string> names;
  int lastTab = -1;
  for (const OrganRowControls& row : f.organRows) {
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &row.check, &row.weightLabel, &row.nearDepthBox, &row.rangeCaption, &row.farDepthBox, &row.percentBox,
             &row.doseLabel}) {
      names.push_back(c->Name());
      EXPECT_GT(c->TabIndex(), lastTab) << c->Name();
      lastTab = c->TabIndex();
    }
  }
  ASSERT_EQ(names.size(), 112u);
  using Names = std::vector<std::string>;
  const auto row = [&names](int r) { return Names(names.begin() + 7 * (r - 1), names.begin() + 7 * r); };
  EXPECT_EQ(row(1), (Names{"Check1", "Label3", "Text1", "RangeMark1", "Text2", "Text31", "Label41"}));
  EXPECT_EQ(row(13), (Names{"Check16", "Label68", "Text46", "RangeMark13", "Text47", "Text48", "Label29"}));
  EXPECT_EQ(row(16), (Names{"Check15", "Label17", "Text29", "RangeMark16", "Text30", "Text45", "Label55"}));
  // Between the headings and the commands, as before.
  EXPECT_LT(f.resultHeading[3].TabIndex(), f.organRows[0].check.TabIndex());
  EXPECT_GT(f.resetButton.TabIndex(), lastTab);
}

TEST_F(EffectiveDoseWindowTest, JapaneseLayoutAndHeadingsWithFewerLines)
{
  Started(Edition::Japanese, {.site = "腹部正面"});
  pdd::EffectiveDoseWindow& f = organs();
  EXPECT_EQ(f.Width(), 9690);
  EXPECT_EQ(f.Height(), 11610);
  EXPECT_EQ(f.organRows[0].check.Caption(), " 乳房　 ―");
  EXPECT_EQ(f.organRows[0].check.Bounds(), (ui::Rect{480, 2280, 1575, 375}));
  EXPECT_EQ(f.organRows[0].farDepthBox.Left(), 5040);
  EXPECT_EQ(f.okButton.Left(), 3120);
  EXPECT_EQ(f.exitButton.Top(), 9360);
  EXPECT_EQ(f.exitButton.Caption(), "決定");
  // Headings without a Japanese line are left out; the others share the band.
  EXPECT_FALSE(f.organHeading[0].Visible());
  EXPECT_FALSE(f.percentHeading[4].Visible());
  EXPECT_TRUE(f.percentHeading[3].Visible());
  EXPECT_EQ(f.organHeading[1].Top(), f.percentHeading[0].Top());
  EXPECT_EQ(f.organHeading[1].Top() + f.organHeading[1].Height(),
            f.percentHeading[3].Top() + f.percentHeading[3].Height());
}

TEST_F(EffectiveDoseWindowTest, OneSkinRowGivesAHandWorkedDose)
{
  OpenCleared(Edition::English);
  // Entrance skin, both depths 0, 100 %: slab 1 alone at 100 % of 1.2 mGy,
  // weighted 0.01: 0.012 mSv = 12.0 microsievert.
  SetRow(kEntranceSkin, "0", "0", "100");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.msgBoxes.size(), 0u);
  EXPECT_EQ(Result(kEntranceSkin), "12.0");
  EXPECT_EQ(Result(kBreast), "-");
  EXPECT_EQ(Result(kRemainder), "-");
  EXPECT_EQ(organs().totalLabel.Caption(), "0.012");
  EXPECT_EQ(ReadFile("Eff-Dose.dat"), "Effective dose (mSv)\r\n0.012\r\n");
  EXPECT_EQ(services_.calls.back(), "DoEvents");  // one yield before the total
}

// The main program waits for the dose of the beam it handed over last: OK in
// a window opened for an earlier one shows its total but hands nothing back,
// and says why.
TEST_F(EffectiveDoseWindowTest, OkAfterAnotherHandOverOrTheMainProgramsEndShowsTheTotalOnly)
{
  OpenCleared(Edition::English);
  SetRow(kEntranceSkin, "0", "0", "100");
  WriteFile("Vorn2PDD.dat", ReadFile("Vorn2PDD.dat"));  // the same beam again
  organs().okButton.UserClick();
  EXPECT_EQ(ReadFile("Eff-Dose.dat"), "Effective dose (mSv)\r\n0.012\r\n");

  // A new hand-over removes the answer and writes another beam.
  fs::remove(File("Eff-Dose.dat"));
  std::string handover = ReadFile("Vorn2PDD.dat");
  WriteFile("Vorn2PDD.dat", " 90 " + handover.substr(handover.find('\r')));
  organs().totalLabel.SetCaption("");
  services_.ExpectMsgBox(
      "  Another beam has been handed over since this window opened: this effective dose is not handed back  ");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(services_.msgBoxes.back().style, ui::vbExclamation | ui::vbOKOnly);
  EXPECT_EQ(organs().totalLabel.Caption(), "0.012");
  EXPECT_FALSE(fs::exists(File("Eff-Dose.dat")));

  // The main program has ended: it removes the hand-over file.
  fs::remove(File("Vorn2PDD.dat"));
  organs().totalLabel.SetCaption("");
  services_.ExpectMsgBox("  The main program has ended (Vorn2PDD.dat is gone): this effective dose is not handed back  ");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(organs().totalLabel.Caption(), "0.012");
  EXPECT_FALSE(fs::exists(File("Eff-Dose.dat")));
}

TEST_F(EffectiveDoseWindowTest, JapaneseEditionNamesTheEndOfTheMainProgram)
{
  OpenCleared(Edition::Japanese);
  SetRow(kEntranceSkin, "0", "0", "100");
  fs::remove(File("Vorn2PDD.dat"));
  services_.ExpectMsgBox("　メインプログラムが終了しました（Vorn2PDD.dat がありません）。この実効線量は結果表に渡されません　");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(organs().totalLabel.Caption(), "0.012");
  EXPECT_FALSE(fs::exists(File("Eff-Dose.dat")));
}

TEST_F(EffectiveDoseWindowTest, ExitSkinAveragesTheLastTwoSlabsOfTheBody)
{
  OpenCleared(Edition::English);
  SetRow(kExitSkin, "19.5", "20", "50");
  SetRow(kColon, "19.5", "20", "50");
  organs().okButton.UserClick();
  // Exit skin: slabs 39 and 40; any other row: slab 40 alone.
  const double exit_mean = 0.01 * (module().PddTable[3][39] + module().PddTable[3][40]) / 2;
  const double colon_mean = 0.01 * module().PddTable[3][40];
  EXPECT_EQ(Result(kExitSkin), Format(1000 * 0.01 * 0.5 * exit_mean * 1.2, "###0.0"));
  EXPECT_EQ(Result(kColon), Format(1000 * 0.12 * 0.5 * colon_mean * 1.2, "###0.0"));
  EXPECT_GT(module().PddTable[3][39], module().PddTable[3][40]);  // so the two differ
}

TEST_F(EffectiveDoseWindowTest, NothingTickedGivesZero)
{
  OpenCleared(Edition::Japanese, {.site = "腹部正面"});
  organs().okButton.UserClick();
  for (int row = 1; row <= kOrganRowCount; ++row) EXPECT_EQ(Result(row), "-");
  EXPECT_EQ(organs().totalLabel.Caption(), "0.000");
  EXPECT_EQ(ReadFile("Eff-Dose.dat"), "実効線量 (mSv)\r\n0.000\r\n");
}

TEST_F(EffectiveDoseWindowTest, RefusedRowStopsTheRestAndKeepsTheEarlierFile)
{
  OpenCleared(Edition::English);
  for (int row = 1; row <= kOrganRowCount; ++row) SetRow(row, "0", "0", "10");
  organs().okButton.UserClick();
  const std::string first_file = ReadFile("Eff-Dose.dat");
  const std::string first_total = organs().totalLabel.Caption();
  ASSERT_FALSE(first_file.empty());
  ASSERT_EQ(Result(kStomach), "14.4");  // 0.12 x 0.1 x 1 x 1.2 mSv

  SetRow(kBreast, "0", "0", "100");
  SetRow(kStomach, "3", "20.1", "10");  // deeper than the body
  services_.ExpectMsgBox("There is a typing mistake in Stomach data");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(services_.msgBoxes.back().style, ui::vbExclamation | ui::vbOKOnly);
  EXPECT_EQ(Result(kBreast), "144.0");  // rows before it show their new doses
  EXPECT_EQ(Result(kStomach), "14.4");  // the refused row and those after keep theirs
  EXPECT_EQ(organs().totalLabel.Caption(), first_total);
  EXPECT_EQ(ReadFile("Eff-Dose.dat"), first_file);
}

TEST_F(EffectiveDoseWindowTest, PercentageAndDepthLimits)
{
  OpenCleared(Edition::English);
  SetRow(kLiver, "0", "20", "100");  // a far depth equal to the thickness passes
  organs().okButton.UserClick();
  EXPECT_EQ(services_.msgBoxes.size(), 0u);
  for (const char* percent : {"100.5", "-1"}) {
    SetRow(kLiver, "0", "20", percent);
    services_.ExpectMsgBox("There is a typing mistake in Liver data");
    organs().okButton.UserClick();
    EXPECT_EQ(services_.PendingMsgBoxes(), 0u) << percent;
  }
  SetRow(kLiver, "5", "4", "10");  // far above near
  services_.ExpectMsgBox("There is a typing mistake in Liver data");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
}

TEST_F(EffectiveDoseWindowTest, NearDepthAboveTheSurfaceIsAGeneralError)
{
  OpenCleared(Edition::Japanese, {.site = "腹部正面"});
  SetRow(kColon, "-1", "3", "10");
  services_.ExpectMsgBox("正しく計算できません");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(services_.msgBoxes.back().style, ui::vbExclamation | ui::vbOKOnly);
  EXPECT_FALSE(fs::exists(File("Eff-Dose.dat")));
  EXPECT_EQ(organs().totalLabel.Caption(), "");
}

TEST_F(EffectiveDoseWindowTest, UnwritableHandBackFileIsToldWithTheTotalShown)
{
  OpenCleared(Edition::English);
  fs::create_directory(File("Eff-Dose.dat"));  // a folder where the file belongs
  SetRow(kEntranceSkin, "0", "0", "100");
  services_.ExpectMsgBox(
      "  Eff-Dose.dat could not be written: this effective dose is not handed back  \nEff-Dose.dat: this is a folder, "
      "not a file");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(organs().totalLabel.Caption(), "0.012");
  EXPECT_FALSE(program_->app.Ended());
}

TEST_F(EffectiveDoseWindowTest, SecondOkRewritesTheFile)
{
  OpenCleared(Edition::English);
  SetRow(kEntranceSkin, "0", "0", "100");
  organs().okButton.UserClick();
  SetRow(kEntranceSkin, "0", "0", "50");
  organs().okButton.UserClick();
  EXPECT_EQ(ReadFile("Eff-Dose.dat"), "Effective dose (mSv)\r\n0.006\r\n");
  EXPECT_EQ(organs().totalLabel.Caption(), "0.006");
}

TEST_F(EffectiveDoseWindowTest, ResetBringsBackTheFileValuesAndClearsTheResults)
{
  Started(Edition::English);
  graph().effectiveDoseButton.UserClick();
  organs().okButton.UserClick();
  ASSERT_NE(organs().totalLabel.Caption(), "");
  organs().organRows[1].nearDepthBox.UserType("1.5");
  organs().organRows[1].check.UserClick();  // unticks red marrow
  organs().organRows[0].check.UserClick();  // ticks breast
  organs().resetButton.UserClick();
  EXPECT_EQ(organs().organRows[1].nearDepthBox.Text(), "9.0");
  EXPECT_EQ(organs().organRows[1].check.Value(), ui::vbChecked);
  EXPECT_EQ(organs().organRows[0].check.Value(), ui::vbUnchecked);
  EXPECT_EQ(organs().totalLabel.Caption(), "");
  for (int row = 1; row <= kOrganRowCount; ++row) EXPECT_EQ(Result(row), "") << row;
  EXPECT_TRUE(fs::exists(File("Eff-Dose.dat")));  // Reset leaves the hand-back file
}

TEST_F(EffectiveDoseWindowTest, ResetWithTheOrganFileGoneLeavesTheRowsEmpty)
{
  Started(Edition::English);
  graph().effectiveDoseButton.UserClick();
  fs::remove(File("Organ-data/Abdomen-F.csv"));
  services_.ExpectMsgBox("There is no data of Abdomen-F");
  organs().resetButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(organs().organRows[1].check.Value(), ui::vbUnchecked);
  EXPECT_EQ(organs().organRows[1].nearDepthBox.Text(), "0");
  EXPECT_EQ(organs().organRows[1].percentBox.Text(), "0");
}

TEST_F(EffectiveDoseWindowTest, ExitDeletesTheScratchTableKeepsTheAnswerAndEnds)
{
  OpenCleared(Edition::English);
  organs().okButton.UserClick();
  ASSERT_TRUE(fs::exists(File("PDD_tempDATA.txt")));
  organs().exitButton.UserClick();
  EXPECT_TRUE(program_->app.Ended());
  EXPECT_FALSE(fs::exists(File("PDD_tempDATA.txt")));
  EXPECT_TRUE(fs::exists(File("Eff-Dose.dat")));
  EXPECT_FALSE(organs().Visible());
}

TEST_F(EffectiveDoseWindowTest, ClosingItThroughItsFrameEndsTheProgramAsExitDoes)
{
  for (Edition edition : {Edition::English, Edition::Japanese}) {
    services_.calls.clear();
    Started(edition, {.site = edition == Edition::English ? "Abdomen-F" : "腹部正面"});
    graph().effectiveDoseButton.UserClick();
    ASSERT_TRUE(fs::exists(File("PDD_tempDATA.txt")));
    organs().UserClose();
    EXPECT_TRUE(program_->app.Ended());
    EXPECT_FALSE(fs::exists(File("PDD_tempDATA.txt")));
    EXPECT_FALSE(graph().Visible());  // the Japanese graph window goes too
  }
}

}  // namespace
}  // namespace vorn::pdd::test
