#include "results/result_sheet.h"

#include <vector>

#include "results/cell_text.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

constexpr int kHeavyLine = 5;  // printer dots
constexpr int kThinLine = 1;
constexpr double kTableLeft = 0;
constexpr double kTableRight = 285;
constexpr double kTableTop = 20;
constexpr double kTableBottom = 190;

// A printed text shrinks to 6 points at the least; 0.35 mm of paper stays
// between its ink and a rule.
constexpr FitLimits kSheetFit{6.0, 0.75, 20.0, 20.0};

// The frame, the rule under the headings and the main column groups.
std::vector<ui::LineEnds> HeavyRules()
{
  std::vector<ui::LineEnds> rules{{kTableLeft, kTableTop, kTableRight, kTableTop},
                                  {kTableRight, kTableTop, kTableRight, kTableBottom},
                                  {kTableRight, kTableBottom, kTableLeft, kTableBottom},
                                  {kTableLeft, kTableBottom, kTableLeft, kTableTop},
                                  {kTableLeft, 40, kTableRight, 40}};
  for (const double x : {21.0, 179.0, 273.0}) rules.push_back({x, kTableTop, x, kTableBottom});
  return rules;
}

std::vector<ui::LineEnds> ThinRules()
{
  std::vector<ui::LineEnds> rules;
  for (const double x : {32.0, 45.0, 55.0, 65.0, 75.0, 85.0, 129.0, 139.0, 148.0, 209.0, 239.0}) {
    rules.push_back({x, kTableTop, x, kTableBottom});
  }
  for (const double x : {95.0, 105.0, 115.0, 159.0, 169.0}) rules.push_back({x, 27, x, kTableBottom});
  for (const double x : {189.0, 199.0, 219.0, 229.0, 251.0, 262.0}) rules.push_back({x, 33, x, kTableBottom});
  rules.push_back({85, 27, 129, 27});
  rules.push_back({148, 27, 179, 27});
  rules.push_back({179, 33, 273, 33});
  for (int y = 50; y <= 180; y += 10) rules.push_back({kTableLeft, static_cast<double>(y), kTableRight, static_cast<double>(y)});
  return rules;
}

// The table's rules; above the table the title line runs to its right edge.
Ruling SheetRuling()
{
  std::vector<ui::LineEnds> rules = HeavyRules();
  const std::vector<ui::LineEnds> thin = ThinRules();
  rules.insert(rules.end(), thin.begin(), thin.end());
  return Ruling(std::move(rules), CellBox{kTableLeft, 0, kTableRight, kTableBottom});
}

}  // namespace

void PrintResultHeadings(ui::Printer& printer, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  printer.SetScaleMode(ui::ScaleUnit::Millimetres);
  printer.SetOrientation(ui::Orientation::Landscape);
  printer.SetScaleLeft(-3);
  printer.SetFontName(std::string(texts.SheetFont));
  printer.SetFontSize(9);
  printer.SetDrawStyle(ui::DrawStyle::Solid);

  // The frame is one line drawn on from corner to corner.
  const std::vector<ui::LineEnds> heavy = HeavyRules();
  printer.SetDrawWidth(kHeavyLine);
  printer.Line(heavy[0].x1, heavy[0].y1, heavy[0].x2, heavy[0].y2);
  for (std::size_t i = 1; i < 4; ++i) printer.LineTo(heavy[i].x2, heavy[i].y2);
  for (std::size_t i = 4; i < heavy.size(); ++i) printer.Line(heavy[i].x1, heavy[i].y1, heavy[i].x2, heavy[i].y2);
  printer.SetDrawWidth(kThinLine);
  for (const ui::LineEnds& r : ThinRules()) printer.Line(r.x1, r.y1, r.x2, r.y2);

  std::vector<Cell> headings;
  for (const PlacedText& heading : texts.SheetHeadings) headings.push_back({std::string(heading.text), heading.x, heading.y});
  PrintInCells(printer, headings, SheetRuling(), kSheetFit);
}

void PrintResultRow(ui::Printer& printer, const RowSource& row, int r, double airWValue, Edition edition)
{
  printer.SetFontSize(9);
  PrintRowInCells(printer, SheetRowCells(row, r, airWValue, edition), SheetRuling(), SheetRowY(r), kSheetFit);
}

void PrintSheetTitle(ui::Printer& printer, const std::string& userName, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  printer.SetFontSize(12);
  printer.SetCurrentX(50);
  printer.SetCurrentY(12);
  printer.Print(texts.SheetTitle);
  // A long name moves left (the title ends well before), shrinks, or is cut
  // before the table's right edge.
  PrintInCell(printer, {{userName + std::string(texts.SheetNameSuffix), 200, 12}}, CellBox{150, 0, kTableRight, kTableTop},
              kSheetFit);
  printer.SetFontSize(9);
}

}  // namespace vorn::results
