// The result window and the printed sheet through the real windows: the main
// program started on the shipped data with the Qt binding, message boxes
// answered from a script, the sheet written to a PDF (no printer here) and the
// window grabbed as a picture.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "../results/sample_rows.h"
#include "mainwin/main_program.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "platform/ui/scripted_services.h"
#include "results/result_csv.h"
#include "tests/support/scripted_desktop.h"

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
  explicit DesktopSession(Edition edition) : services(PrepareFolder(folder.path(), edition))
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

  static const fs::path& PrepareFolder(const fs::path& folder, Edition edition)
  {
    for (const auto& entry : fs::directory_iterator(ShippedData())) {
      if (entry.is_regular_file()) fs::copy_file(entry.path(), folder / entry.path().filename());
    }
    const fs::path nameFile = folder / (edition == Edition::Japanese ? "Primary.dat" : "dATR.dat");
    std::ofstream(nameFile, std::ios::binary | std::ios::app) << "Tester\r\n";
    return folder;
  }

  // Reads a three-row result file through the read dialog, as a user would.
  void ReadThreeRows(Edition edition)
  {
    SaveResultTableCsv(folder.path() / "three.csv", ThreeRowTable(), 33.97, "three rows", edition);
    program->Form10->Command6.UserClick();
    Form3& dialog = *program->Form3;
    const auto& items = dialog.File1.Items();
    const auto it = std::find(items.begin(), items.end(), "three.csv");
    ASSERT_NE(it, items.end());
    dialog.File1.UserChoose(static_cast<int>(it - items.begin()));
    dialog.Command1.UserClick();
    ASSERT_EQ(program->Results.ResultRowCount, 4);
  }

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
  s.program->Form10->Command4.UserClick();
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
  s.program->Form10->Command1.UserClick();  // the totals line too
  s.services.DoEvents();

  qt::FormWindow* window = s.binding->WindowOf(*s.program->Form10);
  ASSERT_NE(window, nullptr);
  const QImage shot = window->grab().toImage();
  EXPECT_EQ(shot.width(), 1033);  // 15495 twips at 15 a pixel
  EXPECT_EQ(shot.height(), 529);
  const fs::path file = fs::path(VORN_RESULTS_GUI_OUTPUT) /
                        (edition == Edition::Japanese ? "result_window_J.png" : "result_window_E.png");
  ASSERT_TRUE(shot.save(QString::fromStdString(file.string())));

  // The picture holds a ruled table with text, not an empty white box.
  QWidget* picture = window->WidgetOf(s.program->Form10->Picture2);
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
  s.program->Form10->Command5.UserClick();
  s.program->Form2->Text2.UserType("three rows");
  s.services.script.ExpectMsgBox(ui::vbOK);
  s.program->Form10->Command6.UserClick();
  s.program->Form3->File1.UserChoose(0);
  s.services.DoEvents();
  for (ui::Form* form : {static_cast<ui::Form*>(&*s.program->Form2), static_cast<ui::Form*>(&*s.program->Form3)}) {
    qt::FormWindow* window = s.binding->WindowOf(*form);
    ASSERT_NE(window, nullptr);
    const QImage shot = window->grab().toImage();
    // The dialog's size in twips at 15 a pixel.
    EXPECT_EQ(shot.width(), static_cast<int>(form->Width() / 15));
    EXPECT_EQ(shot.height(), static_cast<int>(form->Height() / 15));
    const fs::path file = fs::path(VORN_RESULTS_GUI_OUTPUT) / (form->Name() + "_" + tag + ".png");
    EXPECT_TRUE(shot.save(QString::fromStdString(file.string())));
  }
  EXPECT_EQ(s.program->Form3->Text2.Text(), "three rows");
}

}  // namespace
}  // namespace vorn::results
