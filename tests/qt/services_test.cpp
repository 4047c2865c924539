// The desktop services on Qt: fonts, message boxes, program starts, the date
// and printing to a PDF.
#include <QApplication>
#include <QDate>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <new>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/qt/fonts.h"
#include "platform/qt/guarded_application.h"
#include "platform/qt/qt_services.h"
#include "platform/ui/ui.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::qt {
namespace {

TEST(FontTest, WindowsFontsResolveToInstalledLookAlikes)
{
  RegisterFontSubstitutions();
  const std::pair<const char*, const char*> cases[] = {
      {"メイリオ", "Noto Sans CJK JP"},       {"ＭＳ 明朝", "Noto Serif CJK JP"}, {"ＭＳ Ｐゴシック", "Noto Sans CJK JP"},
      {"ＭＳ ゴシック", "Noto Sans CJK JP"}, {"Times New Roman", "Liberation Serif"}, {"Arial", "Liberation Sans"}};
  for (const auto& [name, family] : cases) {
    EXPECT_EQ(QFontInfo(ScreenFont({name, 9.0})).family(), QString(family)) << name;
    EXPECT_EQ(QFont::substitute(QString::fromUtf8(name)).compare(QString(family), Qt::CaseInsensitive), 0) << name;
  }
  EXPECT_EQ(ShownFamily("Liberation Sans"), QString("Liberation Sans"));  // installed: kept
}

TEST(FontTest, ScreenFontsAreSizedForFifteenTwipsAPixel)
{
  EXPECT_EQ(ScreenFont({"Arial", 9.0}).pixelSize(), 12);
  EXPECT_EQ(ScreenFont({"Arial", 15.75}).pixelSize(), 21);
  EXPECT_EQ(ScreenFont({"Arial", 28.0}).pixelSize(), 37);
  const QFont bold = ScreenFont({"Times New Roman", 14.25, true, true});
  EXPECT_TRUE(bold.bold());
  EXPECT_TRUE(bold.italic());
  EXPECT_DOUBLE_EQ(PrinterFont({"ＭＳ 明朝", 9.0}).pointSizeF(), 9.0);
}

TEST(FontTest, RealMetricsMeasureText)
{
  const QtFontMetrics metrics;
  // A CJK glyph is one em wide by design: 9 points = 12 pixels = 180 twips.
  const ui::TextExtent cjk = metrics.Measure({"メイリオ", 9.0}, "照射");
  EXPECT_NEAR(cjk.width, 360.0, 15.0);
  EXPECT_GT(cjk.height, 180.0);  // a line is taller than the em
  EXPECT_DOUBLE_EQ(metrics.Measure({"Arial", 9.0}, "").width, 0.0);
  EXPECT_GT(metrics.Measure({"Arial", 9.0}, "WWW").width, metrics.Measure({"Arial", 9.0}, "iii").width);
}

class QtServicesTest : public ::testing::Test {
protected:
  ui::testing::TempFolder folder;
  QtServices services{folder.path()};

  // Answers the next message box by pressing the button with this role, and
  // records what it showed.
  void AnswerNextBox(QMessageBox::StandardButton press)
  {
    QTimer::singleShot(0, [this, press] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr || !box->isVisible()) continue;
        shownText = box->text();
        shownTitle = box->windowTitle();
        shownIcon = box->icon();
        shownWidth = box->width();
        for (QAbstractButton* b : box->buttons()) shownButtons.push_back(box->standardButton(b));
        if (QAbstractButton* b = box->button(press)) {
          b->click();
        } else {
          box->reject();
        }
        return;
      }
    });
  }

  QString shownText;
  QString shownTitle;
  QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
  int shownWidth = 0;
  std::vector<QMessageBox::StandardButton> shownButtons;
};

TEST_F(QtServicesTest, MessageBoxesShowTheAskedIconAndButtons)
{
  AnswerNextBox(QMessageBox::No);
  EXPECT_EQ(services.MsgBox("　プリンターは準備できていますか？　", ui::vbYesNo, "Vorn-V18"), ui::vbNo);
  EXPECT_EQ(shownText, QString("　プリンターは準備できていますか？　"));
  EXPECT_EQ(shownTitle, QString("Vorn-V18"));
  EXPECT_EQ(shownIcon, QMessageBox::NoIcon);
  EXPECT_EQ(shownButtons, (std::vector<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));

  shownButtons.clear();
  AnswerNextBox(QMessageBox::Cancel);
  EXPECT_EQ(services.MsgBox("<b>not rich text</b>", ui::vbOKCancel | ui::vbExclamation, "t"), ui::vbCancel);
  EXPECT_EQ(shownIcon, QMessageBox::Warning);
  EXPECT_EQ(shownText, QString("<b>not rich text</b>"));

  AnswerNextBox(QMessageBox::NoButton);  // closed without a button: Cancel where there is one
  EXPECT_EQ(services.MsgBox("x", ui::vbYesNoCancel | ui::vbQuestion, "t"), ui::vbCancel);
  EXPECT_EQ(shownIcon, QMessageBox::Question);

  AnswerNextBox(QMessageBox::Ok);
  EXPECT_EQ(services.MsgBox("x", ui::vbCritical, "t"), ui::vbOK);
  EXPECT_EQ(shownIcon, QMessageBox::Critical);
}

TEST_F(QtServicesTest, AShortMessageLeavesRoomForTheWholeTitle)
{
  // The title's own width, plus an icon and three buttons of about 32 pixels
  // each in the frame's title bar.
  const QString title("Vorn-V18 ( Quendral, Version 18 )  :  Tester");
  const int needed = QFontMetrics(QApplication::font()).horizontalAdvance(title) + 4 * 32;
  for (const std::string& text : {std::string("  Select file  "), std::string("...")}) {
    AnswerNextBox(QMessageBox::Ok);
    services.MsgBox(text, ui::vbOKOnly, title.toStdString());
    EXPECT_GE(shownWidth, needed) << text;
  }
  AnswerNextBox(QMessageBox::Ok);
  services.MsgBox("  Select file  ", ui::vbOKOnly, "t");
  EXPECT_LT(shownWidth, needed);  // a short title leaves the box narrow
}

TEST_F(QtServicesTest, ALongMessageIsShownInEvenLines)
{
  // Wrapped by the box itself, its last line would hold a character or two.
  const QString text("　入射表面線量が 1000 Gy を超えます。管電流、撮影時間、１ｍの照射線量を確かめて下さい　");
  AnswerNextBox(QMessageBox::Ok);
  services.MsgBox(text.toStdString(), ui::vbExclamation, "t");
  const QStringList lines = shownText.split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(shownText.remove('\n').remove(' '), QString(text).remove(' '));
  const QFontMetricsF metrics(QApplication::font());
  double shortest = 1e9;
  double longest = 0.0;
  for (const QString& line : lines) {
    shortest = std::min(shortest, metrics.horizontalAdvance(line));
    longest = std::max(longest, metrics.horizontalAdvance(line));
  }
  EXPECT_GE(shortest, longest / 2.0) << shownText.toStdString();
}

TEST_F(QtServicesTest, ShellStartsAProgramOrSaysWhichOneIsMissing)
{
  // "true" on PATH, named as the system's programs name each other.
  EXPECT_NO_THROW(services.Shell("true.exe"));
  try {
    services.Shell("Ovalis.exe");
    FAIL() << "no exception";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("Ovalis.exe"), std::string::npos);
  }
}

TEST_F(QtServicesTest, AProgramHasEndedOnceItsProcessIsGoneOrOnlyAZombie)
{
  EXPECT_GT(services.Shell("true.exe"), 0);
  EXPECT_FALSE(services.ProgramEnded(::getpid()));  // running
  EXPECT_FALSE(services.ProgramEnded(0));           // not known
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  // Wait for its end without collecting it: a zombie until waitpid.
  siginfo_t info{};
  ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
  EXPECT_TRUE(services.ProgramEnded(child));
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  EXPECT_TRUE(services.ProgramEnded(child));  // gone
}

TEST_F(QtServicesTest, TheDateIsTodaysInTheShortForm)
{
  const std::string text = services.DateText();
  const std::string today = QDate::currentDate().toString("yyyy/MM/dd").toStdString();
  // Around midnight the two readings may straddle the change of day.
  const std::string tomorrow = QDate::currentDate().addDays(1).toString("yyyy/MM/dd").toStdString();
  EXPECT_TRUE(text == today || text == tomorrow) << text;
  EXPECT_TRUE(QRegularExpression("^\\d{4}/\\d{2}/\\d{2}$").match(QString::fromStdString(text)).hasMatch());
}

// What pdfinfo says of a file: the page count and the first page's size in points.
struct PdfInfo {
  int pages = 0;
  double width = 0.0;
  double height = 0.0;
  int rotation = 0;
};

PdfInfo ReadPdfInfo(const std::filesystem::path& file)
{
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {QString::fromStdString(file.string())});
  pdfinfo.waitForFinished(30000);
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

TEST_F(QtServicesTest, WithoutAPrinterTheSheetBecomesAOnePageLandscapePdf)
{
  services.SetPrintTarget(QtServices::PrintTarget::PdfFile);
  ui::Application app(services, "Vorn test");
  ui::Printer& printer = app.Printer();
  printer.SetScaleMode(ui::ScaleUnit::Millimetres);
  printer.SetOrientation(ui::Orientation::Landscape);
  printer.SetScaleLeft(-3);
  printer.SetFontName("ＭＳ 明朝");
  printer.SetFontSize(9);
  printer.SetDrawWidth(5);
  printer.Line(0, 20, 285, 20);
  printer.LineTo(285, 190);
  printer.SetDrawWidth(1);
  printer.SetCurrentX(5);
  printer.SetCurrentY(25);
  printer.Print("照射部位");
  const ui::PrintReport report = printer.EndDoc();
  ASSERT_TRUE(report.printed);
  EXPECT_TRUE(report.toFile);
  const std::filesystem::path file = report.destination;
  EXPECT_EQ(file.parent_path(), folder.path());
  EXPECT_TRUE(QRegularExpression("^Vorn-result-\\d{8}-\\d{6}\\.pdf$")
                  .match(QString::fromStdString(file.filename().string()))
                  .hasMatch());
  const PdfInfo info = ReadPdfInfo(file);
  EXPECT_EQ(info.pages, 1);
  // A4 is 595 x 842 points; landscape shows it wider than high.
  const bool wide = (info.width > info.height) != (info.rotation % 180 == 90);
  EXPECT_TRUE(wide) << info.width << " x " << info.height << " rotated " << info.rotation;
  EXPECT_NEAR(std::max(info.width, info.height), 841.89, 1.0);
}

TEST_F(QtServicesTest, EachPageKeepsItsOrientation)
{
  services.SetPrintTarget(QtServices::PrintTarget::PdfFile);
  ui::PrintDocument document;
  document.pages.resize(2);
  document.pages[1].orientation = ui::Orientation::Landscape;
  const ui::PrintReport report = services.Print(document);
  EXPECT_EQ(ReadPdfInfo(report.destination).pages, 2);
}

TEST(PdfNameTest, ATakenNameGetsANumber)
{
  ui::testing::TempFolder folder;
  const QDateTime when(QDate(2026, 12, 9), QTime(14, 5, 7));
  EXPECT_EQ(PdfFileName(folder.path(), when).filename(), "Vorn-result-20261209-140507.pdf");
  folder.Write("Vorn-result-20261209-140507.pdf");
  EXPECT_EQ(PdfFileName(folder.path(), when).filename(), "Vorn-result-20261209-140507-2.pdf");
}

// An exception that leaves a handler outside the model's own events is caught
// at the dispatch, told through the program, and the program goes on; it never
// unwinds through Qt's event loop.
class ThrowingObject : public QObject {
public:
  bool event(QEvent* e) override
  {
    if (e->type() == QEvent::User) throw std::bad_alloc();
    return QObject::event(e);
  }
};

class EventDispatch : public ui::testing::UiTest {};

TEST_F(EventDispatch, AnEscapingErrorIsToldAndTheProgramGoesOn)
{
  ASSERT_NE(dynamic_cast<GuardedApplication*>(QCoreApplication::instance()), nullptr);
  ThrowingObject object;
  {
    const ErrorReporting reporting(app);
    services.ExpectMsgBox("std::bad_alloc", ui::vbOK);
    QEvent sent(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &sent));
    services.ExpectMsgBox("std::bad_alloc", ui::vbOK);
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));  // through the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(services.msgBoxes.size(), 2u);
    EXPECT_EQ(services.msgBoxes[0].style, ui::vbCritical | ui::vbOKOnly);
    EXPECT_FALSE(app.Ended());
  }
  // With no program to tell, only the log hears of it.
  QEvent again(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &again));
  EXPECT_EQ(services.msgBoxes.size(), 2u);
}

}  // namespace
}  // namespace vorn::qt
