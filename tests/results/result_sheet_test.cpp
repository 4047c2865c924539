// The printed sheet as the printer hands it over: one landscape page in
// millimetres, its ruling, headings, rows and title.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/printer.h"
#include "platform/ui/scripted_services.h"
#include "results/result_sheet.h"
#include "sample_rows.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

using testing::TempFolder;
using testing::ThreeRowTable;

class SheetTest : public ::testing::Test {
protected:
  TempFolder folder;
  ui::ScriptedServices services{folder.path()};
  ui::Printer printer{services};

  // Prints rows 1..rows of `table` (cycled when it has fewer) and hands the page over.
  const ui::PrintedPage& Print(const ResultTable& table, int rows, Edition edition)
  {
    PrintResultHeadings(printer, edition);
    for (int r = 1; r <= rows; ++r) {
      const RowValues row = RowOf(table, 1 + (r - 1) % (table.ResultRowCount - 1));
      PrintResultRow(printer, row.Source(), r, 33.97, edition);
    }
    PrintSheetTitle(printer, "Tester", edition);
    printer.EndDoc();
    EXPECT_EQ(services.printed.size(), 1u);
    EXPECT_EQ(services.printed.at(0).pages.size(), 1u);
    return services.printed.at(0).pages.at(0);
  }
};

std::vector<const ui::LineItem*> LinesOfWidth(const ui::DisplayList& items, int width)
{
  std::vector<const ui::LineItem*> lines;
  for (const ui::LineItem* line : ui::LineItems(items)) {
    if (line->pen.width == width) lines.push_back(line);
  }
  return lines;
}

bool HasLine(const std::vector<const ui::LineItem*>& lines, ui::Point from, ui::Point to)
{
  return std::any_of(lines.begin(), lines.end(), [&](const ui::LineItem* l) {
    return (l->from == from && l->to == to) || (l->from == to && l->to == from);
  });
}

TEST_F(SheetTest, OneLandscapePageInMillimetresWithItsRuling)
{
  const ui::PrintedPage& page = Print(ThreeRowTable(), 1, Edition::Japanese);
  EXPECT_EQ(page.orientation, ui::Orientation::Landscape);
  const auto heavy = LinesOfWidth(page.items, 5);
  const auto thin = LinesOfWidth(page.items, 1);
  // Frame (4), rule under the headings, three group verticals.
  EXPECT_EQ(heavy.size(), 8u);
  // 11 + 5 + 6 verticals, 3 heading rules, 14 row rules.
  EXPECT_EQ(thin.size(), 39u);
  EXPECT_TRUE(HasLine(heavy, {0, 20}, {285, 20}));
  EXPECT_TRUE(HasLine(heavy, {285, 20}, {285, 190}));
  EXPECT_TRUE(HasLine(heavy, {285, 190}, {0, 190}));
  EXPECT_TRUE(HasLine(heavy, {0, 190}, {0, 20}));
  EXPECT_TRUE(HasLine(heavy, {273, 20}, {273, 190}));
  EXPECT_TRUE(HasLine(thin, {0, 50}, {285, 50}));
  EXPECT_TRUE(HasLine(thin, {0, 180}, {285, 180}));
  EXPECT_TRUE(HasLine(thin, {159, 27}, {159, 190}));
  EXPECT_TRUE(HasLine(thin, {262, 33}, {262, 190}));
  EXPECT_TRUE(HasLine(thin, {148, 27}, {179, 27}));
  // One millimetre is 1440 / 25.4 twips; x = 0 lies 3 mm right of the printable edge.
  const ui::UserScale scale = heavy.front()->scale;
  EXPECT_DOUBLE_EQ(scale.left, -3.0);
  EXPECT_NEAR(scale.TwipsPerUnitX(), 1440.0 / 25.4, 1e-9);
  EXPECT_NEAR(scale.ToTwips({0, 0}).x, 3 * 1440.0 / 25.4, 1e-9);
}

TEST_F(SheetTest, OneRowLiesInTheFirstBand)
{
  const ui::PrintedPage& page = Print(ThreeRowTable(), 1, Edition::Japanese);
  const ui::TextItem* site = ui::FindText(page.items, "胸部正面");
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->at, (ui::Point{3, 41}));
  EXPECT_EQ(ui::FindText(page.items, "定電圧")->at, (ui::Point{22, 43}));
  // Without an optional filter and an effective dose: a bar in each of their columns.
  std::vector<ui::Point> bars;
  for (const ui::TextItem* text : ui::TextItems(page.items)) {
    if (text->text == "―") bars.push_back(text->at);
  }
  EXPECT_EQ(bars, (std::vector<ui::Point>{{120, 43}, {278, 43}}));
  EXPECT_EQ(site->font, (ui::FontSpec{"ＭＳ 明朝", 9.0}));
}

TEST_F(SheetTest, FifteenRowsEndInTheLastBand)
{
  const ui::PrintedPage& page = Print(ThreeRowTable(), 15, Edition::Japanese);
  std::vector<double> rowLines;
  for (const ui::TextItem* text : ui::TextItems(page.items)) {
    if (text->at.x == 22) rowLines.push_back(text->at.y);  // the rectification column
  }
  ASSERT_EQ(rowLines.size(), 15u);
  EXPECT_EQ(rowLines.front(), 43);
  EXPECT_EQ(rowLines.back(), 183);
  // Field cells: "その他" whole at 149, other presets cut to two characters at 151.
  int whole = 0;
  int cut = 0;
  for (const ui::TextItem* text : ui::TextItems(page.items)) {
    if (text->text == "その他" && text->at.x == 149) ++whole;
    if ((text->text == "半切" || text->text == "四切") && text->at.x == 151) ++cut;
  }
  EXPECT_EQ(whole, 5);
  EXPECT_EQ(cut, 10);
}

TEST_F(SheetTest, HeadingsAndTitleOfEachEdition)
{
  const ui::PrintedPage& page = Print(ThreeRowTable(), 1, Edition::Japanese);
  for (const PlacedText& heading : ResultsTextsFor(Edition::Japanese).SheetHeadings) {
    bool found = false;
    for (const ui::TextItem* text : ui::TextItems(page.items)) {
      // At its point, or stepped off the rule it starts on.
      found = found || (text->text == heading.text && text->at.y == heading.y && text->at.x >= heading.x &&
                        text->at.x < heading.x + 0.5);
    }
    EXPECT_TRUE(found) << heading.text;
  }
  EXPECT_EQ(ResultsTextsFor(Edition::Japanese).SheetHeadings.size(), 61u);
  const ui::TextItem* target = ui::FindText(page.items, "ﾀｰｹﾞｯﾄ");
  ASSERT_NE(target, nullptr);
  EXPECT_GT(target->at.x, 75);  // the column's rule
  EXPECT_EQ(target->at.y, 25);
  const ui::TextItem* title = ui::FindText(page.items, "診断Ｘ線の入射表面線量");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->at, (ui::Point{50, 12}));
  EXPECT_EQ(title->font.size, 12.0);
  EXPECT_EQ(ui::FindText(page.items, "Tester  with  Vorn-V18")->at, (ui::Point{200, 12}));
  EXPECT_EQ(printer.FontSize(), 9.0);
}

TEST_F(SheetTest, EnglishSheet)
{
  const ui::PrintedPage& page = Print(ThreeRowTable(), 3, Edition::English);
  EXPECT_EQ(ResultsTextsFor(Edition::English).SheetHeadings.size(), 62u);
  EXPECT_EQ(ui::FindText(page.items, "Entrance surface dose")->at, (ui::Point{242, 25}));
  EXPECT_EQ(ui::FindText(page.items, "Entrance Surface Dose in Diagnostic X-ray")->at, (ui::Point{50, 12}));
  EXPECT_EQ(ui::FindText(page.items, "Cylindrical 15")->at, (ui::Point{2, 55}));
  EXPECT_EQ(ui::FindText(page.items, "--")->at, (ui::Point{278, 43}));
  EXPECT_EQ(ui::FindText(page.items, "Flat")->font.name, "Times New Roman");
}

}  // namespace
}  // namespace vorn::results
