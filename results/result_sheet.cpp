#include "results/result_sheet.h"

#include "text/results_texts.h"

namespace vorn::results {
namespace {

constexpr int kHeavyLine = 5;  // printer dots
constexpr int kThinLine = 1;
constexpr double kTableLeft = 0;
constexpr double kTableRight = 285;
constexpr double kTableTop = 20;
constexpr double kTableBottom = 190;

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
  printer.SetDrawWidth(kHeavyLine);

  // The frame, the rule under the headings and the main column groups.
  printer.Line(kTableLeft, kTableTop, kTableRight, kTableTop);
  printer.LineTo(kTableRight, kTableBottom);
  printer.LineTo(kTableLeft, kTableBottom);
  printer.LineTo(kTableLeft, kTableTop);
  printer.Line(kTableLeft, 40, kTableRight, 40);
  for (const double x : {21.0, 179.0, 273.0}) printer.Line(x, kTableTop, x, kTableBottom);

  printer.SetDrawWidth(kThinLine);
  for (const double x : {32.0, 45.0, 55.0, 65.0, 75.0, 85.0, 129.0, 139.0, 148.0, 209.0, 239.0}) {
    printer.Line(x, kTableTop, x, kTableBottom);
  }
  for (const double x : {95.0, 105.0, 115.0, 159.0, 169.0}) printer.Line(x, 27, x, kTableBottom);
  for (const double x : {189.0, 199.0, 219.0, 229.0, 251.0, 262.0}) printer.Line(x, 33, x, kTableBottom);
  printer.Line(85, 27, 129, 27);
  printer.Line(148, 27, 179, 27);
  printer.Line(179, 33, 273, 33);
  for (int y = 50; y <= 180; y += 10) printer.Line(kTableLeft, y, kTableRight, y);

  for (const PlacedText& heading : texts.SheetHeadings) {
    printer.SetCurrentX(heading.x);
    printer.SetCurrentY(heading.y);
    printer.Print(heading.text);
  }
}

void PrintResultRow(ui::Printer& printer, const RowSource& row, int r, double airWValue, Edition edition)
{
  printer.SetFontSize(9);
  PrintCells(printer, SheetRowCells(row, r, airWValue, edition));
}

void PrintSheetTitle(ui::Printer& printer, const std::string& userName, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  printer.SetFontSize(12);
  printer.SetCurrentX(50);
  printer.SetCurrentY(12);
  printer.Print(texts.SheetTitle);
  printer.SetCurrentX(200);
  printer.SetCurrentY(12);
  printer.Print(userName + std::string(texts.SheetNameSuffix));
  printer.SetFontSize(9);
}

}  // namespace vorn::results
