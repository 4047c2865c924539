// The result table's reset and the result window as start-up leaves it.
#include <gtest/gtest.h>

#include <algorithm>

#include "mainwin_test_support.h"
#include "results/result_table.h"

namespace vorn::testing {
namespace {

using results::ResultTable;

TEST(ResultTableReset, EveryCellOfRowsOneToFifteenIsEmptiedAndTheTableIsEmpty)
{
  ResultTable table;
  EXPECT_EQ(table.ResultRowCount, 1);
  for (int r = 1; r <= results::kResultRows; ++r) {
    table.ResSiteName[r] = "胸部正面";
    table.ResOtherFilterMaterial[r] = "Cu";
    table.ResFieldSizeName[r] = "17x14";
    table.ResRectificationType[r] = 3;
    table.ResPhantomModel[r] = 4;
    table.ResOutputAt1m[r] = 2.58e-4;
    table.ResTubeVoltage[r] = 80 + r;
    table.ResFieldLength[r] = 43.2;
    table.ResHvl2[r] = 0.5;
    table.ResQualityIndex[r] = 0.7;
    table.ResEntranceSurfaceDoseAir[r] = 1.2;
    table.ResRacetrackL[r] = 80;
    table.ResEffectiveDose[r] = 0.123;
  }
  table.ResultRowCount = 16;

  results::ClearResultTable(table);
  EXPECT_EQ(table, ResultTable{});
  EXPECT_EQ(table.ResultRowCount, 1);
  for (int r = 1; r <= results::kResultRows; ++r) {
    EXPECT_EQ(table.ResSiteName[r], "");
    EXPECT_EQ(table.ResFieldSizeName[r], "");
    EXPECT_EQ(table.ResPhantomModel[r], 0);
    EXPECT_EQ(table.ResTubeVoltage[r], 0.0);
    EXPECT_EQ(table.ResEffectiveDose[r], 0.0);
  }
}

// The result window as the program makes it.
TEST(ResultWindow, SizePlaceAndPictureScale)
{
  auto s = StartRegistered(Edition::Japanese);
  results::ResultWindow& form = s->results();
  EXPECT_EQ(form.Caption(), "  Calculation Results by Vorn");
  EXPECT_EQ(form.Width(), 15495);
  EXPECT_EQ(form.Height(), 7935);
  EXPECT_EQ(form.tablePicture.Bounds(), (ui::Rect{120, 120, 15285, 6975}));
  EXPECT_EQ(form.tablePicture.BackColor(), ui::colors::White);
  // One unit is 13.155 twips across and 7.65 twips down: about 1158 by 905
  // units inside the picture's border.
  EXPECT_NEAR(form.tablePicture.ScaleWidth(), 1158.0, 1.0);
  EXPECT_NEAR(form.tablePicture.ScaleHeight(), 905.0, 1.5);
  EXPECT_EQ(form.tablePicture.ScaleLeft(), 0.0);
  EXPECT_EQ(form.tablePicture.ScaleTop(), 0.0);
  EXPECT_EQ(form.userNameLabel.Left(), 4080);
  EXPECT_EQ(form.userNameLabel.Top(), 7320);
  EXPECT_EQ(form.userNameLabel.FontSize(), 14.25);
}

TEST(ResultWindow, EnglishNamePlaceAndFont)
{
  auto s = StartRegistered(Edition::English);
  results::ResultWindow& form = s->results();
  EXPECT_EQ(form.userNameLabel.Left(), 3720);
  EXPECT_TRUE(form.userNameLabel.FontItalic());
  EXPECT_EQ(form.userNameLabel.FontName(), "Times New Roman");
}

TEST(ResultWindow, TheGridHidesAndShowsWithItsTotalsButton)
{
  auto s = StartRegistered(Edition::Japanese);
  results::ResultWindow& form = s->results();
  ASSERT_EQ(form.RulingLines().size(), 37u);
  form.ShowResultGrid();
  for (const auto& line : form.RulingLines()) EXPECT_TRUE(line->Visible()) << line->Name();
  EXPECT_TRUE(form.totalsButton.Visible());
  form.HideResultGrid();
  for (const auto& line : form.RulingLines()) EXPECT_FALSE(line->Visible()) << line->Name();
  EXPECT_FALSE(form.totalsButton.Visible());
  // Hiding the grid leaves the picture's drawing alone.
  EXPECT_NE(ui::FindText(form.tablePicture.Items(), "Vorn-V18"), nullptr);
}

TEST(ResultWindow, TheRulingLiesWhereTheTableIsDrawn)
{
  auto s = StartRegistered(Edition::Japanese);
  results::ResultWindow& form = s->results();
  int across = 0;
  int down = 0;
  for (const auto& line : form.RulingLines()) {
    const ui::LineEnds e = line->Ends();
    if (e.y1 == e.y2) ++across;
    if (e.x1 == e.x2) ++down;
    // Every line lies inside the drawing area; the totals column ends at 909.8.
    EXPECT_GE(std::min(e.x1, e.x2), 0.0);
    EXPECT_LE(std::max(e.x1, e.x2), form.tablePicture.ScaleWidth() + 1.0);
    EXPECT_LE(std::max(e.y1, e.y2), 909.8);
  }
  EXPECT_EQ(across, 19);  // heading rule, 15 row rules, 3 group rules
  EXPECT_EQ(down, 18);
  EXPECT_EQ(form.RulingLines().front()->Name(), "Line1");
  EXPECT_EQ(form.RulingLines().back()->Name(), "Line41");
}

TEST(ResultWindow, SplashTitleThenNameThenTheTablePen)
{
  auto s = StartRegistered(Edition::Japanese);
  results::ResultWindow& form = s->results();
  form.tablePicture.Cls();
  form.DrawSplashTitle(200, 350);
  EXPECT_EQ(form.tablePicture.CurrentX(), 500);
  EXPECT_EQ(form.tablePicture.CurrentY(), 350);
  EXPECT_EQ(form.tablePicture.FontName(), "メイリオ");
  form.PrintSplashName("佐藤");
  const ui::TextItem* title = ui::FindText(form.tablePicture.Items(), "Vorn-V18");
  const ui::TextItem* name = ui::FindText(form.tablePicture.Items(), "佐藤");
  ASSERT_NE(title, nullptr);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(title->at, (ui::Point{500, 200}));
  EXPECT_EQ(name->at, (ui::Point{500, 350}));
  EXPECT_EQ(name->color, ui::FromVbLong(0xC0C0C0));
  EXPECT_EQ(form.tablePicture.ForeColor(), ui::colors::ButtonText);
  EXPECT_EQ(form.tablePicture.FontSize(), 9);
}

}  // namespace
}  // namespace vorn::testing
