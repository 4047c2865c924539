// Texts of the result table, its window, its files, its printed sheet and the
// save and read dialogs, one table per edition.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "text/edition.h"

namespace vorn {

// A text drawn at a point of a picture or a sheet (its top-left corner).
struct PlacedText {
  std::string_view text;
  double x = 0.0;
  double y = 0.0;
};

struct ResultsTexts {
  // ---- the result window ----
  std::string_view WindowCaption;
  std::string_view CalculatedBy;  // calculatedByCaption
  std::string_view WindowFont;    // buttons, drawing, user name
  std::string_view TotalsButton;  // totalsButton
  std::string_view SaveButton;    // saveButton
  std::string_view ReadButton;    // readButton
  std::string_view PrintButton;   // printButton
  std::string_view EraseButton;   // eraseButton
  std::string_view BehindButton;  // mainWindowButton
  // Column headings of the result window, in drawing order.
  std::span<const PlacedText> ScreenHeadings;
  // Entrance surface by PhantomModel 0..4 (the Japanese curved ones are
  // followed by their dimensions).
  std::array<std::string_view, 5> ScreenSurfaceWords;
  std::string_view ScreenNoFilter;  // no optional filter in the row

  // ---- the result file ----
  // Row labels of the 39 rows after the count line.
  std::array<std::string_view, 39> CsvRowLabels;
  std::array<std::string_view, 5> CsvSurfaceWords;          // PhantomModel 0..4
  std::array<std::string_view, 3> CsvRectificationWords;    // RectificationType 1..3
  std::string_view CsvNotApplicable;

  // ---- the printed sheet ----
  std::string_view SheetFont;
  std::span<const PlacedText> SheetHeadings;
  // Entrance surface by PhantomModel 0..4; a cylinder's radius and an
  // ellipse's semi-axes follow theirs.
  std::array<std::string_view, 5> SheetSurfaceWords;
  std::array<std::string_view, 3> SheetRectificationWords;  // RectificationType 1, 2, other
  std::string_view SheetNoFilter;
  std::string_view SheetNoEffectiveDose;
  std::string_view SheetTitle;
  std::string_view SheetNameSuffix;  // after the user's name

  // ---- the save dialog (ResultSaveDialog) ----
  std::string_view SaveCaption;
  std::string_view SaveHeadingLine1;
  std::string_view SaveHeadingLine2;
  std::string_view SaveExistingFiles;
  std::string_view SaveComment;
  std::string_view SaveFileName;
  // ---- the read dialog (ResultReadDialog) ----
  std::string_view ReadCaption;
  std::string_view ReadHeading;
  std::string_view ReadSelectFile;
  std::string_view ReadComment;
  std::string_view Ok;
  std::string_view Cancel;

  // ---- messages ----
  std::string_view TableFull;
  std::string_view NoDataToSave;
  std::string_view ReadErasesTable;
  std::string_view NoDataToErase;
  std::string_view EraseConfirm;
  std::string_view InputNameAndComment;
  std::string_view Saved;
  std::string_view CannotSave;  // followed by the file and the reason
  std::string_view SelectFile;
  std::string_view CannotRead;
  std::string_view NoDataToPrint;
  std::string_view PrinterReady;
  std::string_view PrintedToFile;  // followed by the PDF file's name
  std::string_view CannotPrint;    // followed by the reason
};

const ResultsTexts& ResultsTextsFor(Edition edition);

}  // namespace vorn
