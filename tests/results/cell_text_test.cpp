// Texts fitted into the cells of a ruled table, on a printer page in
// millimetres with the stand-in font metrics (9 points: a Latin character
// 0.5 em = 1.5875 mm wide, ink from 0.2 em to 1.0 em = 0.635 to 3.175 mm
// below the text's top).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/printer.h"
#include "platform/ui/scripted_services.h"
#include "results/cell_text.h"
#include "sample_rows.h"

namespace vorn::results {
namespace {

constexpr double kMarginMm = 20.0 * 25.4 / 1440.0;  // 20 twips
constexpr double kEm9Mm = 9.0 * 25.4 / 72.0;

TEST(Ruling, ACellLiesBetweenTheRulesItsTextWouldCross)
{
  // Two columns under a group heading: the rule at x 30 starts below it.
  const Ruling ruling({{10, 0, 10, 100}, {30, 20, 30, 100}, {50, 0, 50, 100}, {10, 20, 50, 20}, {0, 40, 60, 40}},
                      CellBox{0, 0, 60, 100});
  EXPECT_EQ(ruling.CellAt(12, 5, 3, 0.5), (CellBox{10, 0, 50, 20}));   // the group heading
  EXPECT_EQ(ruling.CellAt(12, 25, 3, 0.5), (CellBox{10, 20, 30, 40}));  // a column under it
  EXPECT_EQ(ruling.CellAt(29.8, 25, 3, 0.5), (CellBox{30, 20, 50, 40}));  // starts on the rule
  // Ink that reaches a little past the rule below still belongs above it.
  EXPECT_EQ(ruling.CellAt(12, 17, 4, 0.5), (CellBox{10, 0, 50, 20}));
  EXPECT_EQ(ruling.CellAt(55, 50, 0, 0.5), (CellBox{50, 40, 60, 100}));  // the open edges: the area's
}

class CellTextTest : public ::testing::Test {
protected:
  testing::TempFolder folder;
  ui::ScriptedServices services{folder.path()};
  ui::Printer printer{services};
  const FitLimits limits{7.5, 0.75, 20.0, 20.0};

  void SetUp() override
  {
    printer.SetScaleMode(ui::ScaleUnit::Millimetres);
    printer.SetFontName("Times New Roman");
    printer.SetFontSize(9);
  }
  std::vector<const ui::TextItem*> Printed()
  {
    printer.EndDoc();
    return ui::TextItems(services.printed.at(0).pages.at(0).items);
  }
};

TEST_F(CellTextTest, ATextStaysWhereItFitsElseMovesLeftShrinksAndIsCutWithAnEllipsis)
{
  const Ruling ruling({{0, 0, 0, 10}, {20, 0, 20, 10}}, CellBox{0, 0, 40, 10});
  const double right = 20 - kMarginMm;
  PrintInCells(printer, {{"ABC", 2, 2}, {"DEF", 20, 2}}, ruling, limits);  // the second starts on a rule
  const CellBox box{0, 0, 20, 10};
  PrintInCell(printer, {{"ABCDEFGHIJ", 10, 2}}, box, limits);        // 15.9 mm: room further left
  PrintInCell(printer, {{"ABCDEFGHIJKLM", 10, 2}}, box, limits);     // 20.6 mm: 8.25 points
  PrintInCell(printer, {{"ABCDEFGHIJKLMNOP", 10, 2}}, box, limits);  // too wide at 7.5 points
  EXPECT_EQ(printer.FontSize(), 9.0);
  const auto texts = Printed();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0]->at, (ui::Point{2, 2}));
  EXPECT_NEAR(texts[1]->at.x, 20 + kMarginMm, 1e-9);
  EXPECT_NEAR(texts[2]->at.x, right - 10 * kEm9Mm / 2, 1e-9);
  EXPECT_EQ(texts[2]->font.size, 9.0);
  EXPECT_EQ(texts[3]->text, "ABCDEFGHIJKLM");
  EXPECT_EQ(texts[3]->font.size, 8.25);
  // At 7.5 points a character is 1.32 mm: 13 of them and the ellipsis fit 19.3 mm.
  EXPECT_EQ(texts[4]->text, "ABCDEFGHIJKLM…");
  EXPECT_EQ(texts[4]->font.size, 7.5);
  EXPECT_LE(texts[4]->at.x + 14 * 7.5 * 25.4 / 72.0 / 2, right + 1e-9);
}

TEST_F(CellTextTest, TwoLinesThatWouldCrossTheBandsRuleShareTheBand)
{
  // A 10 mm band; the lower line's ink would reach 40.2 mm.
  const Ruling ruling({{0, 30, 50, 30}, {0, 40, 50, 40}, {20, 0, 20, 60}}, CellBox{0, 0, 50, 60});
  PrintRowInCells(printer, {{"Site", 2, 31}, {"Flat", 2, 37}, {"0.97", 22, 33}}, ruling, 33, limits);
  const auto texts = Printed();
  ASSERT_EQ(texts.size(), 3u);
  const ui::TextItem& upper = *texts[0];
  const ui::TextItem& lower = *texts[1];
  EXPECT_EQ(upper.text, "Site");
  EXPECT_EQ(lower.text, "Flat");
  EXPECT_EQ(upper.font.size, lower.font.size);
  const double em = upper.font.size * 25.4 / 72.0;
  EXPECT_GE(upper.at.y + 0.2 * em, 30 + kMarginMm - 1e-9);
  EXPECT_GE(lower.at.y + 0.2 * em, upper.at.y + em + kMarginMm - 1e-9);  // apart
  EXPECT_LE(lower.at.y + em, 40 - kMarginMm + 1e-9);
  EXPECT_EQ(texts[2]->at, (ui::Point{22, 33}));  // the next cell's text fits where it is
}

TEST_F(CellTextTest, StackedLinesAreSizedForTheLowestBandInEveryRow)
{
  // Bands of 6 and 10 mm: two lines need 6.1 mm at 9 points with the gap and
  // margins, so they take 8.25 points in both bands; a single line keeps 9.
  const Ruling ruling({{0, 0, 50, 0}, {0, 6, 50, 6}, {0, 16, 50, 16}, {20, 0, 20, 30}}, CellBox{0, 0, 50, 30});
  FitLimits lowest = limits;
  lowest.lowestBand = 6;
  PrintRowInCells(printer, {{"Site", 2, 1}, {"Flat", 2, 3}}, ruling, 2, lowest);
  PrintRowInCells(printer, {{"Site", 2, 8}, {"Flat", 2, 12}, {"Alone", 30, 10}}, ruling, 10, lowest);
  PrintRowInCells(printer, {{"Site", 2, 8}, {"Flat", 2, 12}}, ruling, 10, limits);
  const auto texts = Printed();
  ASSERT_EQ(texts.size(), 7u);
  for (int i : {0, 1, 2, 3}) EXPECT_EQ(texts[i]->font.size, 8.25) << i;
  EXPECT_EQ(texts[4]->font.size, 9.0);  // "Alone"
  EXPECT_EQ(texts[5]->font.size, 9.0);  // sized for its own band only
  EXPECT_EQ(texts[6]->font.size, 9.0);
}

}  // namespace
}  // namespace vorn::results
