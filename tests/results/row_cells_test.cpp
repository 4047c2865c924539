// The cells of a result row on the window and on the printed sheet, and the
// copies between the table and the current-condition variables.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "results/row_cells.h"
#include "sample_rows.h"

namespace vorn::results {
namespace {

using testing::FlatRowValues;
using testing::ThreeRowTable;

const Cell* CellWithText(const std::vector<Cell>& cells, const std::string& text)
{
  for (const Cell& cell : cells) {
    if (cell.text == text) return &cell;
  }
  return nullptr;
}

TEST(ScreenRow, FlatRowInBandOne)
{
  const RowValues row = FlatRowValues();
  const std::vector<Cell> expected{
      {"胸部正面", 10, 106}, {"平面", 10, 130},  {"2.58E-4", 100, 120}, {"75.0", 170, 120},
      {"200.0", 230, 120},   {"0.05", 300, 120}, {"3.50", 357, 120},   {"0.00", 400, 120},
      {"―", 460, 120},       {"100", 510, 106},  {"80", 510, 130},     {"20", 555, 120},
      {"43.2", 615, 120},    {"35.6", 668, 120}, {"1.352", 730, 106},  {"1.281", 730, 130},
      {"36.55", 788, 120},   {"37.12", 843, 120}, {"1.23", 900, 120},  {"1.25", 960, 120},
      {"0.97", 1025, 120},   {"―", 1110, 120},
  };
  EXPECT_EQ(ScreenRowCells(row.Source(), 1, false, Edition::Japanese), expected);
}

TEST(ScreenRow, BandFifteenAndTheEnglishFilterMark)
{
  const std::vector<Cell> cells = ScreenRowCells(FlatRowValues().Source(), 15, false, Edition::English);
  EXPECT_EQ(cells.front(), (Cell{"胸部正面", 10, 806}));
  EXPECT_EQ(*CellWithText(cells, "---"), (Cell{"---", 460, 820}));
  EXPECT_EQ(*CellWithText(cells, "Flat"), (Cell{"Flat", 10, 830}));
  // The effective-dose mark is the same bar in both editions.
  EXPECT_EQ(cells.back(), (Cell{"―", 1110, 820}));
}

TEST(ScreenRow, EffectiveDoseCell)
{
  RowValues row = FlatRowValues();
  const std::size_t withCell = ScreenRowCells(row.Source(), 2, false, Edition::Japanese).size();
  // A row being added has no effective-dose cell at all.
  const std::vector<Cell> adding = ScreenRowCells(row.Source(), 2, true, Edition::Japanese);
  EXPECT_EQ(adding.size(), withCell - 1);
  // Only the filter column's bar is left.
  EXPECT_EQ(std::count_if(adding.begin(), adding.end(), [](const Cell& c) { return c.text == "―"; }), 1);
  EXPECT_EQ(adding.back().x, 1025);
  row.result.EffectiveDose = 0.1234;
  EXPECT_EQ(ScreenRowCells(row.Source(), 2, false, Edition::Japanese).back(), (Cell{"0.123", 1100, 170}));
}

TEST(ScreenRow, EntranceSurfaceOfEveryCode)
{
  RowValues row = FlatRowValues();
  row.phantom.CylinderRadius = 10;
  row.phantom.EllipseHRadius = 15;
  row.phantom.EllipseVRadius = 10;
  const struct {
    int code;
    const char* japanese;
    const char* english;
  } words[]{{0, "平面", "Flat"},       {1, "円柱10", "Cylinder"},   {2, "楕円15,10", "Elliptic"},
            {3, "頭平面", "Head"},     {4, "Racetrack", "Racetrack"}, {7, "", ""}};
  for (const auto& w : words) {
    row.phantom.PhantomModel = w.code;
    EXPECT_EQ(ScreenRowCells(row.Source(), 1, false, Edition::Japanese)[1], (Cell{w.japanese, 10, 130})) << w.code;
    EXPECT_EQ(ScreenRowCells(row.Source(), 1, false, Edition::English)[1], (Cell{w.english, 10, 130})) << w.code;
  }
}

TEST(ScreenRow, OptionalFilterNameIsCutToEightCharacters)
{
  RowValues row = FlatRowValues();
  row.filter.OtherFilterThickness = 0.0125;
  row.filter.OtherFilterMaterial = "Molybdenum";
  std::vector<Cell> cells = ScreenRowCells(row.Source(), 1, false, Edition::Japanese);
  EXPECT_EQ(*CellWithText(cells, "Molybden"), (Cell{"Molybden", 440, 106}));
  EXPECT_EQ(*CellWithText(cells, "0.13"), (Cell{"0.13", 450, 130}));  // 0.125 mm rounds up
  EXPECT_EQ(CellWithText(cells, "―"), &cells.back());  // no filter bar, only the dose's

  row.filter.OtherFilterMaterial = "モリブデン・ロジウム合金";  // characters, not bytes
  cells = ScreenRowCells(row.Source(), 1, false, Edition::Japanese);
  EXPECT_NE(CellWithText(cells, "モリブデン・ロジ"), nullptr);
  row.filter.OtherFilterMaterial = "Mo";
  EXPECT_NE(CellWithText(ScreenRowCells(row.Source(), 1, false, Edition::Japanese), "Mo"), nullptr);
}

TEST(ScreenRow, FieldLeftAsTheElsePresetsDash)
{
  RowValues row = FlatRowValues();
  row.condition.FieldLength = FieldSide::Dash();
  const std::vector<Cell> cells = ScreenRowCells(row.Source(), 1, false, Edition::Japanese);
  EXPECT_EQ(*CellWithText(cells, "-"), (Cell{"-", 615, 120}));
}

TEST(SheetRow, JapaneseRowsOfTheThreeRowTable)
{
  const ResultTable table = ThreeRowTable();
  const std::vector<Cell> expected{
      {"胸部正面", 3, 41}, {"平面", 3, 45},     {"定電圧", 22, 43},  {"2.58E-4", 33, 43}, {"75", 47, 43},
      {"200", 56, 43},     {"0.05", 65.5, 43},  {"12", 77, 43},      {"2.50", 87, 43},    {"1.00", 97, 43},
      {"0.00", 107, 43},   {"―", 120, 43},      {"100", 130, 41},    {"80", 130, 45},     {"20", 140, 43},
      {"半切", 151, 43},   {"43.2", 161, 43},   {"35.6", 171, 43},   {"1.352", 180, 43},  {"1.337", 190, 43},
      {"1.281", 200, 43},  {"36.55", 210, 43},  {"37.12", 220, 43},  {"33.97", 230, 43},  {"1.23", 241, 43},
      {"1.25", 252, 43},   {"0.97", 264, 43},   {"―", 278, 43},
  };
  EXPECT_EQ(SheetRowCells(RowOf(table, 1).Source(), 1, 33.97, Edition::Japanese), expected);

  const std::vector<Cell> second = SheetRowCells(RowOf(table, 2).Source(), 2, 33.97, Edition::Japanese);
  EXPECT_EQ(second[1], (Cell{"円柱 15", 3, 55}));
  EXPECT_EQ(second[2], (Cell{"三相12", 22, 53}));
  EXPECT_EQ(*CellWithText(second, "Mo"), (Cell{"Mo", 116, 51}));
  EXPECT_EQ(*CellWithText(second, "0.03"), (Cell{"0.03", 118, 55}));
  EXPECT_EQ(*CellWithText(second, "四切"), (Cell{"四切", 151, 53}));
  EXPECT_EQ(second.back(), (Cell{"0.123", 274, 53}));

  const std::vector<Cell> third = SheetRowCells(RowOf(table, 3).Source(), 3, 33.97, Edition::Japanese);
  EXPECT_EQ(third[1], (Cell{"Racetrack", 3, 65}));
  EXPECT_EQ(third[2], (Cell{"単相全", 22, 63}));
  EXPECT_EQ(*CellWithText(third, "その他"), (Cell{"その他", 149, 63}));
}

TEST(SheetRow, EnglishWordsAndPlaces)
{
  RowValues row = RowOf(ThreeRowTable(), 1);
  std::vector<Cell> cells = SheetRowCells(row.Source(), 15, 33.97, Edition::English);
  EXPECT_EQ(cells[0], (Cell{"胸部正面", 2, 181}));
  EXPECT_EQ(cells[1], (Cell{"Flat", 2, 185}));
  EXPECT_EQ(cells[2], (Cell{"Const.", 22, 183}));
  EXPECT_EQ(*CellWithText(cells, "---"), (Cell{"---", 120, 183}));
  EXPECT_EQ(*CellWithText(cells, "半切サイズ 縦"), (Cell{"半切サイズ 縦", 149, 183}));
  EXPECT_EQ(cells.back(), (Cell{"--", 278, 183}));

  row.phantom.PhantomModel = 2;
  row.phantom.EllipseHRadius = 10;
  row.phantom.EllipseVRadius = 15;
  row.condition.RectificationType = 2;
  cells = SheetRowCells(row.Source(), 1, 33.97, Edition::English);
  EXPECT_EQ(cells[1].text, "Elliptic 10, 15");
  EXPECT_EQ(cells[2].text, "3phase");
  EXPECT_EQ(SheetRowCells(row.Source(), 1, 33.97, Edition::Japanese)[1].text, "楕円 10, 15");
  row.phantom.PhantomModel = 3;
  EXPECT_EQ(SheetRowCells(row.Source(), 1, 33.97, Edition::English)[1].text, "Flat(Head)");
  row.condition.RectificationType = 0;  // anything but 1 and 2
  EXPECT_EQ(SheetRowCells(row.Source(), 1, 33.97, Edition::English)[2].text, "Single");
}

TEST(TableRows, StoreCopiesTheConditionAndLeavesTheEffectiveDose)
{
  ResultTable table;
  table.ResEffectiveDose[1] = 0.5;  // as if written after an earlier add
  RowValues row = RowOf(ThreeRowTable(), 2);
  row.result.EffectiveDose = 9.0;  // not a column the add fills
  StoreRow(table, 1, row.Source());
  EXPECT_EQ(table.ResEffectiveDose[1], 0.5);
  table.ResEffectiveDose[1] = 0.123;
  const RowValues back = RowOf(table, 1);
  const ResultTable original = ThreeRowTable();
  EXPECT_EQ(back.condition.SiteName, "腹部正面");
  EXPECT_EQ(back.phantom.CylinderRadius, 15.0);
  EXPECT_EQ(back.filter.OtherFilterMaterial, "Mo");
  EXPECT_EQ(back.condition.FieldLength, FieldSide(30.5));
  EXPECT_EQ(back.result.Hvl2, original.ResHvl2[2]);
  EXPECT_EQ(back.result.BsfSkin, original.ResBsfSkin[2]);
  EXPECT_EQ(table.ResultRowCount, 1);  // the count is the caller's
}

TEST(TableRows, DimensionColumnsFollowTheSurfaceCode)
{
  RowValues row = FlatRowValues();
  row.phantom.CylinderRadius = 11;
  row.phantom.EllipseHRadius = 12;
  row.phantom.EllipseVRadius = 13;
  row.phantom.RacetrackA = 14;
  row.phantom.RacetrackB = 15;
  row.phantom.RacetrackL = 16;
  const auto stored = [&](int code, ResultTable table) {
    row.phantom.PhantomModel = code;
    StoreRow(table, 1, row.Source());
    return std::vector<double>{table.ResCylinderRadius[1], table.ResEllipseHRadius[1], table.ResEllipseVRadius[1],
                               table.ResRacetrackA[1],     table.ResRacetrackB[1],     table.ResRacetrackL[1]};
  };
  ResultTable stale;  // a row left over in the dimension columns
  for (auto* column : {&stale.ResCylinderRadius, &stale.ResEllipseHRadius, &stale.ResEllipseVRadius,
                       &stale.ResRacetrackA, &stale.ResRacetrackB, &stale.ResRacetrackL}) {
    (*column)[1] = 99;
  }
  EXPECT_EQ(stored(0, ResultTable{}), (std::vector<double>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(stored(3, stale), (std::vector<double>{0, 0, 0, 99, 99, 99}));
  EXPECT_EQ(stored(1, stale), (std::vector<double>{11, 0, 0, 99, 99, 99}));
  EXPECT_EQ(stored(2, stale), (std::vector<double>{0, 12, 13, 99, 99, 99}));
  EXPECT_EQ(stored(4, stale), (std::vector<double>{99, 99, 99, 14, 15, 16}));
  EXPECT_EQ(stored(4, ResultTable{}), (std::vector<double>{0, 0, 0, 14, 15, 16}));
}

TEST(TableRows, ADashFieldSideIsStoredAsZero)
{
  RowValues row = FlatRowValues();
  row.condition.FieldWidth = FieldSide::Dash();
  ResultTable table;
  StoreRow(table, 1, row.Source());
  EXPECT_EQ(table.ResFieldWidth[1], 0.0);
  EXPECT_EQ(table.ResFieldLength[1], 43.2);
}

}  // namespace
}  // namespace vorn::results
