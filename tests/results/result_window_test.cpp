// The result window driven as a user would: adding rows from the main
// window, the headings and rows drawn, totals, erase, and the window closed
// through its frame and opened again.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/format/format.h"
#include "program_session.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

using testing::Session;
using testing::Texts;
using testing::ThreeRowTable;

bool GridShown(ResultWindow& window)
{
  const auto& lines = window.RulingLines();
  const bool all = std::all_of(lines.begin(), lines.end(), [](const auto& l) { return l->Visible(); });
  const bool none = std::none_of(lines.begin(), lines.end(), [](const auto& l) { return l->Visible(); });
  EXPECT_TRUE(all || none) << "the ruling is shown or hidden as a whole";
  EXPECT_EQ(window.totalsButton.Visible(), all);
  return all;
}

int CountText(const ui::DisplayList& items, const std::string& text)
{
  const std::vector<std::string> texts = Texts(items);
  return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

TEST(AddToTable, FirstRowReplacesTheSplashWithHeadingsRulingAndBandOne)
{
  Session s(Edition::Japanese);
  EXPECT_NE(ui::FindText(s.window().tablePicture.Items(), "Vorn-V18"), nullptr);
  EXPECT_FALSE(GridShown(s.window()));

  s.Calculate(80);
  ASSERT_TRUE(s.main().addToTableButton.Enabled());
  s.main().addToTableButton.UserClick();

  const ui::DisplayList& items = s.window().tablePicture.Items();
  EXPECT_EQ(ui::FindText(items, "Vorn-V18"), nullptr);
  EXPECT_TRUE(GridShown(s.window()));
  // 42 headings, then the new row's 21 cells: no effective-dose cell yet.
  const std::vector<std::string> texts = Texts(items);
  ASSERT_GE(texts.size(), 42u);
  EXPECT_EQ(ResultsTextsFor(Edition::Japanese).ScreenHeadings.size(), 42u);
  EXPECT_EQ(texts.front(), "照射部位");
  EXPECT_EQ(texts.size(), 42u + 21u);
  const ui::TextItem* kv = ui::FindText(items, "80.0");
  ASSERT_NE(kv, nullptr);
  EXPECT_EQ(kv->at, (ui::Point{170, 120}));
  EXPECT_EQ(kv->font.name, "メイリオ");

  // The row is the module's condition and results, unchanged.
  const ResultTable& t = s.table();
  EXPECT_EQ(t.ResultRowCount, 2);
  EXPECT_EQ(t.ResTubeVoltage[1], 80.0);
  EXPECT_EQ(t.ResEntranceSurfaceDoseSoft[1], s.m().Result.EntranceSurfaceDoseSoft);
  EXPECT_GT(t.ResEntranceSurfaceDoseSoft[1], 0.0);
  EXPECT_EQ(t.ResSiteName[1], s.m().Condition.SiteName);
  EXPECT_EQ(t.ResEffectiveDose[1], 0.0);
  EXPECT_EQ(s.program->AddingRowFlag, 0);

  EXPECT_FALSE(s.main().addToTableButton.Enabled());
  EXPECT_TRUE(s.main().effectiveDoseButton.Enabled());
  EXPECT_TRUE(s.main().effectiveDoseButton.HasFocus());
}

TEST(AddToTable, EnglishHeadingsAndWords)
{
  Session s(Edition::English);
  s.AddResult(70);
  const ui::DisplayList& items = s.window().tablePicture.Items();
  EXPECT_EQ(ResultsTextsFor(Edition::English).ScreenHeadings.size(), 44u);
  EXPECT_EQ(Texts(items).size(), 44u + 21u);
  // Texts keep their line; where one does not fit its cell it moves inside it.
  const ui::TextItem* heading = ui::FindText(items, "Entrance surface dose");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->at.y, 2);
  EXPECT_GT(heading->at.x, 884.8);  // its group's left rule
  EXPECT_LE(heading->at.x, 935);
  const ui::TextItem* flat = ui::FindText(items, "Flat");
  ASSERT_NE(flat, nullptr);
  EXPECT_EQ(flat->at.x, 10);
  EXPECT_GT(flat->at.y, 110);  // in row 1's band, under the site
  EXPECT_LE(flat->at.y, 130);
  EXPECT_EQ(ui::FindText(items, "---")->at, (ui::Point{460, 120}));
  EXPECT_EQ(ui::FindText(items, "Flat")->font.name, "Times New Roman");
}

TEST(AddToTable, FifteenRowsThenTheTableIsFull)
{
  Session s(Edition::Japanese);
  for (int n = 1; n <= 14; ++n) s.AddResult(50 + 5 * n);
  EXPECT_TRUE(s.Messages().empty());
  EXPECT_EQ(s.table().ResultRowCount, 15);

  const int beeps = s.services.beeps;
  const std::string full(ResultsTextsFor(Edition::Japanese).TableFull);
  s.services.ExpectMsgBox(full);
  s.AddResult(125);
  EXPECT_EQ(s.services.beeps, beeps + 1);
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_EQ(s.table().ResultRowCount, 16);
  EXPECT_EQ(s.table().ResTubeVoltage[15], 125.0);
  EXPECT_EQ(ui::FindText(s.window().tablePicture.Items(), "125.0")->at, (ui::Point{170, 820}));

  // A calculation on a full table leaves the add command disabled.
  s.Calculate(90);
  EXPECT_FALSE(s.main().addToTableButton.Enabled());
  // Should the command still run, it stores nothing and says so again.
  const ResultTable before = s.table();
  const std::size_t drawn = s.window().tablePicture.Items().size();
  s.main().addToTableButton.SetEnabled(true);
  s.services.ExpectMsgBox(full);
  s.main().addToTableButton.UserClick();
  EXPECT_EQ(s.table(), before);
  EXPECT_EQ(s.window().tablePicture.Items().size(), drawn);
  EXPECT_FALSE(s.main().addToTableButton.Enabled());
}

TEST(AddToTable, RowsForEachSurfaceCode)
{
  Session s(Edition::Japanese);
  BeamCalculation& m = s.m();
  m.Phantom.CylinderRadius = 10;
  m.Phantom.EllipseHRadius = 15;
  m.Phantom.EllipseVRadius = 10;
  const std::vector<std::string> words{"平面", "円柱10", "楕円15,10", "頭平面", "Racetrack"};
  for (int code = 0; code <= 4; ++code) {
    m.Phantom.PhantomModel = code;
    s.main().addToTableButton.SetEnabled(true);  // as after a calculation of this phantom
    s.main().RecordCalculatedResult();
    s.main().addToTableButton.UserClick();
    const ui::TextItem* word = ui::FindText(s.window().tablePicture.Items(), words[code]);
    ASSERT_NE(word, nullptr) << code;
    // The lower line of the row's band (moved up into it where it would cross the rule).
    const double rowY = ScreenRowY(code + 1);
    EXPECT_EQ(word->at.x, 10) << code;
    EXPECT_GT(word->at.y, rowY - 10) << code;
    EXPECT_LE(word->at.y, rowY + 10) << code;
  }
  const ResultTable& t = s.table();
  EXPECT_EQ(t.ResCylinderRadius[2], 10.0);
  EXPECT_EQ(t.ResCylinderRadius[3], 0.0);
  EXPECT_EQ(t.ResEllipseHRadius[3], 15.0);
  EXPECT_EQ(t.ResEllipseVRadius[4], 0.0);
}

TEST(Totals, SumOfTheSurfaceDosesAndEffectiveDoses)
{
  Session s(Edition::Japanese);
  s.table() = ThreeRowTable();
  s.window().ShowResultGrid();
  s.window().totalsButton.UserClick();
  const ui::DisplayList& items = s.window().tablePicture.Items();
  // 1.23 + 10.5 + 0.5, 1.25 + 11.25 + 0.52, 0.97 + 8.75 + 0.4, 0 + 0.123 + 0
  EXPECT_EQ(ui::FindText(items, "12.23")->at, (ui::Point{900, 860}));
  EXPECT_EQ(ui::FindText(items, "13.02")->at, (ui::Point{960, 860}));
  EXPECT_EQ(ui::FindText(items, "10.12")->at, (ui::Point{1025, 860}));
  EXPECT_EQ(ui::FindText(items, "0.123")->at, (ui::Point{1100, 860}));

  // Without effective doses, and pressed again: the white box covers the old line.
  s.table().ResEffectiveDose[2] = 0;
  s.window().totalsButton.UserClick();
  EXPECT_EQ(ui::FindText(items, "0.000")->at, (ui::Point{1100, 860}));
  int boxes = 0;
  for (const ui::DrawItem& item : items) {
    if (const auto* box = std::get_if<ui::BoxItem>(&item)) {
      ++boxes;
      EXPECT_EQ(box->from, (ui::Point{880, 860}));
      EXPECT_EQ(box->to, (ui::Point{1150, 900}));
      ASSERT_TRUE(box->fill.has_value());
      EXPECT_EQ(box->fill->color, ui::colors::White);
    }
  }
  EXPECT_EQ(boxes, 2);
  // Drawn only: the table is as it was.
  EXPECT_EQ(s.table().ResultRowCount, 4);
}

TEST(Erase, EmptyTableOnlySaysSo)
{
  Session s(Edition::English);
  const std::size_t drawn = s.window().tablePicture.Items().size();
  const int beeps = s.services.beeps;
  s.services.ExpectMsgBox(" No data to erase ");
  s.window().eraseButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_EQ(s.services.beeps, beeps);
  EXPECT_EQ(s.window().tablePicture.Items().size(), drawn);
}

TEST(Erase, CancelKeepsEverything)
{
  Session s(Edition::Japanese);
  s.AddResult(80);
  const ResultTable before = s.table();
  const std::string label = s.main().surfaceDoseSoftLabel.Caption();
  s.services.ExpectMsgBox("　現在表示されている計算結果は削除されます　", ui::vbCancel);
  s.window().eraseButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbOKCancel);
  EXPECT_EQ(s.table(), before);
  EXPECT_EQ(s.main().surfaceDoseSoftLabel.Caption(), label);
  EXPECT_TRUE(GridShown(s.window()));
}

TEST(Erase, OkEmptiesTheTableAndResetsTheMainWindow)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    Session s(edition);
    s.AddResult(80);
    BeamCalculation& m = s.m();
    m.OtherFilter.OtherFilterOn = 1;
    m.OtherFilter.OtherFilterMaterial = "Mo";
    m.OtherFilter.OtherFilterThickness = 0.003;
    s.main().optionalFilterMaterialLabel.SetCaption("Mo");
    s.main().optionalFilterThicknessLabel.SetCaption("0.03");
    m.Condition.OutputSource = 1;
    s.main().atrIndexLabel.SetCaption("0.55");
    ASSERT_FALSE(s.main().surfaceDoseSoftLabel.Caption().empty());

    s.program->optionalFilterDialog->Show();
    s.services.ExpectMsgBox(ui::vbOK);
    const int beeps = s.services.beeps;
    s.window().eraseButton.UserClick();
    EXPECT_FALSE(s.program->optionalFilterDialog->Visible());
    EXPECT_EQ(s.services.beeps, beeps + 1);

    EXPECT_EQ(s.table(), ResultTable{});
    EXPECT_FALSE(GridShown(s.window()));
    const ui::DisplayList& items = s.window().tablePicture.Items();
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"Vorn-V18", "Tester"}));
    EXPECT_EQ(ui::FindText(items, "Vorn-V18")->at, (ui::Point{500, 350}));
    EXPECT_EQ(ui::FindText(items, "Vorn-V18")->font, (ui::FontSpec{"Times New Roman", 28}));
    EXPECT_EQ(ui::FindText(items, "Tester")->at, (ui::Point{500, 500}));
    EXPECT_EQ(ui::FindText(items, "Tester")->font.name,
              edition == Edition::Japanese ? "メイリオ" : "Times New Roman");
    EXPECT_EQ(s.window().tablePicture.FontSize(), 9.0);

    mainwin::MainWindow& f = s.main();
    for (const ui::Label* label :
         {&f.exposureAt1mLabel, &f.hvlLabel, &f.effectiveEnergyLabel, &f.surfaceDoseAirLabel, &f.bsfSoftLabel,
          &f.convFactorSoftLabel, &f.convFactorSkinLabel, &f.surfaceDoseSoftLabel, &f.surfaceDoseSkinLabel,
          &f.bsfSkinLabel, &f.bsfAirLabel, &f.optionalFilterMaterialLabel, &f.optionalFilterThicknessLabel}) {
      EXPECT_EQ(label->Caption(), "") << label->Name();
    }
    // The English window has no ATR index: its label is left alone.
    EXPECT_EQ(f.atrIndexLabel.Caption(), edition == Edition::Japanese ? "" : "0.55");
    EXPECT_EQ(m.OtherFilter.OtherFilterOn, 0);
    EXPECT_EQ(m.OtherFilter.OtherFilterMaterial, "");
    EXPECT_EQ(m.OtherFilter.OtherFilterThickness, 0.0);
    EXPECT_TRUE(f.outputDataOption.Value());
    EXPECT_EQ(m.Condition.OutputSource, 2);
    EXPECT_FALSE(f.addToTableButton.Enabled());
    EXPECT_FALSE(f.fitButton.Enabled());
    EXPECT_TRUE(f.calculateButton.HasFocus());

    // The next add starts a new table at band 1.
    s.AddResult(90);
    EXPECT_EQ(s.table().ResultRowCount, 2);
    EXPECT_EQ(ui::FindText(s.window().tablePicture.Items(), "90.0")->at, (ui::Point{170, 120}));
    EXPECT_TRUE(GridShown(s.window()));
  }
}

TEST(ResultWindow, ClosedThroughItsFrameComesBackWithTheTable)
{
  Session s(Edition::Japanese);
  s.AddResult(80);
  s.AddResult(90);
  s.table().ResEffectiveDose[1] = 0.25;
  s.window().UserClose();
  EXPECT_FALSE(s.program->resultWindow.Exists());
  EXPECT_FALSE(s.program->app.Ended());

  s.main().showTableButton.UserClick();
  ResultWindow& again = s.window();
  EXPECT_TRUE(again.Visible());
  EXPECT_EQ(again.userNameLabel.Caption(), "Tester");
  EXPECT_TRUE(GridShown(again));
  const ui::DisplayList& items = again.tablePicture.Items();
  EXPECT_EQ(Texts(items).size(), 42u + 2 * 22u);
  EXPECT_EQ(ui::FindText(items, "80.0")->at, (ui::Point{170, 120}));
  EXPECT_EQ(ui::FindText(items, "90.0")->at, (ui::Point{170, 170}));
  EXPECT_EQ(ui::FindText(items, "0.250")->at, (ui::Point{1100, 120}));
  EXPECT_EQ(CountText(items, "―"), 3);  // two filter bars and the second row's dose
  // Redrawing leaves the computing module's condition alone.
  EXPECT_EQ(s.m().Condition.TubeVoltage, 90.0);
}

TEST(ResultWindow, ANewUserNameKeepsTheRowsInView)
{
  Session s(Edition::Japanese);
  s.AddResult(80);
  s.AddResult(90);
  s.main().mascotPicture.UserDblClick();
  s.program->userNameChangeDialog->nameBox.UserType("Alice");
  s.program->userNameChangeDialog->okButton.UserClick();

  const ui::DisplayList& items = s.window().tablePicture.Items();
  ASSERT_NE(ui::FindText(items, "80.0"), nullptr);
  ASSERT_NE(ui::FindText(items, "90.0"), nullptr);
  EXPECT_EQ(ui::FindText(items, "80.0")->at, (ui::Point{170, 120}));
  EXPECT_EQ(ui::FindText(items, "90.0")->at, (ui::Point{170, 170}));
  EXPECT_EQ(ui::FindText(items, "Vorn-V18"), nullptr);  // no splash over the rows
  EXPECT_TRUE(GridShown(s.window()));
  EXPECT_EQ(s.window().userNameLabel.Caption(), "Alice");
  // The next row goes under them.
  s.AddResult(100);
  ASSERT_NE(ui::FindText(s.window().tablePicture.Items(), "100.0"), nullptr);
  EXPECT_EQ(ui::FindText(s.window().tablePicture.Items(), "100.0")->at, (ui::Point{170, 220}));
}

TEST(ResultWindow, TheUserNameShrinksToOneLineThenIsCut)
{
  // Stand-in metrics: a full-width character is one em; the label has 2520
  // twips inside its margins.
  Session s(Edition::Japanese);
  ResultWindow& w = s.window();
  EXPECT_EQ(w.userNameLabel.FontSize(), 14.25);
  w.ShowUserName("山田 花子（放射線科）");  // 10.5 em: 2992 twips at 14.25 points
  EXPECT_EQ(w.userNameLabel.Caption(), "山田 花子（放射線科）");
  EXPECT_EQ(w.userNameLabel.FontSize(), 12.0);  // 2520 twips
  w.ShowUserName(std::string(30, 'W') + "山田");  // 17 em: too long at 9 points (3060 twips)
  EXPECT_EQ(w.userNameLabel.FontSize(), 9.0);
  EXPECT_EQ(w.userNameLabel.Caption(), std::string(27, 'W') + "…");
  w.ShowUserName("Tester");
  EXPECT_EQ(w.userNameLabel.FontSize(), 14.25);
  EXPECT_EQ(w.userNameLabel.Caption(), "Tester");
}

TEST(ResultWindow, StartUpDrawsTheSplashOnce)
{
  Session s(Edition::Japanese);
  EXPECT_EQ(Texts(s.window().tablePicture.Items()), (std::vector<std::string>{"Vorn-V18", "Tester"}));
  EXPECT_FALSE(GridShown(s.window()));
  EXPECT_EQ(s.window().userNameLabel.Caption(), "Tester");
}

TEST(ResultWindow, ClosedWhileEmptyComesBackWithTheSplash)
{
  Session s(Edition::English);
  s.window().UserClose();
  s.main().showTableButton.UserClick();
  EXPECT_EQ(Texts(s.window().tablePicture.Items()), (std::vector<std::string>{"Vorn-V18", "Tester"}));
  EXPECT_FALSE(GridShown(s.window()));
}

TEST(ResultWindow, LayoutAndCommands)
{
  Session s(Edition::English);
  ResultWindow& w = s.window();
  EXPECT_EQ(w.Caption(), "  Calculation Results by Vorn");
  EXPECT_EQ(w.Width(), 15495);
  EXPECT_EQ(w.Height(), 7935);
  EXPECT_EQ(w.mainWindowButton.Caption(), "Hide behind");
  EXPECT_EQ(w.mainWindowButton.Left(), 13200);
  EXPECT_EQ(w.mainWindowButton.Width(), 2175);
  EXPECT_EQ(w.eraseButton.Width(), 1335);
  EXPECT_EQ(w.totalsButton.FontName(), "Times New Roman");
  // One unit is 13.155 twips across and 7.65 down.
  EXPECT_NEAR(w.tablePicture.CurrentScale().TwipsPerUnitX(), 13.155, 1e-9);
  EXPECT_NEAR(w.tablePicture.CurrentScale().TwipsPerUnitY(), 7.65, 1e-9);
  EXPECT_EQ(w.RulingLines().size(), 37u);
  // The main window to the front.
  w.mainWindowButton.UserClick();
  EXPECT_EQ(s.program->app.FrontForm(), &s.main());
  EXPECT_TRUE(w.Visible());

  Session j(Edition::Japanese);
  EXPECT_EQ(j.window().totalsButton.Caption(), "合 計 ⇒");
  EXPECT_EQ(j.window().mainWindowButton.Left(), 13440);
  EXPECT_EQ(j.window().totalsButton.Font(), (ui::FontSpec{"メイリオ", 12}));
}

}  // namespace
}  // namespace vorn::results
