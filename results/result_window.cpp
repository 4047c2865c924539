#include "results/result_window.h"

#include <algorithm>
#include <array>

#include "platform/errors.h"
#include "platform/format/format.h"
#include "results/cell_text.h"
#include "results/file_dialog_lists.h"
#include "results/result_save_dialog.h"
#include "results/result_read_dialog.h"
#include "results/result_sheet.h"
#include "text/results_texts.h"
#include "text/error_texts.h"

namespace vorn::results {
namespace {

// tablePicture's scale: one unit is 13.155 twips across and 7.65 twips down.
constexpr double kTwipsPerUnitX = 13.155;
constexpr double kTwipsPerUnitY = 7.65;

// The table's ruling, fixed at design (picture units). Whole-width rules run
// to the right edge of the drawing area (about 1158 units).
constexpr double kRight = 1158.0;
constexpr std::array<ui::LineEnds, 37> kRuling{{
    {0, 110, kRight, 110},  // under the headings
    // lower edges of the 15 row bands
    {0, 151, kRight, 151}, {0, 200, kRight, 200}, {0, 249, kRight, 249}, {0, 300, kRight, 300},
    {0, 350, kRight, 350}, {0, 400, kRight, 400}, {0, 450, kRight, 450}, {0, 500, kRight, 500},
    {0, 550, kRight, 550}, {0, 600, kRight, 600}, {0, 650, kRight, 650}, {0, 700, kRight, 700},
    {0, 750, kRight, 750}, {0, 800, kRight, 800}, {0, 850, kRight, 850},
    // columns
    {90.1, 0, 90.1, 850}, {155.1, 0, 155.1, 850}, {218.9, 0, 218.9, 850}, {282.8, 0, 282.8, 850},
    {346.6, 0, 346.6, 850}, {501.7, 0, 501.7, 850}, {547.3, 0, 547.3, 850}, {602.1, 0, 602.1, 850},
    {711.5, 0, 711.5, 850}, {775.4, 0, 775.4, 850},
    // sub-columns under the group headings
    {392.2, 39.2, 392.2, 850}, {437.9, 39.2, 437.9, 850}, {656.8, 39.2, 656.8, 850},
    {830.1, 62.7, 830.1, 850},
    // the dose columns, down to the totals line
    {884.8, 0, 884.8, 909.8}, {1079.8, 0, 1079.8, 900}, {945.3, 62.7, 945.3, 900}, {1012.5, 62.7, 1012.5, 900},
    // group headings
    {346.6, 40, 501.7, 40}, {602.1, 40, 711.5, 40}, {775.4, 62.7, 1080, 62.7},
}};

constexpr std::array<int, 37> kRulingNumbers{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14,
                                             15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                             28, 29, 30, 31, 32, 34, 37, 38, 39, 40, 41};

constexpr ui::Color kNameColor = ui::Rgb(0x40, 0x40, 0x40);
constexpr ui::Color kSplashColor = ui::FromVbLong(0xC0C0C0);
constexpr ui::Color kButtonColor = ui::Rgb(0xFF, 0xFF, 0xC0);

// Where the commands sit: the English captions are wider.
struct ButtonPlaces {
  ui::Rect save, read, print, erase, behind, name;
};
// The name runs up to the first button.
constexpr ButtonPlaces kJapanesePlaces{{6720, 7250, 1575, 495}, {8400, 7250, 1575, 495},
                                       {10080, 7250, 1335, 495}, {11640, 7250, 1455, 495},
                                       {13440, 7250, 1935, 495}, {4080, 7320, 2580, 435}};
constexpr ButtonPlaces kEnglishPlaces{{6480, 7320, 1575, 495}, {8160, 7320, 1575, 495},
                                      {9960, 7320, 1335, 495},  {11640, 7320, 1335, 495},
                                      {13200, 7320, 2175, 495}, {3720, 7320, 2700, 435}};

// The name's font shrinks to fit one line, down to this size; a name still
// too long is cut with an ellipsis.
constexpr double kNameMinSize = 9.0;
constexpr double kNameStep = 0.75;
constexpr double kNameMarginTwips = 60.0;

void Place(ui::Control& control, const ui::Rect& r) { control.Move(r.left, r.top, r.width, r.height); }

// The totals line under the last band.
constexpr double kTotalsY = 860;

// The grid's texts shrink to 6.75 points (9 pixels) at the least and keep a
// pixel between their ink and a rule or the other line of their cell (half a
// pixel clear of the rule's own half pixel). The first band (110 to 151) is
// the lowest: two-line cells are sized for it in every row, so that they
// show one size down the table.
constexpr FitLimits kScreenFit{6.75, 0.75, 15.0, 15.0, 151.0 - 110.0};

}  // namespace

ResultWindow::ResultWindow(ResultHost& host) : Form(host.Desktop(), "Form10"), host_(host)
{
  const Edition edition = host.ProgramEdition();
  const bool japanese = edition == Edition::Japanese;
  const ResultsTexts& t = ResultsTextsFor(edition);
  const std::string font(t.WindowFont);
  const ui::FontSpec buttonFont{font, japanese ? 12.0 : 14.25};

  SetCaption(std::string(t.WindowCaption));
  Move(60, 405);
  SetSize(15495, 7935);

  tablePicture.SetBackColor(ui::colors::White);
  tablePicture.SetAutoRedraw(true);
  tablePicture.SetFont(japanese ? ui::FontSpec{font, 9.0} : ui::FontSpec{font, 9.75});
  const ui::Size area = tablePicture.DrawingAreaTwips();
  tablePicture.Scale(0, 0, area.width / kTwipsPerUnitX, area.height / kTwipsPerUnitY);

  for (std::size_t i = 0; i < kRuling.size(); ++i) {
    ruling_.push_back(std::make_unique<ui::LineControl>(tablePicture, "Line" + std::to_string(kRulingNumbers[i]),
                                                        kRuling[i]));
  }

  const ButtonPlaces& places = japanese ? kJapanesePlaces : kEnglishPlaces;
  Place(saveButton, places.save);
  Place(readButton, places.read);
  Place(printButton, places.print);
  Place(eraseButton, places.erase);
  Place(mainWindowButton, places.behind);
  Place(userNameLabel, places.name);
  totalsButton.SetCaption(std::string(t.TotalsButton));
  saveButton.SetCaption(std::string(t.SaveButton));
  readButton.SetCaption(std::string(t.ReadButton));
  printButton.SetCaption(std::string(t.PrintButton));
  eraseButton.SetCaption(std::string(t.EraseButton));
  mainWindowButton.SetCaption(std::string(t.BehindButton));
  for (ui::CommandButton* button :
       {&totalsButton, &saveButton, &readButton, &printButton, &eraseButton, &mainWindowButton}) {
    button->SetFont(buttonFont);
    button->SetBackColor(kButtonColor);
  }

  userNameLabel.SetForeColor(kNameColor);
  nameFont_ = japanese ? ui::FontSpec{font, 14.25} : ui::FontSpec{font, 15.75, false, true};
  userNameLabel.SetFont(nameFont_);
  calculatedByCaption.SetCaption(std::string(t.CalculatedBy));
  calculatedByCaption.SetForeColor(kNameColor);
  calculatedByCaption.SetFont(ui::FontSpec{"Times New Roman", 15.75, false, true});

  int tab = 0;
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&eraseButton, &readButton, &saveButton, &printButton, &tablePicture,
                                           &calculatedByCaption, &totalsButton, &userNameLabel, &mainWindowButton}) {
    control->SetTabIndex(tab++);
  }

  Load = [this] { Form_Load(); };
  totalsButton.Click = [this] { TotalsButton_Click(); };
  mainWindowButton.Click = [this] { MainWindowButton_Click(); };
  printButton.Click = [this] { PrintButton_Click(); };
  saveButton.Click = [this] { SaveButton_Click(); };
  readButton.Click = [this] { ReadButton_Click(); };
  eraseButton.Click = [this] { EraseButton_Click(); };
}

void ResultWindow::Form_Load()
{
  // A window made afresh (the user closed the last one) shows what the
  // program holds: the table, or the splash while it is empty.
  if (host_.Table().ResultRowCount > 1) {
    RedrawTable();
  } else {
    HideResultGrid();
    DrawSplashTitle(350, 500);
    PrintSplashName(host_.CurrentUserName());
  }
  ShowUserName(host_.CurrentUserName());
}

void ResultWindow::ShowUserName(const std::string& name)
{
  const ui::FontMetrics& metrics = App().services().Metrics();
  const double room = userNameLabel.Width() - kNameMarginTwips;
  ui::FontSpec font = nameFont_;
  while (font.size > kNameMinSize && metrics.Measure(font, name).width > room) {
    font.size = std::max(kNameMinSize, font.size - kNameStep);
  }
  std::string shown = name;
  if (metrics.Measure(font, shown).width > room) {
    // The first characters that fit, with an ellipsis after them.
    std::string kept = name;
    do {
      // Drop the last character: its continuation bytes, then its first byte.
      while (!kept.empty() && (static_cast<unsigned char>(kept.back()) & 0xC0) == 0x80) kept.pop_back();
      if (!kept.empty()) kept.pop_back();
      shown = kept + "…";
    } while (!kept.empty() && metrics.Measure(font, shown).width > room);
  }
  userNameLabel.SetFont(font);
  userNameLabel.SetCaption(shown);
}

// ---------------------------------------------------------------- drawing

void ResultWindow::SetResultGridVisible(bool visible)
{
  for (const auto& line : ruling_) line->SetVisible(visible);
  totalsButton.SetVisible(visible);
}

void ResultWindow::HideResultGrid() { SetResultGridVisible(false); }

void ResultWindow::ShowResultGrid() { SetResultGridVisible(true); }

void ResultWindow::DrawSplashTitle(double titleY, double nameY)
{
  tablePicture.Cls();
  tablePicture.SetForeColor(kSplashColor);
  tablePicture.SetFontName("Times New Roman");
  tablePicture.SetFontSize(28);
  tablePicture.SetCurrentX(500);
  tablePicture.SetCurrentY(titleY);
  tablePicture.Print("Vorn-V18");
  if (host_.ProgramEdition() == Edition::Japanese) tablePicture.SetFontName("メイリオ");
  tablePicture.SetCurrentX(500);
  tablePicture.SetCurrentY(nameY);
}

void ResultWindow::PrintSplashName(const std::string& userName)
{
  tablePicture.Print(userName);
  tablePicture.SetForeColor(ui::colors::ButtonText);
  tablePicture.SetFontSize(9);
}

Ruling ResultWindow::GridRuling() const
{
  std::vector<ui::LineEnds> rules(kRuling.begin(), kRuling.end());
  return Ruling(std::move(rules), CellBox{0, 0, tablePicture.ScaleWidth(), tablePicture.ScaleHeight()});
}

void ResultWindow::DrawResultHeadings()
{
  const ResultsTexts& t = ResultsTextsFor(host_.ProgramEdition());
  tablePicture.SetFontName(std::string(t.WindowFont));
  std::vector<Cell> headings;
  for (const PlacedText& heading : t.ScreenHeadings) headings.push_back({std::string(heading.text), heading.x, heading.y});
  PrintInCells(tablePicture, headings, GridRuling(), kScreenFit);
}

void ResultWindow::DrawResultRow(const RowSource& row, int r, bool addingRow)
{
  PrintRowInCells(tablePicture, ScreenRowCells(row, r, addingRow, host_.ProgramEdition()), GridRuling(),
                  ScreenRowY(r), kScreenFit);
}

void ResultWindow::DrawEffectiveDose(int r, double effectiveDose)
{
  const double y = ScreenRowY(r);
  tablePicture.FilledBox(1094, y - 2, 1150, y + 30, ui::QBColor(15));
  tablePicture.SetCurrentX(1100);
  tablePicture.SetCurrentY(y);
  tablePicture.Print(Format(effectiveDose, "#0.000"));
}

void ResultWindow::RedrawTable()
{
  const ResultTable& table = host_.Table();
  tablePicture.Cls();
  tablePicture.SetForeColor(ui::colors::ButtonText);
  tablePicture.SetFontSize(9);
  ShowResultGrid();
  DrawResultHeadings();
  for (int r = 1; r < table.ResultRowCount; ++r) DrawResultRow(RowOf(table, r).Source(), r, false);
}

// ---------------------------------------------------------------- commands

void ResultWindow::TotalsButton_Click()
{
  const ResultTable& table = host_.Table();
  double soft = 0.0;
  double skin = 0.0;
  double air = 0.0;
  double effective = 0.0;
  for (int k = 1; k < table.ResultRowCount; ++k) {
    soft += table.ResEntranceSurfaceDoseSoft[k];
    skin += table.ResEntranceSurfaceDoseSkin[k];
    air += table.ResEntranceSurfaceDoseAir[k];
    effective += table.ResEffectiveDose[k];
  }
  // Covers the totals of an earlier press.
  tablePicture.FilledBox(880, kTotalsY, 1150, 900, ui::colors::White);
  PrintInCells(tablePicture,
               {{Format(soft, "#0.00"), 900, kTotalsY},
                {Format(skin, "#0.00"), 960, kTotalsY},
                {Format(air, "#0.00"), 1025, kTotalsY},
                {Format(effective, "#0.000"), 1100, kTotalsY}},
               GridRuling(), kScreenFit);
}

void ResultWindow::MainWindowButton_Click() { host_.BringMainWindowToFront(); }

void ResultWindow::PrintButton_Click()
{
  const Edition edition = host_.ProgramEdition();
  const ResultsTexts& t = ResultsTextsFor(edition);
  const ResultTable& table = host_.Table();
  if (table.ResultRowCount == 1) {
    App().MsgBox(std::string(t.NoDataToPrint), ui::vbExclamation);
    return;
  }
  if (App().MsgBox(std::string(t.PrinterReady), ui::vbYesNo) != ui::vbYes) return;

  ui::Printer& printer = App().Printer();
  PrintResultHeadings(printer, edition);
  // Each row from a copy of its cells: printing never changes the condition
  // of the next calculation, nor what the last one produced.
  for (int r = 1; r < table.ResultRowCount; ++r) {
    PrintResultRow(printer, RowOf(table, r).Source(), r, host_.AirConversionFactor(), edition);
  }
  PrintSheetTitle(printer, host_.CurrentUserName(), edition);
  try {
    const ui::PrintReport report = printer.EndDoc();
    if (report.toFile) {
      App().MsgBox(std::string(t.PrintedToFile) + "\n" + report.destination, ui::vbInformation);
    }
  } catch (const FileError& e) {
    App().Beep();
    App().MsgBox(std::string(t.CannotPrint) + "\n" + ErrorText(e, edition, host_.WorkingFolder()), ui::vbExclamation);
  }
  host_.TablePrinted();
}

void ResultWindow::SaveButton_Click()
{
  const ResultsTexts& t = ResultsTextsFor(host_.ProgramEdition());
  if (host_.Table().ResultRowCount == 1) {
    App().MsgBox(std::string(t.NoDataToSave), ui::vbExclamation);
    return;
  }
  ResultSaveDialog& dialog = host_.SaveDialog();
  ListFolderAgain(dialog.folderList, dialog.fileList, host_.WorkingFolder());
  dialog.fileNameBox.SetText("");
  dialog.commentBox.SetText("");
  dialog.Show();
  dialog.commentBox.SetFocus();
}

void ResultWindow::ReadButton_Click()
{
  const ResultsTexts& t = ResultsTextsFor(host_.ProgramEdition());
  if (host_.Table().ResultRowCount > 1) {
    App().Beep();
    if (App().MsgBox(std::string(t.ReadErasesTable), ui::vbOKCancel) == ui::vbCancel) return;
  }
  ResultReadDialog& dialog = host_.ReadDialog();
  ListFolderAgain(dialog.folderList, dialog.fileList, host_.WorkingFolder());
  dialog.commentBox.SetText("");
  dialog.Show();
}

void ResultWindow::EraseButton_Click()
{
  const ResultsTexts& t = ResultsTextsFor(host_.ProgramEdition());
  if (host_.Table().ResultRowCount == 1) {
    App().MsgBox(std::string(t.NoDataToErase), ui::vbExclamation);
    return;
  }
  App().Beep();
  if (App().MsgBox(std::string(t.EraseConfirm), ui::vbOKCancel) == ui::vbCancel) return;

  ClearResultTable(host_.Table());
  HideResultGrid();
  DrawSplashTitle(350, 500);
  PrintSplashName(host_.CurrentUserName());
  host_.TableErased();
}

}  // namespace vorn::results
