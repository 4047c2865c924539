// The result window: the picture on which the result table is drawn as a
// ruled sheet (or, while the table is empty, the title splash with the user's
// name), its ruling lines, the commands that total, print, save, read and
// erase the table, and the user's name below it.
//
// The drawing routines here are what the add command, the reading of a result
// file, the effective-dose answer and start-up call; a row is drawn from the
// condition and results it is given, never from the computing module.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "results/cell_text.h"
#include "results/result_host.h"
#include "results/row_cells.h"
#include "text/edition.h"

namespace vorn::results {

class ResultWindow : public ui::Form {
public:
  explicit ResultWindow(ResultHost& host);

  // Four lines that frame the picture (always shown).
  ui::LineControl topBorderLine{*this, "Line12", {75, 75, 15450, 75}};
  ui::LineControl rightBorderLine{*this, "Line33", {15450, 75, 15450, 7140}};
  ui::LineControl bottomBorderLine{*this, "Line35", {15450, 7140, 75, 7140}};
  ui::LineControl leftBorderLine{*this, "Line36", {75, 7140, 75, 75}};
  ui::PictureBox tablePicture{*this, "Picture2", {120, 120, 15285, 6975}};
  ui::CommandButton totalsButton{*this, "Command1", {10560, 6680, 1215, 420}};
  ui::CommandButton saveButton{*this, "Command5", {6720, 7250, 1575, 495}};
  ui::CommandButton readButton{*this, "Command6", {8400, 7250, 1575, 495}};
  ui::CommandButton printButton{*this, "Command4", {10080, 7250, 1335, 495}};
  ui::CommandButton eraseButton{*this, "Command7", {11640, 7250, 1455, 495}};
  ui::CommandButton mainWindowButton{*this, "Command2", {13440, 7250, 1935, 495}};  // main window to the front
  ui::Label userNameLabel{*this, "Label1", {4080, 7320, 2520, 435}};               // the user's name
  ui::Label calculatedByCaption{*this, "Label52", {240, 7320, 3090, 345}};

  // The 37 ruling lines of the table, in tablePicture's scale.
  const std::vector<std::unique_ptr<ui::LineControl>>& RulingLines() const { return ruling_; }

  // The ruling and the totals button disappear (splash) or appear (table).
  void HideResultGrid();
  void ShowResultGrid();

  // The title splash on a cleared picture: "Vorn-V18" in light grey at
  // (500, titleY); the current point then waits at (500, nameY), in the
  // edition's font for the name.
  void DrawSplashTitle(double titleY, double nameY);
  // Prints the user's name at the current point, then gives the picture back
  // the table's pen: the button-text colour and size 9.
  void PrintSplashName(const std::string& userName);

  // The column headings in the edition's font.
  void DrawResultHeadings();
  // Row r in its band; a row being added has no effective-dose cell yet.
  void DrawResultRow(const RowSource& row, int r, bool addingRow);
  // The effective-dose cell of row r, over whatever it showed.
  void DrawEffectiveDose(int r, double effectiveDose);
  // The whole table again from its rows (a window made afresh after the
  // user closed it, a new user name, a file read).
  void RedrawTable();

  // The user's name below the table, in one line: its font shrinks to fit
  // (a name too long even then is cut with an ellipsis).
  void ShowUserName(const std::string& name);

  // ---- event routines ----
  void TotalsButton_Click();  // totals
  void MainWindowButton_Click();  // main window to the front
  void PrintButton_Click();  // print
  void SaveButton_Click();  // open the save dialog
  void ReadButton_Click();  // open the read dialog
  void EraseButton_Click();  // erase

private:
  void Form_Load();
  void SetResultGridVisible(bool visible);
  // The grid's rules and the picture's edges: where the texts must stay.
  Ruling GridRuling() const;

  ResultHost& host_;
  std::vector<std::unique_ptr<ui::LineControl>> ruling_;
  ui::FontSpec nameFont_;
};

}  // namespace vorn::results
