// The result window and the printed sheet through the real windows: the main
// program started on the shipped data with the Qt binding, message boxes
// answered from a script, the sheet written to a PDF (no printer here), the
// window grabbed as a picture, and the texts of both measured.
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainterPath>
#include <QProcess>
#include <QRegularExpression>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "../results/sample_rows.h"
#include "mainwin/main_program.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "platform/ui/scripted_services.h"
#include "results/result_csv.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/text_fit.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::ThreeRowTable;
using vorn::testing::DesktopWithScriptedAnswers;

fs::path ShippedData()
{
  const char* source = std::getenv("VORN_SOURCE_DIR");
  if (source == nullptr) throw std::runtime_error("VORN_SOURCE_DIR is not set");
  return fs::path(source) / "data";
}

// A started main program on its own working folder, shown through Qt.
struct DesktopSession {
  explicit DesktopSession(Edition edition, const std::string& userName = "Tester")
      : services(PrepareFolder(folder.path(), edition, userName))
  {
    program = std::make_unique<mainwin::MainProgram>(edition, services);
    binding = std::make_unique<qt::WidgetBinding>(program->app);
    program->Start();
  }
  ~DesktopSession()
  {
    binding.reset();  // before the forms it shows
    program.reset();
  }

  static const fs::path& PrepareFolder(const fs::path& folder, Edition edition, const std::string& userName)
  {
    for (const auto& entry : fs::directory_iterator(ShippedData())) {
      if (entry.is_regular_file()) fs::copy_file(entry.path(), folder / entry.path().filename());
    }
    const fs::path nameFile = folder / (edition == Edition::Japanese ? "Primary.dat" : "dATR.dat");
    std::ofstream(nameFile, std::ios::binary | std::ios::app) << userName << "\r\n";
    return folder;
  }

  // Reads a result file through the read dialog, as a user would.
  void ReadTable(const ResultTable& table, Edition edition)
  {
    SaveResultTableCsv(folder.path() / "table.csv", table, 33.97, "three rows", edition);
    program->resultWindow->readButton.UserClick();
    ResultReadDialog& dialog = *program->resultReadDialog;
    const auto& items = dialog.fileList.Items();
    const auto it = std::find(items.begin(), items.end(), "table.csv");
    ASSERT_NE(it, items.end());
    dialog.fileList.UserChoose(static_cast<int>(it - items.begin()));
    dialog.okButton.UserClick();
    ASSERT_EQ(program->Results.ResultRowCount, table.ResultRowCount);
  }
  void ReadThreeRows(Edition edition) { ReadTable(ThreeRowTable(), edition); }

  TempFolder folder;
  DesktopWithScriptedAnswers services;
  std::unique_ptr<mainwin::MainProgram> program;
  std::unique_ptr<qt::WidgetBinding> binding;
};

struct PdfInfo {
  int pages = 0;
  double width = 0.0;
  double height = 0.0;
  int rotation = 0;
};

PdfInfo ReadPdfInfo(const fs::path& file)
{
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {QString::fromStdString(file.string())});
  EXPECT_TRUE(pdfinfo.waitForFinished(30000));
  const QString out = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  PdfInfo info;
  if (const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(out); m.hasMatch()) info.pages = m.captured(1).toInt();
  if (const auto m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(out); m.hasMatch()) {
    info.width = m.captured(1).toDouble();
    info.height = m.captured(2).toDouble();
  }
  if (const auto m = QRegularExpression("Page rot:\\s+(\\d+)").match(out); m.hasMatch()) info.rotation = m.captured(1).toInt();
  return info;
}

// Share of the pixels in the image that are not (nearly) white.
double InkShare(const QImage& image)
{
  long ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 200) ++ink;
    }
  }
  return static_cast<double>(ink) / (static_cast<double>(image.width()) * image.height());
}

TEST(PrintedSheetOnTheDesktop, WithoutAPrinterItIsOneLandscapePdfPageNamedToTheUser)
{
  DesktopSession s(Edition::Japanese);
  s.ReadThreeRows(Edition::Japanese);
  s.services.script.ExpectMsgBox("　プリンターは準備できていますか？　", ui::vbYes);
  s.services.script.ExpectMsgBox(ui::vbOK);
  s.program->resultWindow->printButton.UserClick();
  ASSERT_EQ(s.services.script.PendingMsgBoxes(), 0u);

  const std::string told = s.services.script.msgBoxes.back().text;
  const std::size_t lineEnd = told.find('\n');
  ASSERT_NE(lineEnd, std::string::npos) << told;
  const fs::path pdf = told.substr(lineEnd + 1);
  EXPECT_EQ(pdf.parent_path(), s.folder.path());
  ASSERT_TRUE(fs::exists(pdf)) << pdf;

  const PdfInfo info = ReadPdfInfo(pdf);
  EXPECT_EQ(info.pages, 1);
  const bool wide = (info.width > info.height) != (info.rotation % 180 == 90);
  EXPECT_TRUE(wide) << info.width << " x " << info.height << " rotated " << info.rotation;
  EXPECT_NEAR(std::max(info.width, info.height), 841.89, 1.0);  // A4
  // Kept for a look beside the screenshots.
  fs::copy_file(pdf, fs::path(VORN_RESULTS_GUI_OUTPUT) / "result_sheet_J.pdf", fs::copy_options::overwrite_existing);
}

class ResultWindowOnTheDesktop : public ::testing::TestWithParam<Edition> {};

INSTANTIATE_TEST_SUITE_P(BothEditions, ResultWindowOnTheDesktop,
                         ::testing::Values(Edition::Japanese, Edition::English));

TEST_P(ResultWindowOnTheDesktop, ThreeRowsScreenshot)
{
  const Edition edition = GetParam();
  DesktopSession s(edition);
  s.ReadThreeRows(edition);
  s.program->resultWindow->totalsButton.UserClick();  // the totals line too
  s.services.DoEvents();

  qt::FormWindow* window = s.binding->WindowOf(*s.program->resultWindow);
  ASSERT_NE(window, nullptr);
  const QImage shot = window->grab().toImage();
  EXPECT_EQ(shot.width(), 1033);  // 15495 twips at 15 a pixel
  EXPECT_EQ(shot.height(), 529);
  const fs::path file = fs::path(VORN_RESULTS_GUI_OUTPUT) /
                        (edition == Edition::Japanese ? "result_window_J.png" : "result_window_E.png");
  ASSERT_TRUE(shot.save(QString::fromStdString(file.string())));

  // The picture holds a ruled table with text, not an empty white box.
  QWidget* picture = window->WidgetOf(s.program->resultWindow->tablePicture);
  ASSERT_NE(picture, nullptr);
  const double ink = InkShare(picture->grab().toImage());
  EXPECT_GT(ink, 0.01);
  EXPECT_LT(ink, 0.5);
}

TEST_P(ResultWindowOnTheDesktop, SaveAndReadDialogsScreenshots)
{
  const Edition edition = GetParam();
  const std::string tag = edition == Edition::Japanese ? "J" : "E";
  DesktopSession s(edition);
  s.ReadThreeRows(edition);
  s.program->resultWindow->saveButton.UserClick();
  s.program->resultSaveDialog->commentBox.UserType("three rows");
  s.services.script.ExpectMsgBox(ui::vbOK);
  s.program->resultWindow->readButton.UserClick();
  s.program->resultReadDialog->fileList.UserChoose(0);
  s.services.DoEvents();
  for (ui::Form* form :
       {static_cast<ui::Form*>(&*s.program->resultSaveDialog), static_cast<ui::Form*>(&*s.program->resultReadDialog)}) {
    qt::FormWindow* window = s.binding->WindowOf(*form);
    ASSERT_NE(window, nullptr);
    const QImage shot = window->grab().toImage();
    // The dialog's size in twips at 15 a pixel.
    EXPECT_EQ(shot.width(), static_cast<int>(form->Width() / 15));
    EXPECT_EQ(shot.height(), static_cast<int>(form->Height() / 15));
    const fs::path file = fs::path(VORN_RESULTS_GUI_OUTPUT) / (form->Name() + "_" + tag + ".png");
    EXPECT_TRUE(shot.save(QString::fromStdString(file.string())));
  }
  EXPECT_EQ(s.program->resultReadDialog->commentBox.Text(), "three rows");
}

// ---------------------------------------------------------------- layout
//
// Every text of a full table of long names and wide numbers lies inside its
// cell, measured in the fonts it is drawn with: no rule crosses its ink and
// no other text touches it; the user's name shows whole on one line.

constexpr double kTwipsPerMm = 1440.0 / 25.4;

// Fifteen rows that ask much of every column: long site, filter and preset
// names, curved surfaces with their sizes, three-digit doses.
ResultTable DemandingTable(Edition edition)
{
  const bool japanese = edition == Edition::Japanese;
  const ResultTable base = ThreeRowTable();
  ResultTable t;
  for (int r = 1; r <= kResultRows; ++r) {
    StoreRow(t, r, RowOf(base, (r - 1) % 3 + 1).Source());
    t.ResEffectiveDose[r] = base.ResEffectiveDose[(r - 1) % 3 + 1];
    switch (r % 5) {
      case 0: t.ResSiteName[r] = japanese ? "頭部正面（小児・固定具あり）" : "Chest PA, standing (child)"; break;
      case 1:
        t.ResOtherFilterMaterial[r] = "Polyethylene terephthalate";
        t.ResOtherFilterThickness[r] = 0.15;
        break;
      case 2:
        t.ResPhantomModel[r] = 2;
        t.ResEllipseHRadius[r] = 15.5;
        t.ResEllipseVRadius[r] = 10.25;
        t.ResFFD[r] = 150.5;
        t.ResFSD[r] = 120.25;
        break;
      case 3:
        t.ResEntranceSurfaceDoseSoft[r] = 188.88;
        t.ResEntranceSurfaceDoseSkin[r] = 201.23;
        t.ResEntranceSurfaceDoseAir[r] = 150.55;
        t.ResEffectiveDose[r] = 12.345;
        break;
      default:
        t.ResPhantomModel[r] = 1;
        t.ResCylinderRadius[r] = 20.5;
        t.ResFieldSizeName[r] = japanese ? "大角サイズ 縦" : "14x17 lying";
        break;
    }
  }
  t.ResultRowCount = kResultRows + 1;
  return t;
}

// A text's ink in twips from its drawing area's top-left corner. The printed
// sheet's sizes are whole pixels of the screen font, whose outlines scale
// with the paper's resolution.
QRectF InkTwips(const ui::TextItem& item)
{
  const QFont font = qt::ScreenFont(item.font);
  QPainterPath outline;
  outline.addText(0.0, QFontMetricsF(font).ascent(), font, QString::fromStdString(item.text));
  const ui::Point at = item.scale.ToTwips(item.at);
  const QRectF ink = outline.boundingRect();
  return {at.x + ink.left() * 15.0, at.y + ink.top() * 15.0, ink.width() * 15.0, ink.height() * 15.0};
}

// A rule as the area it inks, in twips.
QRectF RuleTwips(ui::Point from, ui::Point to, double widthTwips)
{
  const double half = widthTwips / 2.0;
  return QRectF(QPointF(std::min(from.x, to.x) - half, std::min(from.y, to.y) - half),
                QPointF(std::max(from.x, to.x) + half, std::max(from.y, to.y) + half));
}

// Every text inside `area`, off every rule and clear of every other text.
void ExpectTextsInTheirCells(const std::vector<const ui::TextItem*>& texts, const std::vector<QRectF>& rules,
                             const QRectF& area, const std::string& tag)
{
  std::vector<QRectF> inks;
  for (const ui::TextItem* text : texts) inks.push_back(InkTwips(*text));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string what = tag + " \"" + texts[i]->text + "\"";
    EXPECT_TRUE(area.contains(inks[i])) << what << " leaves the table";
    for (const QRectF& rule : rules) EXPECT_FALSE(inks[i].intersects(rule)) << what << " crosses a rule";
    for (std::size_t k = i + 1; k < texts.size(); ++k)
      EXPECT_FALSE(inks[i].intersects(inks[k])) << what << " runs into \"" << texts[k]->text << "\"";
  }
}

struct LayoutCase {
  Edition edition;
  const char* tag;
  const char* userName;
};

class FullTableLayout : public ::testing::TestWithParam<LayoutCase> {};

INSTANTIATE_TEST_SUITE_P(BothEditions, FullTableLayout,
                         ::testing::Values(LayoutCase{Edition::Japanese, "J", "山田 花子（放射線科）"},
                                           LayoutCase{Edition::English, "E", "Dr. Jonathan Montgomery-Smythe"}),
                         [](const ::testing::TestParamInfo<LayoutCase>& p) { return std::string(p.param.tag); });

TEST_P(FullTableLayout, TheResultWindowShowsEveryTextWhole)
{
  const LayoutCase& c = GetParam();
  DesktopSession d(c.edition, c.userName);
  d.ReadTable(DemandingTable(c.edition), c.edition);
  d.program->resultWindow->totalsButton.UserClick();  // and the totals
  ResultWindow& form = *d.program->resultWindow;
  qt::FormWindow* window = d.binding->WindowOf(form);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->grab().toImage().save(QString(VORN_RESULTS_GUI_OUTPUT) + "/result_window_full_" + c.tag + ".png"));

  const ui::UserScale scale = form.tablePicture.ChildScale();
  std::vector<QRectF> rules;
  for (const auto& line : form.RulingLines()) {
    ASSERT_TRUE(line->Visible());
    const ui::LineEnds e = line->Ends();
    rules.push_back(RuleTwips(scale.ToTwips({e.x1, e.y1}), scale.ToTwips({e.x2, e.y2}), 15.0));
  }
  const std::vector<const ui::TextItem*> texts = ui::TextItems(form.tablePicture.Items());
  // Headings, 22 cells a row and one more where a row has an optional
  // filter (seven rows), the four totals: nothing left out.
  EXPECT_EQ(texts.size(), ResultsTextsFor(c.edition).ScreenHeadings.size() + 15 * 22 + 7 + 4);
  ExpectTextsInTheirCells(texts, rules, QRectF(0, 0, scale.widthTwips, scale.heightTwips), c.tag);

  // The name: whole, on one line of its label.
  EXPECT_EQ(form.userNameLabel.Caption(), c.userName);
  auto* name = qobject_cast<QLabel*>(window->WidgetOf(form.userNameLabel));
  ASSERT_NE(name, nullptr);
  for (const vorn::testing::TextFit& fit : vorn::testing::WidgetTextFits(name, "Label1"))
    EXPECT_TRUE(fit.Fits()) << fit.need << " x " << fit.needHeight << " in " << fit.have << " x " << fit.haveHeight;
  EXPECT_GE(vorn::testing::ExpectCaptionsFit(*window, form, c.tag), 7);
}

TEST_P(FullTableLayout, TwoLineCellsShowOneSizeInEveryRowCloseToTheRest)
{
  // Fifteen rows of the same result: each two-line cell (site and surface,
  // FFD and FSD, backscatter factors) has one size down the table, the
  // lowest band included, at most two pixels below the one-line cells.
  const LayoutCase& c = GetParam();
  DesktopSession d(c.edition, c.userName);
  const ResultTable three = ThreeRowTable();
  ResultTable t;
  for (int r = 1; r <= kResultRows; ++r) StoreRow(t, r, RowOf(three, 1).Source());
  t.ResultRowCount = kResultRows + 1;
  d.ReadTable(t, c.edition);
  const double base = d.program->resultWindow->tablePicture.FontSize();
  // Each text of the row, by where it starts across and what it says: its size in each row.
  std::map<std::pair<double, std::string>, std::vector<double>> sizesByText;
  for (const ui::TextItem* text : ui::TextItems(d.program->resultWindow->tablePicture.Items())) {
    if (text->at.y <= 70) continue;  // the headings (a line's top may lie above its band's rule)
    sizesByText[{text->at.x, text->text}].push_back(text->font.size);
  }
  int stacked = 0;
  for (const auto& [text, sizes] : sizesByText) {
    const std::string what = std::string(c.tag) + " \"" + text.second + "\"";
    EXPECT_EQ(sizes.size(), static_cast<std::size_t>(kResultRows)) << what;
    EXPECT_EQ(*std::min_element(sizes.begin(), sizes.end()), *std::max_element(sizes.begin(), sizes.end()))
        << what << ": row 1 " << sizes.front() << ", row 2 " << sizes[1];
    EXPECT_GE(sizes.front(), base - 1.5) << what;
    if (sizes.front() < base) ++stacked;
  }
  EXPECT_EQ(sizesByText.size(), 22u);
  EXPECT_LE(stacked, 6);  // only lines that share a cell are smaller
}

TEST_P(FullTableLayout, ThePrintedSheetShowsEveryTextInItsColumn)
{
  const LayoutCase& c = GetParam();
  DesktopSession d(c.edition, c.userName);
  d.ReadTable(DemandingTable(c.edition), c.edition);
  d.services.script.ExpectMsgBox(ui::vbYes);  // the printer is ready
  d.services.script.ExpectMsgBox(ui::vbOK);   // where the PDF went
  d.program->resultWindow->printButton.UserClick();
  ASSERT_EQ(d.services.printed.size(), 1u);
  const ui::DisplayList& items = d.services.printed.front().pages.at(0).items;
  const std::string told = d.services.script.msgBoxes.back().text;
  fs::copy_file(told.substr(told.find('\n') + 1),
                fs::path(VORN_RESULTS_GUI_OUTPUT) / (std::string("result_sheet_full_") + c.tag + ".pdf"),
                fs::copy_options::overwrite_existing);

  std::vector<QRectF> rules;
  for (const ui::LineItem* line : ui::LineItems(items)) {
    rules.push_back(RuleTwips(line->scale.ToTwips(line->from), line->scale.ToTwips(line->to),
                              line->pen.width * 1440.0 / 600.0));  // dots of a 600 dpi printer
  }
  ASSERT_EQ(rules.size(), 47u);
  const std::vector<const ui::TextItem*> texts = ui::TextItems(items);
  const ui::UserScale scale = texts.front()->scale;
  // The sheet runs from x 0 to 285 mm (3 mm in from the printable edge).
  const ui::Point left = scale.ToTwips({0, 0});
  const QRectF sheet(left.x, 0, 285 * kTwipsPerMm, 190 * kTwipsPerMm);
  ExpectTextsInTheirCells(texts, rules, sheet, c.tag);
  // The name line is printed whole.
  EXPECT_NE(ui::FindText(items, std::string(c.userName) + "  with  Vorn-V18"), nullptr);
}

}  // namespace
}  // namespace vorn::results
