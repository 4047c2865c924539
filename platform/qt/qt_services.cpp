#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/errors.h"
#include "platform/qt/fonts.h"
#include "platform/qt/painting.h"
#include "platform/qt/text_layout.h"
#include "platform/ui/geometry.h"
#include "platform/ui/program_start.h"

namespace vorn::qt {

namespace {

// Pixels a window frame's title bar takes besides the title: the window's
// icon, its three buttons and the space around them.
constexpr int kTitleBarExtra = 160;

QPageLayout::Orientation ToQOrientation(ui::Orientation o)
{
  return o == ui::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Lines of a message box's text no wider than the box wraps them at by
// itself (half the screen, at most 500 pixels, less its icon and margins),
// broken into even lines instead of leaving a last word or character alone.
double MessageTextWidth()
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int half = screen != nullptr ? screen->availableGeometry().width() / 2 : 500;
  return std::min(half, 500) - 90;
}

QMessageBox::Icon ToQIcon(int style)
{
  switch (ui::MsgIcon(style)) {
    case ui::vbCritical: return QMessageBox::Critical;
    case ui::vbQuestion: return QMessageBox::Question;
    case ui::vbExclamation: return QMessageBox::Warning;
    case ui::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

ui::TextExtent QtFontMetrics::Measure(const ui::FontSpec& font, std::string_view utf8) const
{
  const QFontMetricsF metrics(ScreenFont(font));
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const double t = ui::kTwipsPerPixel;
  ui::TextExtent extent{metrics.horizontalAdvance(text) * t, metrics.height() * t};
  if (!text.isEmpty()) {
    // The glyphs' outlines, from the base line (the text is drawn from its
    // top): exact, where the metrics' tight box is rounded out to pixels.
    QPainterPath outline;
    outline.addText(0.0, 0.0, ScreenFont(font), text);
    const QRectF ink = outline.boundingRect();
    extent.inkTop = (metrics.ascent() + ink.top()) * t;
    extent.inkBottom = (metrics.ascent() + ink.bottom()) * t;
  }
  return extent;
}

QtServices::QtServices(std::filesystem::path workingFolder) : workingFolder_(std::move(workingFolder)) {}

ui::MsgAnswer QtServices::MsgBox(const std::string& text, int style, const std::string& title)
{
  ui::CheckMsgStyle(style);
  QMessageBox box(ToQIcon(style), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setText(EvenText(box.text(), QFontMetricsF(box.font()), MessageTextWidth()));
  struct Choice {
    QPushButton* button;
    ui::MsgAnswer answer;
  };
  std::vector<Choice> choices;
  // Qt's own captions are English; the program's edition gives them.
  auto add = [&](QMessageBox::StandardButton b, const std::string& caption, ui::MsgAnswer answer) {
    QPushButton* button = box.addButton(b);
    button->setText(QString::fromStdString(caption));
    choices.push_back({button, answer});
  };
  const ui::MsgButtonCaptions& caption = buttonCaptions_;
  switch (ui::MsgButtons(style)) {
    case ui::vbOKCancel:
      add(QMessageBox::Ok, caption.ok, ui::vbOK);
      add(QMessageBox::Cancel, caption.cancel, ui::vbCancel);
      break;
    case ui::vbYesNo:
      add(QMessageBox::Yes, caption.yes, ui::vbYes);
      add(QMessageBox::No, caption.no, ui::vbNo);
      break;
    case ui::vbYesNoCancel:
      add(QMessageBox::Yes, caption.yes, ui::vbYes);
      add(QMessageBox::No, caption.no, ui::vbNo);
      add(QMessageBox::Cancel, caption.cancel, ui::vbCancel);
      break;
    default: add(QMessageBox::Ok, caption.ok, ui::vbOK); break;
  }
  // The first button is the default, as on the old desktop; closing the box
  // is Cancel where there is one, else the last button (OK, or No).
  box.setDefaultButton(choices.front().button);
  box.setEscapeButton(choices.back().button);
  // A box is as wide as its text; a short text would leave its title cut to
  // "..." in the frame. The frame's title bar also holds an icon and three
  // buttons.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
  box.exec();
  for (const Choice& c : choices)
    if (box.clickedButton() == c.button) return c.answer;
  return choices.back().answer;
}

void QtServices::Beep() { QApplication::beep(); }

std::optional<ui::Rect> QtServices::ScreenArea() const
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::nullopt;
  const QRect area = screen->availableGeometry();
  const double t = ui::kTwipsPerPixel;
  return ui::Rect{area.x() * t, area.y() * t, area.width() * t, area.height() * t};
}

long long QtServices::Shell(const std::string& program)
{
  const char* path = std::getenv("PATH");
  const std::filesystem::path found = ui::FindProgram(program, workingFolder_, path != nullptr ? path : "");
  qint64 process = 0;
  if (!QProcess::startDetached(QString::fromStdString(found.string()), {}, QString::fromStdString(workingFolder_.string()),
                               &process))
    throw FileError(program + ": the program could not be started", FileFault::NotStarted, program);
  return process;
}

bool QtServices::ProgramEnded(long long process) const
{
  if (process <= 0) return false;
  const auto pid = static_cast<pid_t>(process);
  if (::kill(pid, 0) != 0) return errno == ESRCH;
  // A detached program is adopted by the system's init, which collects it;
  // until then it lingers as a zombie ("Z" after the name in its stat line).
  std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const std::size_t name_end = line.rfind(')');
  return name_end != std::string::npos && name_end + 2 < line.size() && line[name_end + 2] == 'Z';
}

void QtServices::DoEvents() { QCoreApplication::processEvents(); }

std::string QtServices::DateText()
{
  const QDate today = QDate::currentDate();
  return ui::ShortDateText(std::chrono::year{today.year()} / std::chrono::month{static_cast<unsigned>(today.month())} /
                           std::chrono::day{static_cast<unsigned>(today.day())});
}

std::filesystem::path PdfFileName(const std::filesystem::path& folder, const QDateTime& when)
{
  const std::string stem = "Vorn-result-" + when.toString("yyyyMMdd-HHmmss").toStdString();
  std::filesystem::path candidate = folder / (stem + ".pdf");
  for (int n = 2; std::filesystem::exists(candidate); ++n) candidate = folder / (stem + "-" + std::to_string(n) + ".pdf");
  return candidate;
}

void RenderDocument(QPrinter& printer, const ui::PrintDocument& document)
{
  if (document.pages.empty()) return;
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(ToQOrientation(document.pages.front().orientation));
  QPainter painter;
  if (!painter.begin(&printer)) throw FileError("the printer could not be opened", FileFault::PrintFailed, {});
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    const ui::PrintedPage& page = document.pages[i];
    if (i > 0) {
      printer.setPageOrientation(ToQOrientation(page.orientation));
      printer.newPage();
    }
    const DeviceMap map{printer.resolution() / 1440.0, QPointF(0.0, 0.0), true};
    PaintItems(painter, page.items, map);
  }
  if (!painter.end()) throw FileError("the document could not be finished", FileFault::PrintFailed, {});
}

ui::PrintReport QtServices::Print(const ui::PrintDocument& document)
{
  if (target_ == PrintTarget::DefaultPrinter) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
      QPrinter printer(info, QPrinter::HighResolution);
      RenderDocument(printer, document);
      return {true, false, info.printerName().toStdString()};
    }
  }
  const std::filesystem::path file = PdfFileName(workingFolder_, QDateTime::currentDateTime());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file.string()));
  // 600 dots per inch, as a common office printer: line widths given in
  // printer dots look the same on paper and in the file.
  printer.setResolution(600);
  // A laser printer's unprintable edge, so that the sheet lies where it would on paper.
  printer.setPageMargins(QMarginsF(4.0, 4.0, 4.0, 4.0), QPageLayout::Millimeter);
  RenderDocument(printer, document);
  if (!std::filesystem::exists(file)) {
    throw FileError(file.string() + ": the PDF could not be written", FileFault::WriteFailed, file);
  }
  return {true, true, file.string()};
}

}  // namespace vorn::qt
